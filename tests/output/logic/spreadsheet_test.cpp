#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "output/logic/spreadsheet.h"

namespace vt::sheet {
namespace {

const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Foglio</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets>"
    "</x:ExcelWorkbook></xml><![endif]--></head><body><table x:str>";
const QByteArray kTail = "</table></body></html>";

// Two plain columns: cells as the spreadsheet reads them by default.
Sheet twoColumns(QList<QStringList> rows) {
    return Sheet{QStringLiteral("Foglio"),
                 {{QStringLiteral("Tipo movimento"), 150, CellKind::Value},
                  {QStringLiteral("Causale"), 300, CellKind::Value}},
                 std::move(rows)};
}

// The part of the file between the table's start tag and its end tag.
QByteArray tableBody(const Sheet& sheet) {
    const QByteArray all = bytes(sheet);
    EXPECT_TRUE(all.startsWith(kHead.left(kHead.indexOf("<x:Name>"))));
    const qsizetype from = all.indexOf("<table x:str>") + 13;
    return all.mid(from, all.size() - from - kTail.size());
}

TEST(Spreadsheet, IsOneLineOfThePiecesInOrder) {
    const QByteArray file = bytes(twoColumns({{QStringLiteral("Entrata"), QStringLiteral("Affitto")}}));
    const QByteArray expected =
        kHead +
        "<tr><td style=\"text-align: left; font-weight: bold;\" width=150>Tipo movimento</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=300>Causale</td></tr>"
        "<tr><td style=\"text-align: left;\">Entrata</td><td style=\"text-align: left;\">Affitto</td></tr>" +
        kTail;
    EXPECT_EQ(file, expected);
    EXPECT_FALSE(file.contains('\n'));
    EXPECT_FALSE(file.contains('\r'));
    EXPECT_TRUE(file.endsWith("</html>"));
}

TEST(Spreadsheet, WithoutRowsHasOnlyTheHeaderRow) {
    EXPECT_EQ(tableBody(twoColumns({})),
              "<tr><td style=\"text-align: left; font-weight: bold;\" width=150>Tipo movimento</td>"
              "<td style=\"text-align: left; font-weight: bold;\" width=300>Causale</td></tr>");
}

TEST(Spreadsheet, CellsAreTrimmedAndKeptOnOneLine) {
    const QByteArray body = tableBody(twoColumns({{QStringLiteral("  Entrata \t"), QStringLiteral("riga uno\r\nriga due\n")}}));
    EXPECT_TRUE(body.contains("<td style=\"text-align: left;\">Entrata</td>"));
    EXPECT_TRUE(body.contains("<td style=\"text-align: left;\">riga uno  riga due</td>"));
    EXPECT_FALSE(body.contains('\n'));
    EXPECT_FALSE(body.contains('\r'));
    EXPECT_FALSE(body.contains('\t'));
}

TEST(Spreadsheet, EveryRowHasOneCellPerColumn) {
    const QByteArray body = tableBody(twoColumns({{QStringLiteral("solo")}, {"a", "b", "in più"}, {}}));
    const QByteArray empty = "<td style=\"text-align: left;\"></td>";
    EXPECT_TRUE(body.contains("<tr><td style=\"text-align: left;\">solo</td>" + empty + "</tr>"));
    EXPECT_TRUE(body.contains("<tr><td style=\"text-align: left;\">a</td><td style=\"text-align: left;\">b</td></tr>"));
    EXPECT_TRUE(body.contains("<tr>" + empty + empty + "</tr>"));
    EXPECT_FALSE(body.contains("in p"));
    EXPECT_EQ(body.count("<tr>"), 4);
}

TEST(Spreadsheet, MarkupCharactersBecomeReferencesEverywhere) {
    Sheet sheet{QStringLiteral("A & B <1>"),
                {{QStringLiteral("Importo > 0 & <100"), 80}},
                {{QStringLiteral("Spese < 100 \u20AC & \"altro\" > 5")}}};
    const QByteArray file = bytes(sheet);
    EXPECT_TRUE(file.contains("<x:Name>A &amp; B &lt;1&gt;</x:Name>"));
    EXPECT_TRUE(file.contains("width=80>Importo &gt; 0 &amp; &lt;100</td>"));
    EXPECT_TRUE(file.contains(QByteArray("sdnum=\"1040;0;@\">Spese &lt; 100 \x80 &amp; \"altro\" &gt; 5</td>")));
}

struct Encoded {
    const char* name;
    const char16_t* text;
    QByteArray bytes;
};

class SpreadsheetEncoding : public ::testing::TestWithParam<Encoded> {};

TEST_P(SpreadsheetEncoding, OneByteForEachCharacter) {
    const auto& param = GetParam();
    const QByteArray body = tableBody(Sheet{QStringLiteral("Foglio"), {{QStringLiteral("C"), 10}},
                                            {{QString::fromUtf16(param.text)}}});
    EXPECT_TRUE(body.contains(">" + param.bytes + "</td></tr>")) << body.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cp1252, SpreadsheetEncoding,
    ::testing::Values(Encoded{"Accents", u"\u00E0\u00E8\u00EC\u00F2\u00F9\u20AC", QByteArray("\xE0\xE8\xEC\xF2\xF9\x80")},
                      Encoded{"Quotes", u"Modalit\u00E0 pag. \u00C8 \u201Cok\u201D", QByteArray("Modalit\xE0 pag. \xC8 \x93ok\x94")},
                      // Outside the code page: one '?' per character, never a failure.
                      Encoded{"OutsideTheCodePage", u"\u65E5\u672C \u20AC", QByteArray("?? \x80")},
                      Encoded{"BeyondTheBasicPlane", u"x\U0001F600y", QByteArray("x?y")}),
    [](const auto& p) { return std::string(p.param.name); });

class SpreadsheetFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(SpreadsheetFile, ReplacesAnExistingFileWhole) {
    const QString file = path(QStringLiteral("Movimenti.xls"));
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    const Sheet sheet = twoColumns({{QStringLiteral("Uscita"), QStringLiteral("Caff\u00E8")}});
    QString reason;
    ASSERT_TRUE(write(file, sheet, &reason)) << reason.toStdString();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes(sheet));
}

TEST_F(SpreadsheetFile, FailsWhereNoFileCanBeWritten) {
    // A folder of that name, and a "folder" that is a regular file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Movimenti.xls")));
    QFile plain(path(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& target : {path(QStringLiteral("Movimenti.xls")), path(QStringLiteral("plain/Movimenti.xls"))}) {
        QString reason;
        EXPECT_FALSE(write(target, twoColumns({}), &reason)) << target.toStdString();
        EXPECT_FALSE(reason.isEmpty());
    }
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Movimenti.xls"))).isDir());
}

TEST_F(SpreadsheetFile, ReportsAFullDevice) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(write(QStringLiteral("/dev/full"), twoColumns({{"a", "b"}})));
}

TEST(Spreadsheet, TextColumnsDeclareTheTextFormatForBothSpreadsheetPrograms) {
    Sheet sheet{QStringLiteral("Foglio"),
                {{QStringLiteral("Partita IVA"), 180}, {QStringLiteral("Importo"), 150, CellKind::Value}},
                {{QStringLiteral("00743110157"), QStringLiteral("-45,00")}, {QStringLiteral("=1+1"), {}}}};
    EXPECT_EQ(sheet.columns[0].kind, CellKind::Text);  // text unless declared a value
    const QByteArray text = "<td style=\"text-align: left; mso-number-format:\\@;\" sdnum=\"1040;0;@\">";
    const QByteArray plain = "<td style=\"text-align: left;\">";
    const QByteArray body = tableBody(sheet);
    EXPECT_TRUE(body.contains("<tr>" + text + "00743110157</td>" + plain + "-45,00</td></tr>"));
    EXPECT_TRUE(body.contains("<tr>" + text + "=1+1</td>" + plain + "</td></tr>"));
    // Header cells stay as they are.
    EXPECT_TRUE(body.startsWith("<tr><td style=\"text-align: left; font-weight: bold;\" width=180>Partita IVA</td>"));
}

}  // namespace
}  // namespace vt::sheet
