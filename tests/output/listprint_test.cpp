#include "output/ListPrint.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QListWidget>
#include <QTest>

#include "output/ListWidgets.h"
#include "support/uifakes.h"

namespace vt {
namespace {

using namespace report;

QStringList linesOf(const PreparedReport& r, const QString& name,
                    std::vector<int>* perPage = nullptr) {
    QStringList out;
    for (const auto& page : r.pages) {
        int n = 0;
        for (const auto& o : page.objects)
            if (o.object.name == name) {
                out += o.lines;
                n += static_cast<int>(o.lines.size());
            }
        if (perPage) perPage->push_back(n);
    }
    return out;
}

bool on(const PreparedPage& page, const QString& name) {
    for (const auto& o : page.objects)
        if (o.object.name == name) return true;
    return false;
}

TEST(ListReport, LayoutOfThePrintedList) {
    const ReportLayout layout = listReportLayout();
    EXPECT_EQ(layout.page.orientation, QPageLayout::Landscape);
    EXPECT_EQ(layout.page.paper, QPageSize::A4);
    EXPECT_EQ(layout.page.marginLeft, 10);
    const ReportObject* title = layout.find("txtTitolo");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->rect, QRectF(2, 1, 273, 5));
    EXPECT_EQ(title->fontFamily, "Verdana");
    EXPECT_TRUE(title->bold);
    EXPECT_EQ(title->text, "Riepilogo");
    const ReportObject* body = layout.find("txtRiepilogo");
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->fontFamily, "Courier New");
    EXPECT_EQ(body->fontPoints, 8);
    EXPECT_FALSE(body->wordWrap);
    EXPECT_EQ(layout.find("txtPagina")->text, "Stampa eseguita in data [DATE]");
    EXPECT_TRUE(layout.find("txtPagina")->expandsDate);
    EXPECT_FALSE(layout.find("txtRiepilogo")->expandsDate);
    EXPECT_FALSE(layout.find("txtTitolo")->expandsDate);
    EXPECT_EQ(layout.find("txtPagina")->rect, QRectF(3, 2, 272, 5));
}

TEST(ListReport, HundredLinesMakeA12822UnitMemoSplitOverPages) {
    test::FakeDesktop desktop;
    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines.append(QStringLiteral("Voce %1").arg(i + 1, 3, 10, QChar(u'0')));
    Report report(listReportLayout());
    fillListReport(report, "Riepilogo movimenti in archivio", lines);
    EXPECT_NEAR(mmToUnits(report.find("txtRiepilogo")->rect.height()), 1282.2, 1e-9);
    EXPECT_NEAR(mmToUnits(report.band("MasterData")->height), 1292.2, 1e-9);
    const PreparedReport& r = report.prepare();
    std::vector<int> perPage;
    EXPECT_EQ(linesOf(r, "txtRiepilogo", &perPage), lines);  // every line, once, in order
    // 190 mm of page at 3.39 mm a line.
    ASSERT_EQ(r.pages.size(), 2u);
    EXPECT_EQ(perPage[0], 53);
    EXPECT_EQ(perPage[1], 47);
    EXPECT_TRUE(on(r.pages[0], "txtTitolo"));
    EXPECT_FALSE(on(r.pages[1], "txtTitolo"));
    EXPECT_TRUE(on(r.pages[1], "txtPagina"));
    EXPECT_EQ(linesOf(r, "txtTitolo"), QStringList{"Riepilogo movimenti in archivio"});
    EXPECT_EQ(linesOf(r, "txtPagina"), QStringList{"Stampa eseguita in data 09/12/2026"});
}

TEST(ListReport, OnlyTheFooterGetsThePrintDate) {
    test::FakeDesktop desktop;
    Report report(listReportLayout());
    fillListReport(report, "Riepilogo [DATE]", {"Rinnovo [DATE]  Scad. 01/03/2024"});
    const PreparedReport& r = report.prepare();
    EXPECT_EQ(linesOf(r, "txtRiepilogo"), QStringList{"Rinnovo [DATE]  Scad. 01/03/2024"});
    EXPECT_EQ(linesOf(r, "txtTitolo"), QStringList{"Riepilogo [DATE]"});
    EXPECT_EQ(linesOf(r, "txtPagina"), QStringList{"Stampa eseguita in data 09/12/2026"});
}

