#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "archive/cardfile.h"
#include "archive/records.h"

// The registry card editor's rules, on a plain copy of its controls: what a
// cleared card holds, how a card becomes a record and back, the save check,
// duplication and the small typing rules of its fields.
namespace vt::clients {

// The card as the user sees it: the texts of its 29 fields (the two
// provinces included), the "Da ricontattare" box, the six hidden
// attachment labels and lblPosizione.
struct CardTexts {
    QString cliente, dataNasc, comuneNasc, provNasc, sesso, recapito, indirizzoRes, provRes,
        comuneRes, capRes;
    QString estremi, telCasa, telUff, telCel, fax, email, codFisc, carta, scadeCarta, partitaIva,
        iban;
    QString documento, occupazione, civile, titoli, prodotti, zona, questioni, note;
    QString file01, file02, file03, desc01, desc02, desc03;
    QString posizione;
    bool ricontatta = false;

    bool operator==(const CardTexts&) const = default;
};

// A record field held as text by a control (or a hidden label) of the card.
struct Binding {
    cli::Field field;
    QString CardTexts::*member;
    const char* control;
};
// Every text field of the card in record order, which is also the order in
// which Enter moves through them; the six hidden labels follow.
std::span<const Binding> bindings();
// How many of bindings() are fields the user types in (the rest are the
// hidden attachment labels).
inline constexpr int kTypedFields = 29;

// A new card: everything empty, not to be recontacted.
CardTexts clearedCard();

// The record a save writes. Texts are trimmed, converted and cut to their
// field's capacity by the record itself.
ClientRecord encode(const CardTexts& card);

// Shows `record` at `position` on `card`: every field and attachment label
// is replaced; a Ricontatta that holds neither "Sì" nor "No" leaves the box
// as it was.
void decode(const ClientRecord& record, qint64 position, CardTexts& card);

// The only save check: the card needs a name. Its warning, or nothing.
inline const QString kNameMissing = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del pagatore o "
    "beneficiario.");
std::optional<QString> firstFailingCheck(const CardTexts& card);

// Turns a stored card into a new one that keeps every field but its
// attachments. False, and nothing changed, for a card not stored yet.
bool duplicate(CardTexts& card);

// ---- Typing rules ---------------------------------------------------------

// IBAN and provinces: trimmed at the ends and upper-cased (the fiscal code
// follows vt::card::fiscalCodeAfterKey).
QString codeText(const QString& text);
// Sex and postal code: upper-cased as typed, nothing else.
QString upperText(const QString& text);
// E-mail: trimmed.
QString emailText(const QString& text);
// What the desktop is asked to open for the e-mail button: a new message
// to the trimmed address, without a recipient when there is none.
QString mailTarget(const QString& email);

// The codes offered by the two province drop-downs, in their order.
const QStringList& provinceCodes();

inline const QString kCaption = QStringLiteral(" Vantresa 4.0 - Pagatori e Beneficiari");
inline const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

}  // namespace vt::clients
