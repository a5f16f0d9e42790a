#pragma once

#include <QString>
#include <optional>

#include "archive/cardfile.h"
#include "archive/records.h"

// What every card editor of an archive file does the same way: where the
// navigation buttons lead, where a save writes, the direction of the radio
// pair, the shape of a failing save check and the messages of saving,
// browsing and duplicating.
namespace vt::card {

// Captions of the amount field, black for an incoming amount and red for
// an outgoing one.
inline const QString kCaptionIncoming = QStringLiteral("Importo in entrata: \u20AC");
inline const QString kCaptionOutgoing = QStringLiteral("Importo in uscita: \u20AC");
inline QString amountCaption(bool incoming) {
    return incoming ? kCaptionIncoming : kCaptionOutgoing;
}

// "+" or "-" (by direction) before the trimmed amount.
QString signedAmount(const QString& amount, bool incoming);

// The radio pair after reading the two flags of a record, starting from
// `current`: "Entrata" decides when it is readable and "Uscita" overrides
// it when set; a flag that holds neither "Sì" nor "No" changes nothing.
bool incomingFromFlags(Flag entrata, Flag uscita, bool current);

// The first save check that fails: what to say, in which form, and which
// field gets the focus.
template <typename FieldEnum>
struct SaveCheck {
    using Field = FieldEnum;
    enum class Kind { Warning, Notice };
    Field field;
    Kind kind;
    QString message;
};

// "Attenzione: per salvare la scheda è necessario indicare " + `what`.
QString missingFieldMessage(const QString& what);
template <typename FieldEnum>
SaveCheck<FieldEnum> missingField(FieldEnum field, const QString& what) {
    return {field, SaveCheck<FieldEnum>::Kind::Warning, missingFieldMessage(what)};
}

// The fiscal code field after a key release (and, on the registry card,
// after every change): trimmed, with the letters a to z turned to capitals.
QString fiscalCodeAfterKey(const QString& text);
// The e-mail field after a key release: trimmed.
QString emailAfterKey(const QString& text);
// What the desktop is asked to open for an e-mail, or nothing when the
// address is blank.
std::optional<QString> mailTarget(const QString& email);

}  // namespace vt::card
