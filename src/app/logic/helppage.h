#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vt {

// One page of the program's help: what the help window shows when an area
// opens it, and what the manual Guida.pdf collects.
struct HelpPage {
    QString title;
    QString text;  // paragraphs separated by kHelpBreak
};

// Paragraph break inside help texts (the same as kTextBreak of the windows).
inline const QString kHelpBreak = QStringLiteral("\r\n\r\n");

inline QString helpText(const QStringList& paragraphs) { return paragraphs.join(kHelpBreak); }

}  // namespace vt
