#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vt {

// Archive texts are 8-bit Windows-1252. A character the code page cannot
// hold becomes '?': a save never fails over a character.
QByteArray toCp1252(const QString& text);
QString fromCp1252(QByteArrayView bytes);

// Removes leading and trailing blanks and control characters (code < 32,
// and the C1 range that Windows-1252 leaves unassigned).
QString trimmed(const QString& text);

// The letters a to z turned to capitals, every other character as it is: a
// code of letters and digits keeps its length (a sharp s never becomes "SS").
QString upperAZ(const QString& text);

}  // namespace vt
