#pragma once

#include <QString>
#include <functional>

// installTypingLimit lives with the other input rules.
#include "app/conventions.h"

class QLineEdit;
class QWidget;

namespace vt {

// Field behaviours the card editors share.

// Replaces a field's text without moving the caret more than needed.
void replaceKeepingCaret(QLineEdit* field, const QString& text);

// After every key release the field's text becomes rule(text), the caret
// staying where it was as far as the new text allows.
void installAfterKeyRelease(QLineEdit* field, std::function<QString(const QString&)> rule);

// `leave` runs when the focus really leaves the field: not for a context
// menu or another window taking the keyboard for a moment.
void installOnLeave(QLineEdit* field, std::function<void()> leave);

}  // namespace vt
