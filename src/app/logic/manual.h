#pragma once

#include <QList>
#include <QString>

#include "app/logic/helppage.h"

namespace vt::manual {

// The manual's file name, beside the program.
inline const QString kFileName = QStringLiteral("Guida.pdf");

// Writes the manual as a PDF: a title page with the list of contents, then
// every help page with its title and paragraphs, as the help window shows
// them. Needs a running QGuiApplication (fonts). False when the file cannot
// be written; an old manual then stays as it was.
bool write(const QString& path, const QList<HelpPage>& pages);

}  // namespace vt::manual
