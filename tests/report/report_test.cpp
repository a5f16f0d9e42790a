#include "report/Report.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>

#include "support/uifakes.h"

namespace vt {
namespace {

using namespace report;

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int pdfPages(const QString& path) {
    return static_cast<int>(QString::fromLatin1(contents(path))
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

ReportLayout longMemoLayout(int lines) {
    ReportLayout layout;
    layout.name = "Prova";
    ReportObject title;
    title.name = "txtTitolo";
    title.rect = QRectF(0, 0, 190, 6);
    title.fill = QColor(0x70, 0x80, 0x90);
    title.setText("Titolo");
    layout.addBand("ReportTitle", BandKind::Title, 8).objects.push_back(title);
    ReportObject body;
    body.name = "txtCorpo";
    body.rect = QRectF(0, 0, 190, 10);
    body.fontFamily = "Courier New";
    body.fontPoints = 8;
    for (int i = 0; i < lines; ++i) body.addLine(QStringLiteral("riga %1").arg(i + 1));
    layout.addBand("MasterData", BandKind::Data, 12, true).objects.push_back(body);
    ReportObject foot;
    foot.name = "txtPagina";
    foot.rect = QRectF(0, 1, 190, 5);
    foot.setText("Stampa eseguita in data [DATE]");
    foot.expandsDate = true;
    layout.addBand("Footer", BandKind::Footer, 7).objects.push_back(foot);
    return layout;
}

class ReportEngine : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
};

TEST_F(ReportEngine, FontsOfTheLayoutsResolveToInstalledFamilies) {
    for (const char* family : {"Arial", "Courier New", "Verdana"}) {
        const QString resolved = reportFontFamily(family);
        EXPECT_TRUE(QFontDatabase::hasFamily(resolved))
            << family << " -> " << resolved.toStdString();
        ReportObject memo;
        memo.fontFamily = family;
        EXPECT_EQ(QFontInfo(reportFont(memo)).family(), resolved);
    }
    ReportObject mono;
    mono.fontFamily = "Courier New";
    mono.fontPoints = 8;
    EXPECT_TRUE(QFontInfo(reportFont(mono)).fixedPitch());
}

TEST_F(ReportEngine, MemoOperationsByName) {
    Report r(longMemoLayout(0));
    EXPECT_TRUE(r.setText("txtTitolo", "Nuovo"));
    EXPECT_TRUE(r.clear("txtCorpo"));
    EXPECT_TRUE(r.addLine("txtCorpo", "uno"));
    EXPECT_TRUE(r.addLine("txtCorpo", "due"));
    EXPECT_FALSE(r.setText("manca", "x"));
    EXPECT_TRUE(r.setHeightUnits("txtCorpo", 96));
    EXPECT_NEAR(r.find("txtCorpo")->rect.height(), 25.4, 1e-9);
    EXPECT_EQ(r.find("txtCorpo")->text, "uno\ndue");
    r.prepare();
    const auto& page = r.prepared().pages.at(0);
    bool footer = false;
    for (const auto& o : page.objects)
        if (o.object.name == "txtPagina")
            footer = o.lines == QStringList{"Stampa eseguita in data 09/12/2026"};
    EXPECT_TRUE(footer);
}

TEST_F(ReportEngine, PdfHasTitleAndPagesAndReplacesAnExistingFile) {
    const QString path = desktop.file("Prova.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("vecchio contenuto");
    }
    Report r(longMemoLayout(300));
    r.prepare();
    EXPECT_GT(r.pageCount(), 3);
    ASSERT_TRUE(r.exportPdf(path, "Scheda informativa", "Scheda informativa"));
    const QByteArray pdf = contents(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdfPages(path), r.pageCount());
    EXPECT_TRUE(pdf.contains("Scheda informativa"));  // in the XMP packet
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(ReportEngine, PdfIntoAFolderThatCannotBeWrittenFails) {
    Report r(longMemoLayout(1));
    EXPECT_FALSE(r.exportPdf(desktop.file("manca/Prova.pdf"), "t", "s"));
}

TEST_F(ReportEngine, PrintDirectOrThroughTheDialog) {
    Report r(longMemoLayout(120));
    r.prepare();
    EXPECT_TRUE(r.print(nullptr, false));
    EXPECT_EQ(desktop.printers().dialogs, 0);
    ASSERT_EQ(desktop.printers().printed.size(), 1);
    EXPECT_EQ(pdfPages(desktop.printers().printed[0]), r.pageCount());

    EXPECT_TRUE(r.print(nullptr, true));
    EXPECT_EQ(desktop.printers().dialogs, 1);
    desktop.printers().dialogAccepts = false;
    EXPECT_FALSE(r.print(nullptr, true));  // cancelled: nothing said
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(ReportEngine, NoPrinterGivesAClearErrorAndReturns) {
    desktop.printers().installed = false;
    Report r(longMemoLayout(3));
    for (bool ask : {false, true}) {
        EXPECT_FALSE(r.print(nullptr, ask));
        ASSERT_FALSE(desktop.messages().shown.empty());
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
        EXPECT_EQ(desktop.messages().last().text, noPrinterMessage());
    }
    EXPECT_TRUE(desktop.printers().printed.isEmpty());
}

TEST_F(ReportEngine, PreviewPaintsTheSamePages) {
    Report r(longMemoLayout(120));
    r.preview(nullptr, "Anteprima");
    ASSERT_EQ(desktop.printers().previews, QStringList{"Anteprima"});
    EXPECT_EQ(pdfPages(desktop.printers().previewFiles[0]), r.pageCount());
}

}  // namespace
}  // namespace vt
