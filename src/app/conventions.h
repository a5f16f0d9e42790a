#pragma once

#include <QList>
#include <QString>

class QCoreApplication;
class QLabel;
class QWidget;

namespace vt {

// Dates "dd/mm/yyyy" and "," as decimal separator, whatever the machine's
// regional settings; Qt's own words (buttons, file and print dialogs) in
// Italian.
void applyProcessFormats();
void loadItalianTranslations(QCoreApplication& app);

// Hovering a control with a status tip shows it in `panInfo`; moving over
// the window's background (the window, its panels and frames) empties it.
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
// field takes the comma as well. Pasted or dropped text loses every other
// character before it arrives, so a number, a year or a day read from the
// field is never corrupted. Fields whose content is only checked, never
// read as a number (VAT and card numbers, the check windows), pass
// PasteRule::Unfiltered: there only typed keys are filtered.
enum class PasteRule { Filtered, Unfiltered };
void installDigitFilter(QWidget* field, PasteRule paste = PasteRule::Filtered);
void installAmountFilter(QWidget* field, PasteRule paste = PasteRule::Filtered);
// Any other set of printable characters.
void installCharacterFilter(QWidget* field, const QString& allowed, PasteRule paste = PasteRule::Filtered);

}  // namespace vt
