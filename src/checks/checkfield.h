#pragma once

#include <QString>

#include "checks/logic/checkreply.h"

class QLineEdit;
class QWidget;

namespace vt::checks {

// Keeps a field in its trimmed, upper-case form after every change, typed or
// put in by a caller.
void keepTrimmedUpperCase(QLineEdit* field);
// The same for a fiscal code, where only the letters a to z become capitals.
void keepTrimmedFiscalCode(QLineEdit* field);

// Puts a caller's text into a check field. A caller's field may hold more
// than can be typed here: the whole text is kept so that the check sees its
// real length rather than a cut-off beginning.
void putCallerText(QLineEdit* field, const QString& text);

// Shows the reply's message, if any, owned by `window`. Returns whether the
// window closes now; when it stays open the focus goes back to `field`.
bool showReply(QWidget* window, QLineEdit* field, const CheckReply& reply);

}  // namespace vt::checks
