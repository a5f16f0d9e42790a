#include "output/logic/spreadsheet.h"

#include <QFile>

#include "archive/codec.h"

namespace vt::sheet {

namespace {

// A text as it goes into the table: trimmed, on one line, and with the three
// characters that would otherwise be read as markup written as references.
QString cellText(const QString& value) {
    const QString text = trimmed(value);
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
            case u'<': out += QLatin1String("&lt;"); break;
            case u'>': out += QLatin1String("&gt;"); break;
            case u'&': out += QLatin1String("&amp;"); break;
            default:
                if (c.unicode() < 32 || c.unicode() == 127)
                    out += u' ';
                else
                    out += c;
        }
    }
    return out;
}

// The start of a data cell. A text cell also declares the text format "@",
// as LibreOffice reads it (sdnum: Italian locale, format "@") and as Excel
// reads it (mso-number-format), so that nothing in it is taken for a number,
// a date or a formula.
const QLatin1String kValueCell("<td style=\"text-align: left;\">");
const QLatin1String kTextCell("<td style=\"text-align: left; mso-number-format:\\@;\" sdnum=\"1040;0;@\">");

}  // namespace

QString document(const Sheet& sheet) {
    QString out;
    out += QLatin1String(
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\">");
    out += QLatin1String("<head>");
    out += QLatin1String("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
    out += QLatin1String("<!--[if gte mso 9]><xml>");
    out += QLatin1String("<x:ExcelWorkbook>");
    out += QLatin1String("<x:ExcelWorksheets>");
    out += QLatin1String("<x:ExcelWorksheet>");
    out += QLatin1String("<x:Name>") + cellText(sheet.name) + QLatin1String("</x:Name>");
    out += QLatin1String("<x:WorksheetOptions>");
    out += QLatin1String("<x:Selected/>");
    out += QLatin1String("<x:Panes>");
    out += QLatin1String("<x:Pane>");
    out += QLatin1String("<x:Number>1</x:Number>");
    out += QLatin1String("<x:ActiveRow>3</x:ActiveRow>");
    out += QLatin1String("</x:Pane>");
    out += QLatin1String("</x:Panes>");
    out += QLatin1String("<x:ProtectContents>False</x:ProtectContents>");
    out += QLatin1String("<x:ProtectObjects>False</x:ProtectObjects>");
    out += QLatin1String("<x:ProtectScenarios>False</x:ProtectScenarios>");
    out += QLatin1String("</x:WorksheetOptions>");
    out += QLatin1String("</x:ExcelWorksheet>");
    out += QLatin1String("</x:ExcelWorksheets>");
    out += QLatin1String("</x:ExcelWorkbook>");
    out += QLatin1String("</xml><![endif]-->");
    out += QLatin1String("</head>");
    out += QLatin1String("<body>");
    out += QLatin1String("<table x:str>");

    out += QLatin1String("<tr>");
    for (const Column& column : sheet.columns) {
        out += QLatin1String("<td style=\"text-align: left; font-weight: bold;\" width=");
        out += QString::number(column.width);
        out += u'>';
        out += cellText(column.header);
        out += QLatin1String("</td>");
    }
    out += QLatin1String("</tr>");

    const qsizetype columns = sheet.columns.size();
    for (const QStringList& row : sheet.rows) {
        out += QLatin1String("<tr>");
        for (qsizetype c = 0; c < columns; ++c) {
            out += sheet.columns.at(c).kind == CellKind::Text ? kTextCell : kValueCell;
            if (c < row.size()) out += cellText(row.at(c));
            out += QLatin1String("</td>");
        }
        out += QLatin1String("</tr>");
    }

    out += QLatin1String("</table>");
    out += QLatin1String("</body>");
    out += QLatin1String("</html>");
    return out;
}

QByteArray bytes(const Sheet& sheet) { return toCp1252(document(sheet)); }

bool write(const QString& path, const Sheet& sheet, QString* reason) {
    const QByteArray content = bytes(sheet);
    QFile file(path);
    auto fail = [&](const QString& why) {
        if (reason) *reason = why;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(file.errorString());
    if (file.write(content) != content.size()) return fail(file.errorString());
    if (!file.flush()) return fail(file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
    return true;
}

}  // namespace vt::sheet
