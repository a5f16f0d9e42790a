#include "movements/logic/card.h"

#include "archive/codec.h"
#include "archive/texts.h"

namespace vt::card {

namespace {

const QString kBreak = QStringLiteral("\n\r\n\r");

struct Binding {
    mov::Field field;
    QString CardTexts::*member;
};

// Every record field that a control holds as text, in record order.
constexpr Binding kBindings[] = {
    {mov::Data, &CardTexts::data},
    {mov::Causale, &CardTexts::causale},
    {mov::Promemoria, &CardTexts::promemoria},
    {mov::DataSca, &CardTexts::dataSca},
    {mov::Preavviso, &CardTexts::preavviso},
    {mov::Importo, &CardTexts::importo},
    {mov::Pagatore, &CardTexts::pagatore},
    {mov::RecapitoPag, &CardTexts::recapitoPag},
    {mov::CodFisc, &CardTexts::codFisc},
    {mov::PartitaIva, &CardTexts::partitaIva},
    {mov::Categoria, &CardTexts::categoria},
    {mov::Email, &CardTexts::email},
    {mov::Pagamento, &CardTexts::pagamento},
    {mov::Beneficiario, &CardTexts::beneficiario},
    {mov::RecapitoBen, &CardTexts::recapitoBen},
    {mov::Ricevuta, &CardTexts::ricevuta},
    {mov::Note, &CardTexts::note},
    {mov::Tariffa, &CardTexts::tariffa},
    {mov::File01, &CardTexts::file01},
    {mov::File02, &CardTexts::file02},
    {mov::File03, &CardTexts::file03},
    {mov::Desc01, &CardTexts::desc01},
    {mov::Desc02, &CardTexts::desc02},
    {mov::Desc03, &CardTexts::desc03},
};

QString invalidDateMessage(const QString& date) {
    return QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" non esiste.") + kBreak +
           QStringLiteral(
               "Per poter salvare la scheda \u00E8 necessario indicare una data valida nel formato "
               "gg/mm/aaaa.");
}

}  // namespace

CardTexts clearedCard(const QDate& today) {
    CardTexts card;
    card.data = dateText(today);
    card.preavviso = QStringLiteral("0");
    card.importo = QStringLiteral("0,00");
    card.totale = QStringLiteral("+0,00");
    card.incoming = true;
    card.saldato = false;
    return card;
}

MovementRecord encode(const CardTexts& card) {
    MovementRecord record;
    for (const auto& b : kBindings) record.setText(b.field, card.*b.member);
    record.setText(mov::ImportoSegnato, signedAmount(card.importo, card.incoming));
    record.setFlag(mov::Entrata, card.incoming);
    record.setFlag(mov::Uscita, !card.incoming);
    record.setFlag(mov::Saldato, card.saldato);
    return record;
}

void decode(const MovementRecord& record, qint64 position, CardTexts& card) {
    for (const auto& b : kBindings) card.*b.member = record.text(b.field);
    card.totale = record.text(mov::ImportoSegnato);
    card.incoming =
        incomingFromFlags(record.flag(mov::Entrata), record.flag(mov::Uscita), card.incoming);
    const Flag settled = record.flag(mov::Saldato);
    if (settled == Flag::Yes) card.saldato = true;
    if (settled == Flag::No) card.saldato = false;
    card.posizione = QString::number(position);
}

namespace {
bool isDayCount(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}
}  // namespace

std::optional<Check> firstFailingCheck(const CardTexts& card) {
    using F = Check::Field;
    if (vt::trimmed(card.causale).isEmpty())
        return missingField(F::Causale, QStringLiteral("la causale del pagamento."));
    const QString date = vt::trimmed(card.data);
    if (date.isEmpty())
        return missingField(F::Data, QStringLiteral("la data di registrazione dell'operazione."));
    if (!dateValue(date)) return Check{F::Data, Check::Kind::Notice, invalidDateMessage(date)};
    const QString due = vt::trimmed(card.dataSca);
    if (due.isEmpty())
        return missingField(F::DataSca, QStringLiteral("la data di scadenza del pagamento."));
    if (!dateValue(due)) return Check{F::DataSca, Check::Kind::Notice, invalidDateMessage(due)};
    // The due list reads the notice as a number of days: a notice that is
    // not all digits (pasted text) would silently end that list.
    if (!isDayCount(vt::trimmed(card.preavviso)))
        return missingField(
            F::Preavviso,
            QStringLiteral("il numero di giorni di preavviso della scadenza del pagamento."));
    if (vt::trimmed(card.pagatore).isEmpty())
        return missingField(F::Pagatore, QStringLiteral("il nome del pagatore."));
    if (vt::trimmed(card.beneficiario).isEmpty())
        return missingField(F::Beneficiario, QStringLiteral("il nome del beneficiario."));
    return std::nullopt;
}

bool duplicate(CardTexts& card, const QDate& today) {
    if (vt::trimmed(card.posizione).isEmpty()) return false;
    card.saldato = false;
    card.data = dateText(today);
    card.dataSca.clear();
    card.file01.clear();
    card.file02.clear();
    card.file03.clear();
    card.desc01.clear();
    card.desc02.clear();
    card.desc03.clear();
    card.posizione.clear();
    return true;
}

bool acceptableYear(const QString& typed) {
    return typed.size() == 4;
}

QString editorCaption(const QString& typed) {
    return QStringLiteral(" Vantresa 4.0 - Registro movimenti anno ") + vt::trimmed(typed);
}

}  // namespace vt::card
