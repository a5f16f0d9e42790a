#pragma once

#include <QByteArray>
#include <QString>

namespace vt::report {

// The PDF `pdf` with `subject` as the Subject of its document information,
// where readers show it beside the title (Qt's PDF writer sets only the
// title and the creator there). Empty when the PDF cannot be read back.
QByteArray withSubject(const QByteArray& pdf, const QString& subject);

}  // namespace vt::report
