#pragma once

#include <QString>
#include <optional>

namespace vt {

// What a paste or a drop may bring into a field that takes only the
// characters `allowed` from the keyboard (the digits of a year or of the
// days of notice, the digits and the comma of an amount). Blanks at the ends
// of the text are dropped, as a copied cell or a line of a message often
// carries them; any other character the keyboard could not type refuses the
// whole text, because keeping only the rest would turn it into another
// number ("12.50" would become 1250, "1,5" days would become 15). A text
// longer than the `room` left in the field (negative: no limit) is refused
// too, rather than cut into another number. Nothing left after the blanks
// is nothing to paste: refused as well.
std::optional<QString> acceptedPaste(const QString& text, const QString& allowed,
                                     qsizetype room = -1);

}  // namespace vt
