#pragma once

#include <QList>
#include <QString>

class QCoreApplication;
class QLabel;
class QLineEdit;
class QWidget;

namespace vt {

// Dates "dd/mm/yyyy" and "," as decimal separator, whatever the machine's
// regional settings; Qt's own words (buttons, file and print dialogs) in
// Italian.
void applyProcessFormats();
void loadItalianTranslations(QCoreApplication& app);

// Hovering a control with a status tip shows it in `panInfo`; moving over
// the window's background (the window, its panels and frames, and the status
// text itself) empties it.
// The designed text stays until the first mouse movement. Call once the
// window's children exist; a widget whose "hintBackground" property is true
// counts as background too.
void installHoverHints(QWidget* window, QLabel* panInfo);

// Shows each text field's highlight rectangle while the field has the focus:
// txtName pairs with effName. Fields without a rectangle are left alone.
void installFocusHighlights(QWidget* window);

// Enter in chain[i] moves the focus to chain[i + 1]; the last wraps to the
// first unless `wrap` is false (then Enter in the last does nothing).
void installEnterChain(const QList<QWidget*>& chain, bool wrap = true);
// Enter in `field` moves the focus to `target` (without pressing it).
void installEnterMovesTo(QWidget* field, QWidget* target);

// A field of digits takes 0-9 and the editing and arrow keys; an amount
// field takes the comma as well. A pasted or dropped text arrives only whole:
// without the blanks at its ends, and only when every other character is
// one the keys could type and it fits the field; otherwise the field keeps
// its text (a beep says so), since dropping the other characters would turn
// it into another number ("12.50" into 1250). Fields whose content is only
// checked, never read as a number (VAT and card numbers, the check windows),
// pass PasteRule::Unfiltered: there only typed keys are filtered.
enum class PasteRule { Filtered, Unfiltered };
void installDigitFilter(QWidget* field, PasteRule paste = PasteRule::Filtered);
void installAmountFilter(QWidget* field, PasteRule paste = PasteRule::Filtered);
// Any other set of printable characters.
void installCharacterFilter(QWidget* field, const QString& allowed,
                            PasteRule paste = PasteRule::Filtered);

// The keyboard, a paste or a drop may bring at most `limit` characters into
// the field, while the program may put in more: a normalised amount, a value
// picked from a list, a record field that holds more than may be typed. A
// paste into an unfiltered field is cut to what fits; into a filtered one it
// must fit whole.
void installTypingLimit(QLineEdit* field, int limit);
// The number of characters the user may bring into the field.
int typingLimit(const QLineEdit* field);
// Turns the designed maximum length of every text field of `window` into
// such a typing limit.
void installTypingLimits(QWidget* window);

}  // namespace vt
