#include "chart/logic/pielabels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vt::chart {

namespace {

constexpr double kGap = 3;     // between two labels of a column, at full size
constexpr double kReach = 12;  // clear space between the pie and its labels
constexpr double kElbow = 8;   // first, radial piece of a leader

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

enum class Side { Left, Right };

// Half the width, at height `y`, of the outline the labels keep clear of:
// the pie's top face and rim grown by kReach all round.
double clearHalfWidth(const Disc& disc, double y) {
    const double cy = disc.top.center().y();
    const double a = disc.top.width() / 2 + kReach;
    const double b = disc.top.height() / 2 + kReach;
    double dy = 0;
    if (y < cy)
        dy = cy - y;
    else if (y > cy + disc.thickness)
        dy = y - (cy + disc.thickness);
    if (dy >= b) return 0;
    return a * std::sqrt(1 - (dy / b) * (dy / b));
}

// The height within [top, bottom] nearest to the pie's middle band, where
// the outline is widest: keeping that height clear keeps the whole box
// clear.
double nearestHeight(const Disc& disc, double top, double bottom) {
    const double cy = disc.top.center().y();
    if (bottom < cy) return bottom;
    if (top > cy + disc.thickness) return top;
    return cy;
}

// The leader from the slice's outline, out along the slice for a short
// piece, then straight to `end` on the label's near side: labels of
// neighbouring slices keep the order of their slices down the column, so
// their leaders fan out side by side.
QPolygonF leader(const Disc& disc, double degrees, QPointF end) {
    const double a = radians(degrees);
    const QPointF start = disc.outline(degrees);
    const QPointF elbow = start + QPointF(std::cos(a), -std::sin(a)) * kElbow;
    return QPolygonF({start, elbow, end});
}

struct Column {
    QList<int> members;
    double height(const QList<LabelRequest>& requests) const {
        double h = 0;
        for (int i : members) h += requests[i].size.height();
        return members.isEmpty() ? 0 : h + kGap * (members.size() - 1);
    }
    double width(const QList<LabelRequest>& requests) const {
        double w = 0;
        for (int i : members) w = std::max(w, requests[i].size.width());
        return w;
    }
};

// While one side holds more than fits in the area's height, its label
// nearest to twelve or six o'clock, whose slice lies almost as near the
// other side, moves over, as long as that side has room.
void balance(Column& from, Column& to, const QList<LabelRequest>& requests, double room) {
    while (from.height(requests) > room && from.members.size() > 1) {
        const auto most =
            std::max_element(from.members.begin(), from.members.end(), [&](int a, int b) {
                return std::abs(std::sin(radians(requests[a].angle))) <
                       std::abs(std::sin(radians(requests[b].angle)));
            });
        const int moving = *most;
        const double after = to.height(requests) + (to.members.isEmpty() ? 0 : kGap) +
                             requests[moving].size.height();
        if (after > room) return;
        from.members.erase(most);
        to.members.append(moving);
    }
}

}  // namespace

QPointF Disc::at(double degrees, double scale, double drop) const {
    const double a = radians(degrees);
    return {top.center().x() + scale * top.width() / 2 * std::cos(a),
            top.center().y() - scale * top.height() / 2 * std::sin(a) + drop};
}

QPointF Disc::outline(double degrees) const {
    return at(degrees, 1, std::sin(radians(degrees)) < 0 ? thickness : 0);
}

PieLabels placePieLabels(const Disc& disc, const QList<LabelRequest>& requests,
                         const QRectF& area) {
    PieLabels out;
    if (requests.isEmpty() || !(area.width() > 0) || !(area.height() > 0)) return out;

    Column right, left;
    for (int i = 0; i < requests.size(); ++i)
        (std::cos(radians(requests[i].angle)) >= -1e-9 ? right : left).members.append(i);
    balance(right, left, requests, area.height());
    balance(left, right, requests, area.height());

    // One scale for every label, so that the columns fit side by side and
    // each fits in the height. A hair of slack keeps rounding from pushing a
    // box past the area's edge.
    const bool both = !right.members.isEmpty() && !left.members.isEmpty();
    const double wide = right.width(requests) + left.width(requests) + (both ? kGap : 0);
    double scale = 1;
    if (wide > area.width()) scale = std::min(scale, area.width() / wide);
    for (const Column* c : {&right, &left}) {
        const double h = c->height(requests);
        if (h > area.height()) scale = std::min(scale, area.height() / h);
    }
    if (scale < 1) scale *= 1 - 1e-9;
    out.scale = scale;
    const double gap = kGap * scale;

    // The line between the columns: under the pie's centre where the labels
    // leave room, moved over where one column is wider than its half.
    const double cx = disc.top.center().x();
    const double leftWidth = left.width(requests) * scale;
    const double rightWidth = right.width(requests) * scale;
    double split = cx;
    if (both)
        split = std::max(area.left() + leftWidth + gap / 2,
                         std::min(cx, area.right() - rightWidth - gap / 2));

    out.labels.resize(requests.size());
    for (Side side : {Side::Right, Side::Left}) {
        const Column& column = side == Side::Right ? right : left;
        // Each label's wish: just beyond the outline, out along its slice.
        QList<std::pair<double, int>> order;  // wished top, label
        for (int i : column.members) {
            const double h = requests[i].size.height() * scale;
            const double a = radians(requests[i].angle);
            const double centre =
                disc.outline(requests[i].angle).y() - std::sin(a) * (kReach + h / 2);
            order.append({centre - h / 2, i});
        }
        std::stable_sort(order.begin(), order.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        // Down the column: no label above the area or over the one above
        // it; then up: none below the area or over the one below it. The
        // column fits, so the second pass never lifts a label past the top.
        QList<double> tops;
        double below = -std::numeric_limits<double>::infinity();
        for (const auto& [wish, i] : order) {
            const double top = std::max({wish, area.top(), below + gap});
            tops.append(top);
            below = top + requests[i].size.height() * scale;
        }
        double above = std::numeric_limits<double>::infinity();
        for (qsizetype k = order.size() - 1; k >= 0; --k) {
            const double h = requests[order[k].second].size.height() * scale;
            // (Rounding alone could leave the top label a hair above the area.)
            tops[k] = std::max(area.top(), std::min({tops[k], area.bottom() - h, above - gap - h}));
            above = tops[k];
        }
        for (qsizetype k = 0; k < order.size(); ++k) {
            const int i = order[k].second;
            const QSizeF size = requests[i].size * scale;
            const double top = tops[k];
            const double clear =
                clearHalfWidth(disc, nearestHeight(disc, top, top + size.height()));
            double x;
            if (side == Side::Right) {
                const double low = both ? split + gap / 2 : area.left();
                x = std::max(low, std::min(cx + clear, area.right() - size.width()));
            } else {
                const double high = both ? split - gap / 2 : area.right();
                x = std::max(area.left(), std::min(cx - clear, high) - size.width());
            }
            PlacedLabel& label = out.labels[i];
            label.box = QRectF(QPointF(x, top), size);
            const QPointF end(side == Side::Right ? label.box.left() : label.box.right(),
                              label.box.center().y());
            label.leader = leader(disc, requests[i].angle, end);
        }
    }
    return out;
}

}  // namespace vt::chart
