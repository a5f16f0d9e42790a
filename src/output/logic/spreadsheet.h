#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vt::sheet {

// How the spreadsheet program is to read a column's cells.
enum class CellKind {
    // Kept exactly as written: leading zeros ("00743110157", "007"), texts
    // that look like formulas ("=1+1") or numbers ("1E5") stay text. Right
    // for every code and free text: VAT numbers, fiscal codes, phone
    // numbers, postal codes, IBANs, card numbers, names, notes, causali.
    Text,
    // Read as a value, so that amounts, dates and counts can be summed and
    // sorted as numbers and dates.
    Value,
};

// One column of a worksheet: its bold header, its width in pixels and how
// its data cells are read.
struct Column {
    QString header;
    int width = 0;
    CellKind kind = CellKind::Text;
};

// A worksheet as the spreadsheet writer receives it: the rows hold the cell
// texts in column order (a short row is completed with empty cells, a long
// one is cut to the columns).
struct Sheet {
    QString name;
    QList<Column> columns;
    QList<QStringList> rows;
};

// The file's text: an HTML table with the office workbook declarations that
// spreadsheet programs read as one worksheet. It holds no line breaks; cell
// texts are trimmed; a data cell of a Text column carries the text format in
// the forms both LibreOffice (sdnum) and Excel (mso-number-format) honour; '<', '>' and '&' in any text become character
// references, and a line break or other control character inside a text
// becomes a blank.
QString document(const Sheet& sheet);

// The file's bytes: the document in Windows-1252, one byte per character; a
// character that the code page cannot hold becomes '?'.
QByteArray bytes(const Sheet& sheet);

// Writes the file, replacing one of the same name. False, with the reason in
// `reason` when given, when the file cannot be created or written whole (a
// part already written stays on disk).
bool write(const QString& path, const Sheet& sheet, QString* reason = nullptr);

}  // namespace vt::sheet
