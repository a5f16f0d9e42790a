#include "app/logic/pastedtext.h"

namespace vt {

std::optional<QString> acceptedPaste(const QString& text, const QString& allowed, qsizetype room) {
    // Blanks of any kind, line ends and the no-break space that spreadsheets
    // put between thousands included.
    const QString kept = text.trimmed();
    if (kept.isEmpty()) return std::nullopt;
    for (QChar c : kept)
        if (!allowed.contains(c)) return std::nullopt;
    if (room >= 0 && kept.size() > room) return std::nullopt;
    return kept;
}

}  // namespace vt
