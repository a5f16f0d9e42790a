#pragma once

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

// Text padded with blanks on the right or cut to exactly `width` characters.
QString fixedWidth(const QString& text, int width);

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
