#pragma once

#include <QString>
#include <optional>

#include "archive/cardrules.h"
#include "archive/records.h"
#include "movements/logic/card.h"

// The causale card editor's rules, on a plain copy of its controls: what a
// new card holds, how a card becomes a record and back, which save check
// fails, and what a causale brings into a movement card. Navigation and the
// messages are those of every card editor (archive/cardrules.h).
namespace vt::causali {

// The card as the user sees it. `incoming` is the radio pair (checked
// optEntrata, else optUscita); `posizione` the text of lblPosizione.
struct CardTexts {
    QString causale, promemoria, importo;
    QString pagatore, recapitoPag, codFisc, partitaIva, categoria, email, pagamento;
    QString beneficiario, recapitoBen, note, tariffa;
    QString posizione;
    bool incoming = true;

    bool operator==(const CardTexts&) const = default;
};

// A new card: amount 0,00, incoming, everything else empty.
CardTexts clearedCard();

// The record a save writes (the amount already normalised). Texts are
// trimmed, converted and cut to their field's capacity by the record.
CausaleRecord encode(const CardTexts& card);

// Shows `record` at `position` on `card`: every text field is replaced; a
// flag that holds neither "Sì" nor "No" leaves the radio pair as it was.
void decode(const CausaleRecord& record, qint64 position, CardTexts& card);

// Payer and beneficiary are both required, whatever the direction.
enum class CheckField { Causale, Pagatore, Beneficiario };
using Check = card::SaveCheck<CheckField>;
std::optional<Check> firstFailingCheck(const CardTexts& card);

// A stored card becomes a new one holding the same data. False, and nothing
// changed, for a card that is not stored yet.
bool duplicate(CardTexts& card);

inline const QString kEmailMissing = QStringLiteral("Attenzione: indicare l'indirizzo e-mail.");

// Copies a causale into the movement being written: its fifteen texts
// (txtTotale from ImportoSegnato) and the direction. Dates, days of
// notice, receipt number, settlement box, attachments and position stay.
void importInto(const CausaleRecord& record, card::CardTexts& movement);

}  // namespace vt::causali
