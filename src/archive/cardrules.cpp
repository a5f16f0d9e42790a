#include "archive/cardrules.h"

#include <algorithm>

#include "archive/codec.h"

namespace vt::card {

QString signedAmount(const QString& amount, bool incoming) {
    return (incoming ? QStringLiteral("+") : QStringLiteral("-")) + vt::trimmed(amount);
}

bool incomingFromFlags(Flag entrata, Flag uscita, bool current) {
    // The pair always has exactly one button checked, so a cleared "Uscita"
    // only matters when "Entrata" cannot be read.
    bool incoming = current;
    if (entrata == Flag::Yes) incoming = true;
    if (entrata == Flag::No) incoming = false;
    if (uscita == Flag::Yes) incoming = false;
    if (uscita == Flag::No && entrata == Flag::Unknown) incoming = true;
    return incoming;
}

QString missingFieldMessage(const QString& what) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") + what;
}

QString fiscalCodeAfterKey(const QString& text) {
    return vt::upperAZ(vt::trimmed(text));
}

QString emailAfterKey(const QString& text) {
    return vt::trimmed(text);
}

std::optional<QString> mailTarget(const QString& email) {
    const QString address = vt::trimmed(email);
    if (address.isEmpty()) return std::nullopt;
    return QStringLiteral("\"mailto:") + address + QStringLiteral("\"");
}

}  // namespace vt::card
