#include "chart/logic/chartmodel.h"

#include <algorithm>
#include <cmath>

#include "archive/texts.h"

namespace vt::chart {

double drawable(double value) {
    return std::isfinite(value) ? value : 0.0;
}

QString valueText(double value) {
    return plainNumberText(drawable(value));
}

int Axis::ticks() const {
    return static_cast<int>(std::lround((high - low) / step));
}

namespace {

// The round step nearest above a fifth of the range.
// Whole values keep whole steps: 2.5 is offered only where it stays whole.
double roundStep(double range, bool whole) {
    const double rough = range / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double scaled = rough / magnitude;
    double nice = 10;
    for (double candidate : {1.0, 2.0, 2.5, 5.0}) {
        const double step = candidate * magnitude;
        if (whole && step != std::floor(step)) continue;
        if (scaled <= candidate * (1 + 1e-9)) {
            nice = candidate;
            break;
        }
    }
    return nice * magnitude;
}

}  // namespace

Axis valueAxis(const QList<Point>& points) {
    double low = 0;
    double high = 0;
    bool whole = true;
    for (const Point& p : points) {
        const double v = drawable(p.value);
        low = std::min(low, v);
        high = std::max(high, v);
        whole = whole && v == std::floor(v);
    }
    // An empty or all-zero series still gets a readable scale.
    if (high == low) high = low + (whole ? 5.0 : 1.0);
    double step = roundStep(high - low, whole);
    if (whole) step = std::max(step, 1.0);
    Axis axis;
    axis.step = step;
    axis.low = std::floor(low / step) * step;
    axis.high = std::ceil(high / step) * step;
    if (axis.high <= axis.low) axis.high = axis.low + step;
    return axis;
}

}  // namespace vt::chart
