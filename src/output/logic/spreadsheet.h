#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vt::sheet {

// One column of a worksheet: its bold header and its width in pixels.
struct Column {
    QString header;
    int width = 0;
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
// texts are trimmed; '<', '>' and '&' in any text become character
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
