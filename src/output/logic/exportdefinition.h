#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "app/logic/helppage.h"
#include "archive/recordfile.h"
#include "output/logic/spreadsheet.h"

namespace vt::exporting {

// One column of an export window: its grid header and width, and whether the
// user may change its cells before exporting. `fileHeader`, when not empty,
// is the header written in the file in place of the grid's. `kind` tells how
// the spreadsheet reads the column's cells: every column is text unless it
// is declared a value (amounts, dates, counts), so codes and free texts keep
// their leading zeros and are never read as numbers or formulas.
struct Column {
    QString header;
    int width = 0;
    bool editable = false;
    QString fileHeader = {};
    sheet::CellKind kind = sheet::CellKind::Text;

    const QString& headerInFile() const { return fileHeader.isEmpty() ? header : fileHeader; }
};

// What a window shows in its grid. Without `rowCount` the grid keeps its
// designed empty rows; with it, the grid gets exactly that many rows, of
// which the first rows.size() are filled (a read that stopped half-way
// leaves the others empty).
struct Rows {
    std::optional<qsizetype> rowCount;
    QList<QStringList> rows;
    // The archive could not be read to its end: the grid shows what was read
    // before, but it is not the archive, and the window will not export it.
    std::optional<AccessFailure> failure = {};
    // Said to the user once the grid is filled, when not empty: which
    // records the grid leaves out, and why.
    QString notice = {};
};

// The finish question and the export button's hint differ between the
// archive exports and the lists of unpaid payments.
enum class Kind { Archive, Unpaid };

// Everything particular to one export window.
struct Definition {
    QString caption;
    QString fileName;
    QString sheetName;
    QList<Column> columns;
    HelpPage help;
    Kind kind = Kind::Archive;
};

// Rows a grid shows before anything is filled in.
inline constexpr int kDesignedRows = 10;
// Height of a grid row, in pixels.
inline constexpr int kRowHeight = 21;

QString idleText();
QString exportHint(Kind kind);
QString helpHint();
QString exitHint();
// The question asked before writing, the one asked after, and the notice
// shown when the file cannot be written.
QString startQuestion();
QString finishQuestion(Kind kind);
QString failureNotice();

// The worksheet made of a definition's columns and the grid's rows (the
// row-number column left out).
sheet::Sheet worksheet(const Definition& definition, const QList<QStringList>& gridRows);

}  // namespace vt::exporting