TEST(ListReport, EmptyListPrintsTitleAndFooterOnOnePage) {
    test::FakeDesktop desktop;
    Report report(listReportLayout());
    fillListReport(report, "Riepilogo causali movimenti", {});
    const PreparedReport& r = report.prepare();
    ASSERT_EQ(r.pages.size(), 1u);
    EXPECT_TRUE(linesOf(r, "txtRiepilogo").isEmpty());
    EXPECT_TRUE(on(r.pages[0], "txtTitolo"));
    EXPECT_TRUE(on(r.pages[0], "txtPagina"));
    EXPECT_TRUE(printList(nullptr, "Riepilogo causali movimenti", {}));
    EXPECT_EQ(desktop.printers().printed.size(), 1);
}

TEST(ListReport, PrintGoesDirectOrThroughTheDialog) {
    test::FakeDesktop desktop;
    EXPECT_TRUE(printList(nullptr, "t", {"a"}));
    EXPECT_EQ(desktop.printers().dialogs, 0);
    EXPECT_TRUE(printList(nullptr, "t", {"a"}, true));
    EXPECT_EQ(desktop.printers().dialogs, 1);
    desktop.printers().installed = false;
    EXPECT_FALSE(printList(nullptr, "t", {"a"}));
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().text, noPrinterMessage());
}

TEST(ListWidget, FillsSortedWithTheListLook) {
    QListWidget list;
    setUpRecordList(&list);
    fillRecordList(&list, {"bolletta", "Affitto", "canone", "BOLLETTA 2"});
    EXPECT_EQ(recordListLines(&list), (QStringList{"Affitto", "bolletta", "BOLLETTA 2", "canone"}));
    EXPECT_FALSE(list.isSortingEnabled());
    EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list.item(0)->sizeHint().width(), 1600);
    fillRecordList(&list, {QString(250, u'x')});
    EXPECT_GT(list.item(0)->sizeHint().width(),
              QFontMetrics(list.font()).horizontalAdvance(QString(250, u'x')));
    EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());
    EXPECT_EQ(list.font().pointSize(), 12);
    fillRecordList(&list, {"x"});
    EXPECT_EQ(recordListLines(&list), QStringList{"x"});
}

TEST(ListWidget, LinesKeepTheirRecordPositionsAndDoubleClicksReportTheSelection) {
    QListWidget list;
    setUpRecordList(&list);
    list.resize(600, 300);
    list.show();
    fillRecordList(&list, list::ListLines{{"Luce", 7}, {"Affitto", 2}, {"affitto", 9}});
    EXPECT_EQ(recordListLines(&list), (QStringList{"Affitto", "affitto", "Luce"}));
    EXPECT_FALSE(selectedListLine(&list));
    std::vector<std::optional<list::ListLine>> seen;
    onRecordListDoubleClick(
        &list, [&](const std::optional<list::ListLine>& line) { seen.push_back(line); });
    list.doItemsLayout();

    const QRect second = list.visualItemRect(list.item(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second.center());
    list.clearSelection();
    const QPoint below(20, list.visualItemRect(list.item(2)).bottom() + 30);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, below);

    ASSERT_EQ(seen.size(), 2u);
    ASSERT_TRUE(seen[0]);
    EXPECT_EQ(seen[0]->text, "affitto");
    EXPECT_EQ(seen[0]->position, 9);
    EXPECT_FALSE(seen[1]);  // nothing selected
    // Lines that stand for no record have no position.
    fillRecordList(&list, QStringList{"x"});
    list.setCurrentRow(0);
    ASSERT_TRUE(selectedListLine(&list));
    EXPECT_EQ(selectedListLine(&list)->position, 0);
}

}  // namespace
}  // namespace vt
