#include "clients/logic/card.h"

#include "archive/codec.h"

namespace vt::clients {

namespace {

constexpr Binding kBindings[] = {
    {cli::Cliente, &CardTexts::cliente, "txtCliente"},
    {cli::DataNasc, &CardTexts::dataNasc, "txtDataNasc"},
    {cli::ComuneNasc, &CardTexts::comuneNasc, "txtComuneNasc"},
    {cli::ProvNasc, &CardTexts::provNasc, "txtProvNasc"},
    {cli::Sesso, &CardTexts::sesso, "txtSesso"},
    {cli::Recapito, &CardTexts::recapito, "txtRecapito"},
    {cli::IndirizzoRes, &CardTexts::indirizzoRes, "txtIndirizzoRes"},
    {cli::ProvRes, &CardTexts::provRes, "txtProvRes"},
    {cli::ComuneRes, &CardTexts::comuneRes, "txtComuneRes"},
    {cli::CapRes, &CardTexts::capRes, "txtCapRes"},
    {cli::Estremi, &CardTexts::estremi, "txtEstremi"},
    {cli::TelCasa, &CardTexts::telCasa, "txtTelCasa"},
    {cli::TelUff, &CardTexts::telUff, "txtTelUff"},
    {cli::TelCel, &CardTexts::telCel, "txtTelCel"},
    {cli::Fax, &CardTexts::fax, "txtFax"},
    {cli::Email, &CardTexts::email, "txtEmail"},
    {cli::CodFisc, &CardTexts::codFisc, "txtCodFisc"},
    {cli::Carta, &CardTexts::carta, "txtCarta"},
    {cli::ScadeCarta, &CardTexts::scadeCarta, "txtScadeCarta"},
    {cli::PartitaIva, &CardTexts::partitaIva, "txtPartitaIva"},
    {cli::Iban, &CardTexts::iban, "txtIban"},
    {cli::Documento, &CardTexts::documento, "txtDocumento"},
    {cli::Occupazione, &CardTexts::occupazione, "txtOccupazione"},
    {cli::Civile, &CardTexts::civile, "txtCivile"},
    {cli::Titoli, &CardTexts::titoli, "txtTitoli"},
    {cli::Prodotti, &CardTexts::prodotti, "txtProdotti"},
    {cli::Zona, &CardTexts::zona, "txtZona"},
    {cli::Questioni, &CardTexts::questioni, "txtQuestioni"},
    {cli::Note, &CardTexts::note, "txtNote"},
    {cli::File01, &CardTexts::file01, "lblFile01"},
    {cli::File02, &CardTexts::file02, "lblFile02"},
    {cli::File03, &CardTexts::file03, "lblFile03"},
    {cli::Desc01, &CardTexts::desc01, "lblDesc01"},
    {cli::Desc02, &CardTexts::desc02, "lblDesc02"},
    {cli::Desc03, &CardTexts::desc03, "lblDesc03"},
};
static_assert(std::size(kBindings) == kTypedFields + 6);

}  // namespace

std::span<const Binding> bindings() {
    return kBindings;
}

CardTexts clearedCard() {
    return {};
}

ClientRecord encode(const CardTexts& card) {
    ClientRecord record;
    for (const auto& b : kBindings) record.setText(b.field, card.*b.member);
    record.setFlag(cli::Ricontatta, card.ricontatta);
    return record;
}

void decode(const ClientRecord& record, qint64 position, CardTexts& card) {
    for (const auto& b : kBindings) card.*b.member = record.text(b.field);
    const Flag again = record.flag(cli::Ricontatta);
    if (again == Flag::Yes) card.ricontatta = true;
    if (again == Flag::No) card.ricontatta = false;
    card.posizione = QString::number(position);
}

std::optional<QString> firstFailingCheck(const CardTexts& card) {
    if (vt::trimmed(card.cliente).isEmpty()) return kNameMissing;
    return std::nullopt;
}

bool duplicate(CardTexts& card) {
    if (vt::trimmed(card.posizione).isEmpty()) return false;
    for (QString* slot :
         {&card.file01, &card.file02, &card.file03, &card.desc01, &card.desc02, &card.desc03})
        slot->clear();
    card.posizione.clear();
    return true;
}

QString codeText(const QString& text) {
    return vt::trimmed(text).toUpper();
}

QString upperText(const QString& text) {
    return text.toUpper();
}

QString emailText(const QString& text) {
    return vt::trimmed(text);
}

QString mailTarget(const QString& email) {
    return QStringLiteral("\"mailto:") + vt::trimmed(email) + QStringLiteral("\"");
}

const QStringList& provinceCodes() {
    static const QStringList codes =
        QStringLiteral(
            "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI "
            "CL CN CO CR CS CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE "
            "LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD PE PG "
            "PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA "
            "TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV")
            .split(u' ');
    return codes;
}

}  // namespace vt::clients
