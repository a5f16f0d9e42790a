#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "chart/logic/chartpainter.h"

namespace vt::chart {
namespace {

// The colours of the monthly charts: the near-white and the pale ones are
// the ones a careless drawing would lose against the background.
const QList<QRgb> kColours{0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
                           0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};

Model modelOf(const QList<double>& values, Kind kind = Kind::Bars) {
    Model m;
    m.title = QStringLiteral("Statistiche entrate mensili");
    m.foot = QStringLiteral("Tutti gli importi sono arrotondati all'euro");
    m.legendTitle = QStringLiteral("Entrate mensili:");
    m.kind = kind;
    for (int i = 0; i < values.size(); ++i)
        m.add(values[i], QStringLiteral("Mese %1").arg(i + 1), kColours[i % kColours.size()]);
    return m;
}

QRgb at(const QImage& image, QPointF p) {
    return image.pixel(p.toPoint()) | 0xFF000000;
}

// Pixels of exactly `colour` inside `area`.
int count(const QImage& image, const QRectF& area, QRgb colour) {
    int n = 0;
    const QRect r = area.toAlignedRect().intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((image.pixel(x, y) | 0xFF000000) == colour) ++n;
    return n;
}

TEST(BarChart, EachFrontFaceHasItsColourAndHeightsFollowTheValues) {
    const QList<double> values{120, 80, 151, 0, 40, 300, 260, 10, 95, 0, 150, 5};
    const Model model = modelOf(values);
    for (QSize size : {QSize(1200, 800), QSize(640, 420), QSize(3300, 2300)}) {
        const QImage image = render(model, size);
        const QList<QRectF> fronts = barFronts(model, QRectF(QPointF(0, 0), QSizeF(size)));
        ASSERT_EQ(fronts.size(), values.size());
        for (int i = 0; i < values.size(); ++i) {
            if (values[i] == 0) {
                EXPECT_NEAR(fronts[i].height(), 0, 1e-9) << "a zero value is a flat bar";
                continue;
            }
            EXPECT_EQ(at(image, fronts[i].center()), kColours[i])
                << "month " << i + 1 << " at " << size.width();
            for (int j = 0; j < values.size(); ++j) {
                if (values[i] > values[j]) {
                    EXPECT_GT(fronts[i].height(), fronts[j].height());
                }
            }
            // The depth faces are drawn too: above the front, the lit top in
            // another shade of the same colour.
            const QPointF aboveFront(fronts[i].center().x() + 1, fronts[i].top() - 2);
            EXPECT_NE(at(image, aboveFront), 0xFFFFFFFF) << "month " << i + 1;
        }
        // Bars stand side by side on one floor.
        for (int i = 1; i < fronts.size(); ++i) {
            EXPECT_GT(fronts[i].left(), fronts[i - 1].right());
            EXPECT_NEAR(fronts[i].bottom(), fronts[0].bottom(), 1e-6);
        }
    }
}

TEST(BarChart, OneHugeValueNextToTinyOnesAndANegativeOneStillDraw) {
    const Model model = modelOf({1e12, 1, 2, -50});
    const QImage image = render(model, QSize(900, 600));
    const QList<QRectF> fronts = barFronts(model, QRectF(0, 0, 900, 600));
    EXPECT_EQ(at(image, fronts[0].center()), kColours[0]);
    EXPECT_LT(fronts[1].height(), 1.0);
    EXPECT_LE(fronts[1].height(), fronts[2].height());
    // The negative bar hangs below the others' floor line.
    EXPECT_NEAR(fronts[3].top(), fronts[1].bottom(), 1e-6);
    EXPECT_GT(fronts[3].height(), 0);
}

TEST(BarChart, AllZeroOrNoPointsDrawsWithoutFaults) {
    for (const Model& model : {modelOf({0, 0, 0, 0}), modelOf({})}) {
        const QImage image = render(model, QSize(800, 500));
        for (const QRectF& f : barFronts(model, QRectF(0, 0, 800, 500))) {
            EXPECT_TRUE(std::isfinite(f.top()));
            EXPECT_NEAR(f.height(), 0, 1e-9);
        }
        EXPECT_NE(image.pixel(400, 250), 0u);
    }
    // A target of no size draws nothing at all.
    QImage tiny(1, 1, QImage::Format_ARGB32);
    tiny.fill(Qt::white);
    QPainter painter(&tiny);
    paint(painter, QRectF(0, 0, 0, 0), modelOf({1, 2}));
}

TEST(PieChart, SliceColoursAppearInProportionAndZeroesTakeNoSlice) {
    const QList<double> values{100, 200, 300, 0, 400};
    const Model model = modelOf(values, Kind::Pie);
    const QImage image = render(model, QSize(1200, 800));
    const QRectF top = pieTop(model, QRectF(0, 0, 1200, 800));
    std::map<int, int> pixels;
    int all = 0;
    for (int i = 0; i < values.size(); ++i) all += pixels[i] = count(image, top, kColours[i]);
    ASSERT_GT(all, 10000);
    EXPECT_EQ(pixels[3], 0) << "a zero value has no slice";
    for (int i : {0, 1, 2, 4})
        EXPECT_NEAR(double(pixels[i]) / all, values[i] / 1000.0, 0.02) << "slice " << i;
    // The thickness shows under the front of the disc, in a darker shade.
    const QRgb rim = at(image, QPointF(top.center().x(), top.bottom() + 3));
    EXPECT_NE(rim, 0xFFFFFFFF);
    for (QRgb c : kColours) EXPECT_NE(rim, c);
}

TEST(PieChart, OneValueFillsTheDiscAndNoValueLeavesAnEmptyDisc) {
    const Model one = modelOf({0, 42, 0}, Kind::Pie);
    const QImage full = render(one, QSize(900, 600));
    const QRectF top = pieTop(one, QRectF(0, 0, 900, 600));
    EXPECT_EQ(at(full, top.center()), kColours[1]);
    EXPECT_EQ(at(full, top.center() + QPointF(top.width() / 3, 0)), kColours[1]);
    for (const Model& model :
         {modelOf({0, 0}, Kind::Pie), modelOf({-5, 0}, Kind::Pie), modelOf({}, Kind::Pie)}) {
        const QImage image = render(model, QSize(900, 600));
        const QRgb centre = at(image, pieTop(model, QRectF(0, 0, 900, 600)).center());
        EXPECT_NE(centre, 0xFFFFFFFF);
        for (QRgb c : kColours) EXPECT_NE(centre, c);
    }
}

// A year of receipts as the monthly chart shows them.
QList<double> elevenSmallAndOneLarge(int large) {
    QList<double> v;
    for (int m = 0; m < 12; ++m) v.append(m == large ? 1846250 : 95 + 41 * m);
    return v;
}

TEST(PieChart, ValueLabelsNeverCoverOneAnotherAndStayInThePlot) {
    const QList<QList<double>> series{
        elevenSmallAndOneLarge(0),
        elevenSmallAndOneLarge(6),
        elevenSmallAndOneLarge(11),
        QList<double>(12, 2750),
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1200},
        {0, 0, 5, 0, 0, 0, 0, 3, 0, 0, 0, 0},
        {1e12, 1, 2, 3},
    };
    const QList<QSizeF> targets{{1200, 800}, {320, 240}, {14032, 9921}, {320, 900}, {1900, 500}};
    for (const QSizeF& size : targets) {
        const QRectF target(QPointF(0, 0), size);
        // The labels of two points lie apart at full size: crowding must not
        // make a year's labels any smaller on an ordinary window or page.
        const double fullHeight =
            pieLabelBoxes(modelOf({125000, 98000}, Kind::Pie), target)[0].height();
        for (const QList<double>& values : series) {
            const Model model = modelOf(values, Kind::Pie);
            const QList<QRectF> boxes = pieLabelBoxes(model, target);
            const QRectF plot = frames(model, target).plot;
            const auto slices =
                std::count_if(values.begin(), values.end(), [](double v) { return v > 0; });
            ASSERT_EQ(boxes.size(), slices);
            for (int i = 0; i < boxes.size(); ++i) {
                const std::string where = std::to_string(int(size.width())) + "x" +
                                          std::to_string(int(size.height())) + ", label " +
                                          std::to_string(i) + " of " + std::to_string(values[0]);
                EXPECT_TRUE(plot.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(boxes[i])) << where;
                for (int j = i + 1; j < boxes.size(); ++j)
                    EXPECT_FALSE(boxes[i].intersects(boxes[j])) << where << " and " << j;
                if (size.width() >= size.height() * 1.2 && size.height() >= 240) {
                    EXPECT_NEAR(boxes[i].height(), fullHeight, fullHeight * 1e-6) << where;
                }
            }
        }
    }
}

TEST(Legend, ItsTitleStaysInsideItsFrameWithOrWithoutPoints) {
    for (const QList<double>& values :
         {QList<double>{}, QList<double>{1}, elevenSmallAndOneLarge(3)}) {
        for (Kind kind : {Kind::Bars, Kind::Pie}) {
            for (QSizeF size : {QSizeF(1200, 800), QSizeF(320, 240), QSizeF(14032, 9921)}) {
                const Frames f = frames(modelOf(values, kind), QRectF(QPointF(0, 0), size));
                ASSERT_FALSE(f.legendTitle.isEmpty());
                EXPECT_TRUE(f.legend.contains(f.legendTitle))
                    << values.size() << " points at " << size.width();
                EXPECT_GE(f.legend.top(), f.plot.bottom());
                EXPECT_LE(f.legend.bottom(), f.foot.top());
            }
        }
    }
}

TEST(ChartOnPaper, APdfPageGetsTheSamePicture) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    {
        QPdfWriter pdf(file);
        pdf.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&pdf);
        paint(painter, QRectF(0, 0, pdf.width(), pdf.height()), modelOf({1, 2, 3}));
    }
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_GT(written.size(), 1000);
    EXPECT_TRUE(written.read(5) == "%PDF-");
}

}  // namespace
}  // namespace vt::chart
