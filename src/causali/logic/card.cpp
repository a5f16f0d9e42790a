#include "causali/logic/card.h"

#include "archive/codec.h"

namespace vt::causali {

namespace {

struct Binding {
    cau::Field field;
    QString CardTexts::*member;
};

// Every record field that a control holds as text, in record order.
constexpr Binding kBindings[] = {
    {cau::Causale, &CardTexts::causale},
    {cau::Promemoria, &CardTexts::promemoria},
    {cau::Importo, &CardTexts::importo},
    {cau::Pagatore, &CardTexts::pagatore},
    {cau::RecapitoPag, &CardTexts::recapitoPag},
    {cau::CodFisc, &CardTexts::codFisc},
    {cau::PartitaIva, &CardTexts::partitaIva},
    {cau::Categoria, &CardTexts::categoria},
    {cau::Email, &CardTexts::email},
    {cau::Pagamento, &CardTexts::pagamento},
    {cau::Beneficiario, &CardTexts::beneficiario},
    {cau::RecapitoBen, &CardTexts::recapitoBen},
    {cau::Note, &CardTexts::note},
    {cau::Tariffa, &CardTexts::tariffa},
};

// The same fields on the movement card.
struct MovementBinding {
    cau::Field field;
    QString card::CardTexts::*member;
};
constexpr MovementBinding kIntoMovement[] = {
    {cau::Causale, &card::CardTexts::causale},
    {cau::Promemoria, &card::CardTexts::promemoria},
    {cau::Importo, &card::CardTexts::importo},
    {cau::ImportoSegnato, &card::CardTexts::totale},
    {cau::Pagatore, &card::CardTexts::pagatore},
    {cau::RecapitoPag, &card::CardTexts::recapitoPag},
    {cau::CodFisc, &card::CardTexts::codFisc},
    {cau::PartitaIva, &card::CardTexts::partitaIva},
    {cau::Categoria, &card::CardTexts::categoria},
    {cau::Email, &card::CardTexts::email},
    {cau::Pagamento, &card::CardTexts::pagamento},
    {cau::Beneficiario, &card::CardTexts::beneficiario},
    {cau::RecapitoBen, &card::CardTexts::recapitoBen},
    {cau::Note, &card::CardTexts::note},
    {cau::Tariffa, &card::CardTexts::tariffa},
};

}  // namespace

CardTexts clearedCard() {
    CardTexts card;
    card.importo = QStringLiteral("0,00");
    card.incoming = true;
    return card;
}

CausaleRecord encode(const CardTexts& card) {
    CausaleRecord record;
    for (const auto& b : kBindings) record.setText(b.field, card.*b.member);
    record.setText(cau::ImportoSegnato, card::signedAmount(card.importo, card.incoming));
    record.setFlag(cau::Entrata, card.incoming);
    record.setFlag(cau::Uscita, !card.incoming);
    return record;
}

void decode(const CausaleRecord& record, qint64 position, CardTexts& card) {
    for (const auto& b : kBindings) card.*b.member = record.text(b.field);
    card.incoming =
        card::incomingFromFlags(record.flag(cau::Entrata), record.flag(cau::Uscita), card.incoming);
    card.posizione = QString::number(position);
}

std::optional<Check> firstFailingCheck(const CardTexts& card) {
    using F = CheckField;
    if (vt::trimmed(card.causale).isEmpty())
        return card::missingField(F::Causale, QStringLiteral("la causale del pagamento."));
    if (vt::trimmed(card.pagatore).isEmpty())
        return card::missingField(F::Pagatore, QStringLiteral("il nome del pagatore."));
    if (vt::trimmed(card.beneficiario).isEmpty())
        return card::missingField(F::Beneficiario, QStringLiteral("il nome del beneficiario."));
    return std::nullopt;
}

bool duplicate(CardTexts& card) {
    if (vt::trimmed(card.posizione).isEmpty()) return false;
    card.posizione.clear();
    return true;
}

void importInto(const CausaleRecord& record, card::CardTexts& movement) {
    for (const auto& b : kIntoMovement) movement.*b.member = record.text(b.field);
    movement.incoming = card::incomingFromFlags(record.flag(cau::Entrata), record.flag(cau::Uscita),
                                                movement.incoming);
}

}  // namespace vt::causali
