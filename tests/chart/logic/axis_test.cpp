#include <gtest/gtest.h>

#include <limits>

#include "chart/logic/chartmodel.h"

namespace vt::chart {
namespace {

struct AxisCase {
    std::vector<double> values;
    double low, high, step;
};

class ValueAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(ValueAxis, UsesRoundStepsThatHoldEveryValue) {
    QList<Point> points;
    for (double v : GetParam().values) points.append({v, QStringLiteral("x"), 0xFF000000});
    const Axis axis = valueAxis(points);
    EXPECT_DOUBLE_EQ(axis.low, GetParam().low);
    EXPECT_DOUBLE_EQ(axis.high, GetParam().high);
    EXPECT_DOUBLE_EQ(axis.step, GetParam().step);
    EXPECT_GE(axis.ticks(), 1);
    EXPECT_LE(axis.ticks(), 11);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueAxis,
    ::testing::Values(
        AxisCase{{}, 0, 5, 1},                   // nothing to show
        AxisCase{{0, 0, 0}, 0, 5, 1},            // all zero: no division by zero
        AxisCase{{151, 150, 0}, 0, 200, 50},     // months of a year
        AxisCase{{7}, 0, 8, 2},                  //
        AxisCase{{3}, 0, 3, 1},                  // whole values never get fractional steps
        AxisCase{{1e12, 1, 2}, 0, 1e12, 2e11},   // one huge value next to tiny ones
        AxisCase{{-30, 100}, -50, 100, 50},      // a negative value extends the axis down
        AxisCase{{0.3}, 0, 0.3, 0.1},            // fractional values
        AxisCase{{kNaN, kInf, 12}, 0, 15, 5}));  // values that cannot be drawn count as zero

TEST(ValueText, IsThePlainNumberText) {
    EXPECT_EQ(valueText(151), QStringLiteral("151"));
    EXPECT_EQ(valueText(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(valueText(1e12), QStringLiteral("1000000000000"));
    EXPECT_EQ(valueText(kNaN), QStringLiteral("0"));
}

}  // namespace
}  // namespace vt::chart
