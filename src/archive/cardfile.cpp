#include "archive/cardfile.h"

#include <algorithm>

#include "archive/codec.h"

namespace vt::card {

namespace {
const QString kBreak = QStringLiteral("\n\r\n\r");
}  // namespace

QString duplicatedMessage() {
    return QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.") +
           kBreak + QStringLiteral("Al termine premere Salva per inserire la scheda in archivio.");
}

std::optional<qint64> storedPosition(const QString& posizione) {
    const QString p = vt::trimmed(posizione);
    if (p.isEmpty()) return std::nullopt;
    bool ok = false;
    const qint64 value = p.toLongLong(&ok);
    // Only the program writes the label; anything unreadable counts as a
    // new card rather than as a position to overwrite.
    if (!ok || value < 1) return std::nullopt;
    return value;
}

Step decideMove(Move move, const QString& posizione, qint64 count) {
    using K = Step::Kind;
    const std::optional<qint64> p = storedPosition(posizione);
    switch (move) {
        case Move::First:
            if (count == 0) return {K::EmptyArchive};
            return {K::Load, 1};
        case Move::Last:
            if (count == 0) return {K::EmptyArchive};
            return {K::Load, count};
        case Move::Next: {
            if (count == 0) return {K::EmptyArchiveClear};
            const qint64 at = p.value_or(0);
            if (at < count) return {K::Load, at + 1};
            return {K::Nothing};
        }
        case Move::Previous:
            if (p == 1) return {K::Nothing};
            if (count == 0) return {K::EmptyArchive};
            if (!p) return {K::Load, 1};
            // A position past the end cannot come from this file; show its last
            // record rather than fail on a record that is not there.
            return {K::Load, std::min(*p - 1, count)};
    }
    return {K::Nothing};
}

}  // namespace vt::card
