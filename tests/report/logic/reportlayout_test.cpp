#include "report/logic/reportlayout.h"

#include <gtest/gtest.h>

namespace vt::report {
namespace {

// Every character 1 mm wide, lines `pitch` mm apart unless the memo says.
class FixedPitch : public TextMeasure {
public:
    double pitch = 4;
    QStringList lines(const ReportObject& memo, const QString& text, double width) const override {
        QStringList out;
        for (const QString& paragraph : text.split(u'\n')) {
            if (!memo.wordWrap) {
                out.append(paragraph);
                continue;
            }
            const int n = std::max(1, static_cast<int>(width));
            for (int i = 0; i == 0 || i < paragraph.size(); i += n) out.append(paragraph.mid(i, n));
        }
        return out;
    }
    double lineHeight(const ReportObject& memo) const override {
        return memo.lineSpacing > 0 ? memo.lineSpacing : pitch;
    }
};

ReportObject memo(const QString& name, QRectF rect, const QString& text = {}) {
    ReportObject o;
    o.name = name;
    o.rect = rect;
    o.setText(text);
    o.wordWrap = false;
    o.padding = 0;
    return o;
}

// A4 portrait with 10 mm margins: printable 190 x 277 mm.
ReportLayout listLike(int lines, double pitch = 5) {
    ReportLayout layout;
    layout.addBand("Title", BandKind::Title, 10)
        .objects.push_back(memo("txtTitolo", {0, 1, 190, 5}, "Titolo"));
    auto& data = layout.addBand("MasterData", BandKind::Data, lines * pitch + 3, true);
    ReportObject body = memo("txtRiepilogo", {3, 0, 180, lines * pitch});
    body.lineSpacing = pitch;
    for (int i = 0; i < lines; ++i) body.addLine(QStringLiteral("riga %1").arg(i + 1));
    data.objects.push_back(body);
    ReportObject footer = memo("txtPagina", {3, 2, 180, 5}, "Stampa eseguita in data [DATE]");
    footer.expandsDate = true;
    layout.addBand("Footer", BandKind::Footer, 8).objects.push_back(footer);
    return layout;
}

const PlacedObject* placed(const PreparedPage& page, const QString& name) {
    for (const auto& o : page.objects)
        if (o.object.name == name) return &o;
    return nullptr;
}

QStringList allLines(const PreparedReport& r, const QString& name) {
    QStringList out;
    for (const auto& page : r.pages)
        if (const auto* o = placed(page, name)) out += o->lines;
    return out;
}

const QDate kDay(2026, 12, 9);

TEST(Layout, FindsObjectsAndSetsHeights) {
    ReportLayout layout = listLike(2);
    ASSERT_NE(layout.find("txtPagina"), nullptr);
    EXPECT_EQ(layout.find("nessuno"), nullptr);
    EXPECT_TRUE(layout.setHeight("txtRiepilogo", 12.5));
    EXPECT_DOUBLE_EQ(layout.find("txtRiepilogo")->rect.height(), 12.5);
    EXPECT_TRUE(layout.setHeight("MasterData", 20));
    EXPECT_DOUBLE_EQ(layout.band("MasterData")->height, 20);
    EXPECT_FALSE(layout.setHeight("nessuno", 1));
    EXPECT_NEAR(unitsToMm(12.822), 3.392, 0.001);
}

TEST(Layout, MemoLinesAppendAndClear) {
    ReportObject o;
    o.addLine("a");
    o.addLine("");
    o.addLine("c");
    EXPECT_EQ(o.text, "a\n\nc");
    o.clear();
    o.setText({});
    o.addLine("x");
    EXPECT_EQ(o.text, "x");
}

TEST(Prepare, ReplacesTheDateAndKeepsOtherTextLiteral) {
    EXPECT_EQ(expandVariables("Stampa eseguita in data [DATE]", kDay),
              "Stampa eseguita in data 09/12/2026");
    EXPECT_EQ(expandVariables("[TIME] <b>", kDay), "[TIME] <b>");
    ReportLayout layout = listLike(1);
    layout.find("txtTitolo")->setText("Titolo [DATE]");
    layout.find("txtRiepilogo")->setText("Nota: [DATE] da scrivere");
    const PreparedReport r = prepare(layout, FixedPitch(), kDay);
    ASSERT_EQ(r.pages.size(), 1u);
    EXPECT_EQ(placed(r.pages[0], "txtPagina")->lines,
              QStringList{"Stampa eseguita in data 09/12/2026"});
    // Only the memo that asks for the date gets it.
    EXPECT_EQ(placed(r.pages[0], "txtTitolo")->lines, QStringList{"Titolo [DATE]"});
    EXPECT_EQ(placed(r.pages[0], "txtRiepilogo")->lines, QStringList{"Nota: [DATE] da scrivere"});
}

TEST(Prepare, BandsStackTitleDataFooter) {
    const PreparedReport r = prepare(listLike(3), FixedPitch(), kDay);
    ASSERT_EQ(r.pages.size(), 1u);
    const auto& page = r.pages[0];
    EXPECT_DOUBLE_EQ(placed(page, "txtTitolo")->rect.top(), 1);
    EXPECT_DOUBLE_EQ(placed(page, "txtRiepilogo")->rect.top(), 10);
    EXPECT_DOUBLE_EQ(placed(page, "txtRiepilogo")->firstLineTop, 10);
    // Title 10, data 3 x 5 + 3, footer memo 2 below the footer band's top.
    EXPECT_DOUBLE_EQ(placed(page, "txtPagina")->rect.top(), 10 + 18 + 2);
}

TEST(Prepare, EmptyDataPrintsTitleAndFooterOnly) {
    const PreparedReport r = prepare(listLike(0), FixedPitch(), kDay);
    ASSERT_EQ(r.pages.size(), 1u);
    EXPECT_NE(placed(r.pages[0], "txtTitolo"), nullptr);
    EXPECT_NE(placed(r.pages[0], "txtPagina"), nullptr);
    EXPECT_TRUE(allLines(r, "txtRiepilogo").isEmpty());
}

TEST(Prepare, LongMemoSplitsOverPagesWithoutCuttingLines) {
    const double pitch = 5;
    for (int count : {53, 54, 55, 120, 300}) {
        SCOPED_TRACE(count);
        const PreparedReport r = prepare(listLike(count, pitch), FixedPitch(), kDay);
        QStringList expected;
        for (int i = 0; i < count; ++i) expected.append(QStringLiteral("riga %1").arg(i + 1));
        EXPECT_EQ(allLines(r, "txtRiepilogo"), expected);
        const double height = 277;
        for (const auto& page : r.pages)
            for (const auto& o : page.objects) {
                EXPECT_LE(o.clip.bottom(), height + 1e-6);
                const double bottom =
                    o.firstLineTop + static_cast<double>(o.lines.size()) * o.lineHeight;
                if (!o.lines.isEmpty()) {
                    EXPECT_GE(o.firstLineTop, o.clip.top() - 1e-6);
                    EXPECT_LE(bottom, o.clip.bottom() + 1e-6);
                }
            }
        // First page: 267 mm under the title holds 53 lines; the others 55.
        const int expectedPages = count <= 53 ? 1 : 1 + (count - 53 + 54) / 55;
        EXPECT_GE(static_cast<int>(r.pages.size()), expectedPages);
        EXPECT_NE(placed(r.pages.back(), "txtPagina"), nullptr);
        EXPECT_EQ(placed(r.pages.front(), "txtTitolo") != nullptr, true);
        for (std::size_t p = 1; p < r.pages.size(); ++p)
            EXPECT_EQ(placed(r.pages[p], "txtTitolo"), nullptr);
    }
}

TEST(Prepare, AWrappedMemoGrowsAndSplits) {
    ReportLayout layout;
    auto& data = layout.addBand("MasterData", BandKind::Data, 10, true);
    ReportObject body = memo("txtNote", {0, 0, 100, 10}, QString(100 * 200, u'x'));
    body.wordWrap = true;
    data.objects.push_back(body);
    const PreparedReport r = prepare(layout, FixedPitch(), kDay);
    // 200 lines of 4 mm: 69 a page.
    EXPECT_EQ(r.pages.size(), 3u);
    EXPECT_EQ(allLines(r, "txtNote").size(), 200);
}

TEST(Prepare, LandscapeUsesTheWidePage) {
    PageSetup setup;
    setup.orientation = QPageLayout::Landscape;
    EXPECT_NEAR(setup.printableSize().width(), 277, 0.01);
    EXPECT_NEAR(setup.printableSize().height(), 190, 0.01);
}

TEST(Prepare, ABandThatDoesNotFitMovesToTheNextPage) {
    ReportLayout layout;
    layout.addBand("MasterData", BandKind::Data, 270, false)
        .objects.push_back(memo("a", {0, 0, 10, 5}, "a"));
    layout.addBand("Footer", BandKind::Footer, 20).objects.push_back(memo("f", {0, 0, 10, 5}, "f"));
    const PreparedReport r = prepare(layout, FixedPitch(), kDay);
    ASSERT_EQ(r.pages.size(), 2u);
    EXPECT_DOUBLE_EQ(placed(r.pages[1], "f")->rect.top(), 0);
}

}  // namespace
}  // namespace vt::report
