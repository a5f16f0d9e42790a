#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "chart/ChartView.h"

namespace vt {
namespace {

const QStringList kMonths{"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                          "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
const QList<QRgb> kColours{0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
                           0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};

// Runs a tool of the PDF reader's package; empty when it is missing or fails.
QString run(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintedChart : public ::testing::TestWithParam<chart::Kind> {
protected:
    void SetUp() override {
        for (const char* tool : {"pdftotext", "pdfimages", "pdftops"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
    }
};

// A year with one huge month among small ones, printed the way the chart
// windows print: a high-resolution landscape page. The printer must get
// lines, shapes and text it can set in its own fonts, not one page-sized
// picture (partly transparent paint makes the way to a printer turn the
// whole page into one).
TEST_P(PrintedChart, ReachesThePrinterAsTextAndShapes) {
    ChartView view;
    view.setTexts(QStringLiteral("Statistiche entrate mensili"),
                  QStringLiteral("Tutti gli importi sono arrotondati all'euro"),
                  QStringLiteral("Entrate mensili:"));
    QList<chart::Point> points;
    QStringList values;
    for (int m = 0; m < 12; ++m) {
        const double value = m == 4 ? 1846250 : 95 + 41 * m;
        points.append({value, kMonths[m], kColours[m]});
        values.append(QString::number(value, 'f', 0));
    }
    view.setPoints(points);
    view.setKind(GetParam());

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("grafico.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(view.print(printer));

    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")));
    for (const QString& expected :
         QStringList{"Statistiche", "entrate", "mensili", "Entrate", "mensili:", "arrotondati"} +
             kMonths + values)
        EXPECT_TRUE(words.contains(expected)) << expected.toStdString() << " in\n"
                                              << text.toStdString();

    const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << "only the list's two heading lines, no picture:\n"
                                << images.join(u'\n').toStdString();

    // On the way to a PostScript printer a page with transparency is
    // turned into one picture of the page.
    const QString ps = dir.filePath(QStringLiteral("grafico.ps"));
    run(QStringLiteral("pdftops"), {pdf, ps});
    QFile postscript(ps);
    ASSERT_TRUE(postscript.open(QIODevice::ReadOnly));
    EXPECT_FALSE(postscript.readAll().contains("/ImageType"));

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString raw = QString::fromLatin1(file.readAll());
    auto alpha = QRegularExpression(QStringLiteral("/(?:CA|ca) ([0-9.]+)")).globalMatch(raw);
    while (alpha.hasNext()) EXPECT_EQ(alpha.next().captured(1).toDouble(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PrintedChart,
                         ::testing::Values(chart::Kind::Bars, chart::Kind::Pie),
                         [](const auto& kind) {
                             return std::string(kind.param == chart::Kind::Pie ? "Pie" : "Bars");
                         });

}  // namespace
}  // namespace vt
