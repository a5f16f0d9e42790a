#pragma once

#include <QString>

class QWidget;

namespace vt {

// Opens the help window TfrmGuida, owned by `owner`, with the given title
// and text (paragraphs separated by kTextBreak), and waits until it closes.
void showHelp(QWidget* owner, const QString& title, const QString& text);

}  // namespace vt
