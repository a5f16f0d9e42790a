#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace vt {

// Field behaviours the card editors share.

// Replaces a field's text without moving the caret more than needed.
void replaceKeepingCaret(QLineEdit* field, const QString& text);

// The keyboard may bring at most `limit` characters into the field, while
// the program may put in more (a record field can hold more than may be
// typed). Pasting is bound the same way.
void installTypingLimit(QLineEdit* field, int limit);

// After every key release the field's text becomes rule(text), the caret
// staying where it was as far as the new text allows.
void installAfterKeyRelease(QLineEdit* field, std::function<QString(const QString&)> rule);

// `leave` runs when the focus really leaves the field: not for a context
// menu or another window taking the keyboard for a moment.
void installOnLeave(QLineEdit* field, std::function<void()> leave);

}  // namespace vt
