#include "chart/logic/pielabels.h"

#include <gtest/gtest.h>

#include <QLineF>
#include <cmath>
#include <numbers>
#include <string>

namespace vt::chart {
namespace {

// A pie the way the chart draws one: a tilted disc in the middle of the
// plot with room for labels at its sides.
Disc discIn(const QRectF& plot, double rx) {
    Disc d;
    d.thickness = rx * 0.14;
    const QPointF c(plot.center().x(), plot.center().y() - d.thickness / 2);
    d.top = QRectF(c.x() - rx, c.y() - rx / 2, 2 * rx, rx);
    return d;
}

// The labels of a series: one per positive value, at the middle of its
// slice (slices run clockwise from twelve o'clock), as wide as the value's
// digits.
QList<LabelRequest> requestsFor(const QList<double>& values) {
    double total = 0;
    for (double v : values) total += std::max(0.0, v);
    QList<LabelRequest> out;
    double angle = 90;
    for (double v : values) {
        if (v <= 0) continue;
        const double sweep = -360 * v / total;
        const double digits = std::floor(std::log10(v)) + 1;
        out.append({angle + sweep / 2, QSizeF(8 + 7 * digits, 16)});
        angle += sweep;
    }
    return out;
}

// The distance, in radii, from the pie's centre to the nearest point of
// `box`, measured on the ellipse at height `cy`: below 1 the box covers
// the pie there.
double ellipseDistance(const Disc& d, const QRectF& box, double cy) {
    const double a = d.top.width() / 2, b = d.top.height() / 2, cx = d.top.center().x();
    const double u = std::clamp(cx, box.left(), box.right()) - cx;
    const double v = std::clamp(cy, box.top(), box.bottom()) - cy;
    return std::hypot(u / a, v / b);
}

struct Series {
    const char* name;
    QList<double> values;
};

QList<double> elevenSmallAndOneLarge(int large) {
    QList<double> v;
    for (int m = 0; m < 12; ++m) v.append(m == large ? 250000 : 120 + 37 * m);
    return v;
}

const Series kSeries[] = {
    {"eleven small months and a large January", elevenSmallAndOneLarge(0)},
    {"eleven small months and a large June", elevenSmallAndOneLarge(5)},
    {"eleven small months and a large December", elevenSmallAndOneLarge(11)},
    {"all months equal", QList<double>(12, 1500)},
    {"one month only", {0, 0, 0, 0, 0, 0, 0, 0, 4200, 0, 0, 0}},
    {"many zeros and three small months", {0, 0, 1, 0, 0, 2, 0, 0, 0, 0, 3, 0}},
    {"two neighbours beside a huge one", {1, 1, 1e9}},
    {"receipts against expenses", {125000, 98000}},
    {"forty tiny values beside a huge one",
     [] {
         QList<double> v(40, 3);
         v.append(1e7);
         return v;
     }()},
};

struct Area {
    const char* name;
    QRectF plot;
    double rx;
    bool roomy;  // room enough for every label of a year at full size
};

const Area kAreas[] = {
    {"screen", QRectF(14, 54, 772, 426), 296, true},
    {"wide page", QRectF(14, 54, 1100, 426), 296, true},
    {"small window", QRectF(14, 54, 400, 426), 120, true},
    {"narrow", QRectF(14, 54, 160, 426), 40, false},
    {"flat", QRectF(14, 54, 772, 90), 40, false},
    {"sliver", QRectF(14, 54, 60, 426), 10, false},
};

class PieLabelPlacement : public ::testing::TestWithParam<std::tuple<Series, Area>> {};

TEST_P(PieLabelPlacement, EveryLabelStandsWholeApartAndInsideTheArea) {
    const auto& [series, area] = GetParam();
    const Disc disc = discIn(area.plot, area.rx);
    const QList<LabelRequest> requests = requestsFor(series.values);
    const PieLabels placed = placePieLabels(disc, requests, area.plot);
    ASSERT_EQ(placed.labels.size(), requests.size());
    EXPECT_GT(placed.scale, 0);
    EXPECT_LE(placed.scale, 1);
    if (area.roomy && requests.size() <= 12) {
        EXPECT_EQ(placed.scale, 1) << "a year's labels are never made smaller on a roomy plot";
    }
    for (int i = 0; i < requests.size(); ++i) {
        const PlacedLabel& label = placed.labels[i];
        const std::string which = "label " + std::to_string(i);
        // Whole: the label keeps its shape, all labels alike.
        EXPECT_NEAR(label.box.width(), requests[i].size.width() * placed.scale, 1e-9) << which;
        EXPECT_NEAR(label.box.height(), requests[i].size.height() * placed.scale, 1e-9) << which;
        EXPECT_TRUE(area.plot.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(label.box)) << which;
        for (int j = i + 1; j < requests.size(); ++j)
            EXPECT_FALSE(label.box.intersects(placed.labels[j].box)) << which << " and " << j;
        // The leader starts on the slice's outline and ends on the box.
        ASSERT_GE(label.leader.size(), 2);
        EXPECT_LT(QLineF(label.leader.front(), disc.outline(requests[i].angle)).length(), 1e-9);
        const QPointF end = label.leader.back();
        EXPECT_TRUE(std::abs(end.x() - label.box.left()) < 1e-9 ||
                    std::abs(end.x() - label.box.right()) < 1e-9)
            << which;
        EXPECT_NEAR(end.y(), label.box.center().y(), 1e-9) << which;
        if (area.roomy) {
            // Beside the pie, never over it: clear of the top face and of
            // the rim's lower edge.
            const double cy = disc.top.center().y();
            EXPECT_GE(ellipseDistance(disc, label.box, cy), 1) << which;
            EXPECT_GE(ellipseDistance(disc, label.box, cy + disc.thickness), 1) << which;
        }
    }
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Series, Area>>& info) {
    std::string name =
        std::string(std::get<0>(info.param).name) + "_on_" + std::get<1>(info.param).name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Series, PieLabelPlacement,
                         ::testing::Combine(::testing::ValuesIn(kSeries),
                                            ::testing::ValuesIn(kAreas)),
                         caseName);

TEST(PieLabelPlacement, LabelsKeepTheOrderOfTheirSlicesDownEachSide) {
    // Small neighbours near twelve o'clock: the right column runs down in
    // the order the slices run clockwise, so leaders do not cross.
    const QRectF plot(14, 54, 772, 426);
    const Disc disc = discIn(plot, 296);
    const QList<LabelRequest> requests = requestsFor(elevenSmallAndOneLarge(11));
    const PieLabels placed = placePieLabels(disc, requests, plot);
    double previous = -1e9;
    for (int i = 0; i < requests.size(); ++i) {
        if (std::cos(requests[i].angle * std::numbers::pi / 180) < 0) continue;
        EXPECT_GT(placed.labels[i].box.top(), previous) << "label " << i;
        previous = placed.labels[i].box.top();
    }
}

TEST(PieLabelPlacement, NothingToPlaceOrNowhereToPlaceItGivesNoLabels) {
    const Disc disc = discIn(QRectF(0, 0, 400, 300), 100);
    EXPECT_TRUE(placePieLabels(disc, {}, QRectF(0, 0, 400, 300)).labels.isEmpty());
    EXPECT_TRUE(placePieLabels(disc, requestsFor({1, 2}), QRectF()).labels.isEmpty());
}

}  // namespace
}  // namespace vt::chart
