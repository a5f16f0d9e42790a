#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vt::list {

// The letters A to Z turned to small letters; every other character,
// accented capitals included, stays as it is.
QString foldAZ(const QString& text);

// The order of list lines: whole texts compared with A to Z folded, other
// characters by their code.
bool lessAZ(const QString& a, const QString& b);
// Sorts lines into that order once (equal lines keep their relative order).
void sortLines(QStringList& lines);

// One line of a record list: the text shown, and the 1-based position of the
// record it was composed from (0 for a line that stands for no record). The
// position is what lets two equal lines each lead to their own record.
struct ListLine {
    QString text;
    qint64 position = 0;
};
using ListLines = QList<ListLine>;

// The same order for lines with their positions; equal texts keep their
// relative (file) order.
void sortLines(ListLines& lines);
// The texts alone, in order.
QStringList lineTexts(const ListLines& lines);

// Text padded with blanks on the right or cut to exactly `width` characters.
QString fixedWidth(const QString& text, int width);
// The same appended to a line being composed, without a string of its own:
// composing thousands of lines then costs one allocation per line.
void appendFixed(QString& line, QStringView text, qsizetype width);

// How a find compares key and lines: the list windows turn only the letters
// A to Z to small letters; the balance sheet lower-cases every letter
// (accented capitals included).
enum class FindCase { AToZ, AllLetters };

// What a press of "Trova" does to a list of `lines` with `selected` the
// selected line (-1 for none). `lastKey` is the last find key of the list,
// updated by the call.
struct FindOutcome {
    bool emptyList = false;  // show the notice, nothing else
    int select = -1;         // the line to select, or -1 to leave it
};
FindOutcome findNext(const QStringList& lines, int selected, const QString& typedKey,
                     QString& lastKey, FindCase findCase = FindCase::AToZ);

// The notice of a find on an empty list.
QString emptyListNotice();

// Height of one printed list line, in report units (1/96 inch).
inline constexpr double kPrintedLineUnits = 12.822;
// Height of the printed data memo and of its band for `lines` lines.
inline double printedMemoUnits(qsizetype lines) {
    return static_cast<double>(lines) * kPrintedLineUnits;
}
inline double printedBandUnits(qsizetype lines) {
    return printedMemoUnits(lines) + 10;
}

}  // namespace vt::list
