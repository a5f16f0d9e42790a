#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "archive/cardfile.h"
#include "archive/cardrules.h"
#include "archive/records.h"

// The movement card editor's rules, on a plain copy of its controls: what a
// cleared card holds, how a card becomes a record and back, which save check
// fails, where the navigation buttons lead.
namespace vt::card {

// The card as the user sees it. `incoming` is the radio pair (checked
// optEntrata, else optUscita); `posizione` the text of lblPosizione.
struct CardTexts {
    QString data, causale, promemoria, dataSca, preavviso, importo, totale;
    QString pagatore, recapitoPag, codFisc, partitaIva, categoria, email, pagamento;
    QString beneficiario, recapitoBen, ricevuta, note, tariffa;
    QString file01, file02, file03, desc01, desc02, desc03;
    QString posizione;
    bool incoming = true;
    bool saldato = false;

    bool operator==(const CardTexts&) const = default;
};

// A new card dated `today`: days of notice 0, amount 0,00, incoming, not
// settled, everything else empty.
CardTexts clearedCard(const QDate& today);

// The record a save writes. Texts are trimmed, converted and cut to their
// field's capacity by the record itself.
MovementRecord encode(const CardTexts& card);

// Shows `record` at `position` on `card`: every text field and attachment
// label is replaced, txtTotale takes ImportoSegnato. A flag that holds
// neither "Sì" nor "No" leaves its control as it was.
void decode(const MovementRecord& record, qint64 position, CardTexts& card);

// ---- Saving ---------------------------------------------------------------

// The first save check that fails (its message, form and field).
enum class CheckField { Causale, Data, DataSca, Preavviso, Pagatore, Beneficiario };
using Check = SaveCheck<CheckField>;
std::optional<Check> firstFailingCheck(const CardTexts& card);

inline const QString kEmailMissing =
    QStringLiteral("Attenzione: indicare l'indirizzo e-mail del tesserato.");

// ---- Duplicating and the small field rules --------------------------------

// Turns a stored card into a new one that keeps most of it (no due date, not
// settled, no attachments, dated today). False, and nothing changed, for a
// card that is not stored yet.
bool duplicate(CardTexts& card, const QDate& today);

// Date picker targets.
inline const QString kPickOperationDate = QStringLiteral("movimenti_data");
inline const QString kPickDueDate = QStringLiteral("movimenti_scadenza");

// ---- Year selection -------------------------------------------------------

inline const QString kYearMessage =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
// Only the length counts: four characters, as typed, are a year.
bool acceptableYear(const QString& typed);
QString editorCaption(const QString& typed);

}  // namespace vt::card
