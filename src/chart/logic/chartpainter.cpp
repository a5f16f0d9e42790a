#include "chart/logic/chartpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vt::chart {

namespace {

// Everything is laid out on a page 600 units high and as wide as the
// target's shape allows, then scaled to the target: texts and depths keep
// their proportions on a small window and on a printed page alike.
constexpr double kLogicalHeight = 600;
constexpr double kPad = 14;
constexpr double kPieTilt = 0.5;        // vertical radius / horizontal radius
constexpr double kPieThickness = 0.14;  // thickness / horizontal radius

const QColor kInk(0x20, 0x26, 0x33);
const QColor kEdge(0, 0, 0, 110);
const QColor kBackWall(0xF3, 0xF5, 0xF9);
const QColor kSideWall(0xE4, 0xE8, 0xEF);
const QColor kFloor(0xD6, 0xDC, 0xE5);
const QColor kGrid(0xB8, 0xC0, 0xCC);
const QColor kEmptyPie(0xE2, 0xE5, 0xEA);

QFont font(double pixels, bool bold = false, bool italic = false) {
    QFont f;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont titleFont() {
    return font(22, true);
}
QFont legendTitleFont() {
    return font(13, true);
}
QFont textFont() {
    return font(12);
}
QFont footFont() {
    return font(12, false, true);
}

double textWidth(const QFont& f, const QString& text) {
    return QFontMetricsF(f).horizontalAdvance(text);
}

// The page: logical rectangle and the transform onto the target.
struct Page {
    QRectF area;
    QTransform toTarget;
};

Page pageFor(const QRectF& target) {
    const double scale = target.height() / kLogicalHeight;
    Page page;
    page.area = QRectF(0, 0, target.width() / scale, kLogicalHeight);
    page.toTarget = QTransform::fromTranslate(target.left(), target.top()).scale(scale, scale);
    return page;
}

// Legend entries flow in rows under the legend's title.
struct LegendRow {
    QList<int> points;
    double width = 0;
};
constexpr double kSwatch = 12;
constexpr double kRowHeight = 20;
constexpr double kEntryGap = 18;

double entryWidth(const Point& p) {
    return kSwatch + 6 + textWidth(textFont(), p.label);
}

QList<LegendRow> legendRows(const Model& model, double width) {
    QList<LegendRow> rows;
    for (int i = 0; i < model.points().size(); ++i) {
        const double w = entryWidth(model.points()[i]);
        if (rows.isEmpty() ||
            (rows.back().width + kEntryGap + w > width && !rows.back().points.isEmpty()))
            rows.append(LegendRow{});
        LegendRow& row = rows.back();
        row.width += (row.points.isEmpty() ? 0 : kEntryGap) + w;
        row.points.append(i);
    }
    return rows;
}

struct Layout {
    QRectF title;
    QRectF plot;
    QRectF legend;
    QRectF foot;
    QList<LegendRow> rows;
};

Layout layoutFor(const Model& model, const QRectF& area) {
    Layout l;
    const QRectF inner = area.adjusted(kPad, kPad, -kPad, -kPad);
    l.title = QRectF(inner.left(), inner.top(), inner.width(), model.title.isEmpty() ? 0 : 32);
    const double footHeight = model.foot.isEmpty() ? 0 : 20;
    l.foot = QRectF(inner.left(), inner.bottom() - footHeight, inner.width(), footHeight);
    l.rows = legendRows(model, inner.width() - 24);
    const double legendHeight = (model.legendTitle.isEmpty() ? 0 : kRowHeight) +
                                kRowHeight * l.rows.size() + (l.rows.isEmpty() ? 0 : 12);
    l.legend = QRectF(inner.left(), l.foot.top() - 6 - legendHeight, inner.width(), legendHeight);
    l.plot = QRectF(QPointF(inner.left(), l.title.bottom() + 8),
                    QPointF(inner.right(), l.legend.top() - 8));
    return l;
}

// ---- Bars -----------------------------------------------------------------

struct BarGeometry {
    Axis axis;
    double x0 = 0, x1 = 0, top = 0, bottom = 0, depth = 0;
    double slot = 0, width = 0, barDepth = 0, inset = 0;
    bool stagger = false;
    double y(double v) const {
        return bottom - (v - axis.low) / (axis.high - axis.low) * (bottom - top);
    }
    double base() const { return y(std::clamp(0.0, axis.low, axis.high)); }
    QRectF front(int i, double value) const {
        const double left = x0 + i * slot + (slot - width) / 2 + inset;
        const double yv = y(drawable(value)) - inset;
        const double yb = base() - inset;
        return QRectF(QPointF(left, std::min(yv, yb)), QPointF(left + width, std::max(yv, yb)));
    }
};

BarGeometry barGeometry(const Model& model, const QRectF& plot) {
    BarGeometry g;
    g.axis = valueAxis(model.points());
    double labelWidth = 0;
    for (int t = 0; t <= g.axis.ticks(); ++t)
        labelWidth =
            std::max(labelWidth, textWidth(textFont(), valueText(g.axis.low + t * g.axis.step)));
    g.depth = std::clamp(plot.width() * 0.03, 8.0, 24.0);
    g.x0 = plot.left() + labelWidth + 10;
    g.x1 = plot.right() - g.depth;
    const int n = std::max<int>(1, static_cast<int>(model.points().size()));
    g.slot = (g.x1 - g.x0) / n;
    g.width = g.slot * 0.62;
    g.barDepth = g.depth * 0.8;
    g.inset = g.depth * 0.1;
    double widest = 0;
    for (const Point& p : model.points()) widest = std::max(widest, textWidth(textFont(), p.label));
    g.stagger = widest > g.slot * 0.95;
    g.top = plot.top() + 24 + g.depth;
    g.bottom = plot.bottom() - (g.stagger ? 36 : 20);
    if (g.bottom <= g.top) g.bottom = g.top + 1;
    return g;
}

// The lit top of a bar; a colour already close to white is shaded a little
// instead, so the top still stands out from the paper.
QColor topShade(const QColor& colour) {
    return colour.lightness() > 200 ? colour.darker(112) : colour.lighter(125);
}

QPolygonF topFace(const QRectF& front, double depth) {
    return QPolygonF({front.topLeft(), front.topRight(), front.topRight() + QPointF(depth, -depth),
                      front.topLeft() + QPointF(depth, -depth)});
}

QPolygonF sideFace(const QRectF& front, double depth) {
    return QPolygonF({front.topRight(), front.topRight() + QPointF(depth, -depth),
                      front.bottomRight() + QPointF(depth, -depth), front.bottomRight()});
}

void drawValueLabel(QPainter& p, const QString& text, QPointF anchor, bool above) {
    p.setFont(textFont());
    const double w = textWidth(textFont(), text) + 8;
    const double h = 16;
    const QRectF box(anchor.x() - w / 2, above ? anchor.y() - h : anchor.y(), w, h);
    p.setPen(QPen(kGrid, 0.8));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(kInk);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawBars(QPainter& p, const Model& model, const QRectF& plot) {
    const BarGeometry g = barGeometry(model, plot);
    const double d = g.depth;
    // Walls and floor of the box the bars stand in.
    p.setPen(QPen(kGrid, 0.8));
    p.setBrush(kBackWall);
    p.drawRect(QRectF(QPointF(g.x0 + d, g.top - d), QPointF(g.x1 + d, g.bottom - d)));
    p.setBrush(kSideWall);
    p.drawPolygon(QPolygonF({QPointF(g.x0, g.top), QPointF(g.x0 + d, g.top - d),
                             QPointF(g.x0 + d, g.bottom - d), QPointF(g.x0, g.bottom)}));
    p.setBrush(kFloor);
    p.drawPolygon(QPolygonF({QPointF(g.x0, g.bottom), QPointF(g.x1, g.bottom),
                             QPointF(g.x1 + d, g.bottom - d), QPointF(g.x0 + d, g.bottom - d)}));
    // Value axis: grid on the back and side walls, round numbers on the left.
    p.setFont(textFont());
    for (int t = 0; t <= g.axis.ticks(); ++t) {
        const double v = g.axis.low + t * g.axis.step;
        const double y = g.y(v);
        p.setPen(QPen(kGrid, v == 0 ? 1.4 : 0.6));
        p.drawLine(QPointF(g.x0, y), QPointF(g.x0 + d, y - d));
        p.drawLine(QPointF(g.x0 + d, y - d), QPointF(g.x1 + d, y - d));
        p.setPen(kInk);
        p.drawText(QRectF(plot.left(), y - 8, g.x0 - plot.left() - 6, 16),
                   Qt::AlignRight | Qt::AlignVCenter, valueText(v));
    }
    const auto& points = model.points();
    for (int i = 0; i < points.size(); ++i) {
        const Point& point = points[i];
        const QColor colour = QColor::fromRgba(point.colour);
        const QRectF front = g.front(i, point.value);
        p.setPen(QPen(kEdge, 0.7));
        p.setBrush(colour.darker(140));
        p.drawPolygon(sideFace(front, g.barDepth));
        p.setBrush(topShade(colour));
        p.drawPolygon(topFace(front, g.barDepth));
        p.setBrush(colour);
        p.drawRect(front);
        const double v = drawable(point.value);
        const double centre = front.center().x() + g.barDepth / 2;
        if (v < 0)
            drawValueLabel(p, valueText(v), QPointF(front.center().x(), front.bottom() + 3), false);
        else
            drawValueLabel(p, valueText(v), QPointF(centre, front.top() - g.barDepth - 3), true);
        // The point's label under its bar, alternating rows when they would
        // not fit side by side.
        p.setPen(kInk);
        p.setFont(textFont());
        const double row = (g.stagger && i % 2 == 1) ? 16 : 0;
        p.drawText(QRectF(front.center().x() - g.slot, g.bottom + 3 + row, 2 * g.slot, 16),
                   Qt::AlignCenter, point.label);
    }
}

// ---- Pie ------------------------------------------------------------------

struct PieGeometry {
    QRectF top;
    double thickness = 0;
    QPointF at(double degrees, double scale = 1, double drop = 0) const {
        const double a = degrees * std::numbers::pi / 180;
        return {top.center().x() + scale * top.width() / 2 * std::cos(a),
                top.center().y() - scale * top.height() / 2 * std::sin(a) + drop};
    }
};

PieGeometry pieGeometry(const QRectF& plot) {
    const double marginX = 80;
    const double marginY = 44;
    const double rx =
        std::max(1.0, std::min((plot.width() - 2 * marginX) / 2,
                               (plot.height() - 2 * marginY) / (2 * kPieTilt + kPieThickness)));
    const double ry = rx * kPieTilt;
    PieGeometry g;
    g.thickness = rx * kPieThickness;
    const QPointF centre(plot.center().x(), plot.center().y() - g.thickness / 2);
    g.top = QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    return g;
}

struct Slice {
    int point;
    double start;  // degrees, counter-clockwise from three o'clock
    double sweep;  // negative: slices run clockwise from twelve o'clock
};

QList<Slice> slices(const Model& model) {
    double total = 0;
    for (const Point& p : model.points()) total += std::max(0.0, drawable(p.value));
    QList<Slice> out;
    if (!(total > 0) || !std::isfinite(total)) return out;
    double angle = 90;
    for (int i = 0; i < model.points().size(); ++i) {
        const double v = std::max(0.0, drawable(model.points()[i].value));
        if (v <= 0) continue;
        const double sweep = -360.0 * v / total;
        out.append({i, angle, sweep});
        angle += sweep;
    }
    return out;
}

// The part of the rim between two angles that faces the viewer (the lower
// half of the ellipse), as a band as deep as the pie's thickness.
void drawRim(QPainter& p, const PieGeometry& g, double from, double to, const QColor& colour) {
    // from > to; the front half is where sin < 0, i.e. 180..360 (mod 360).
    for (int k = -2; k <= 1; ++k) {
        const double lo = std::max(to, 180.0 + 360.0 * k);
        const double hi = std::min(from, 360.0 + 360.0 * k);
        if (hi <= lo) continue;
        QPainterPath band;
        const QRectF bottom = g.top.translated(0, g.thickness);
        band.moveTo(g.at(hi));
        band.arcTo(g.top, hi, lo - hi);
        band.lineTo(g.at(lo, 1, g.thickness));
        band.arcTo(bottom, lo, hi - lo);
        band.closeSubpath();
        p.setBrush(colour);
        p.drawPath(band);
    }
}

void drawPie(QPainter& p, const Model& model, const QRectF& plot) {
    const PieGeometry g = pieGeometry(plot);
    const QList<Slice> parts = slices(model);
    p.setPen(QPen(kEdge, 0.7));
    if (parts.isEmpty()) {
        // Nothing to share out: an empty disc, so the window is not blank.
        drawRim(p, g, 360, 180, kEmptyPie.darker(125));
        p.setBrush(kEmptyPie);
        p.drawEllipse(g.top);
        return;
    }
    for (const Slice& s : parts)
        drawRim(p, g, s.start, s.start + s.sweep,
                QColor::fromRgba(model.points()[s.point].colour).darker(140));
    for (const Slice& s : parts) {
        p.setBrush(QColor::fromRgba(model.points()[s.point].colour));
        if (std::abs(s.sweep) >= 359.999) {
            p.drawEllipse(g.top);  // one value takes the whole disc: no seam
            continue;
        }
        QPainterPath wedge;
        wedge.moveTo(g.top.center());
        wedge.arcTo(g.top, s.start, s.sweep);
        wedge.closeSubpath();
        p.drawPath(wedge);
    }
    // Each slice's value outside the rim, tied to it by a short line.
    for (const Slice& s : parts) {
        const double mid = s.start + s.sweep / 2;
        const double a = mid * std::numbers::pi / 180;
        const double drop = std::sin(a) < 0 ? g.thickness : 0;
        const QPointF rim = g.at(mid, 1, drop);
        const QPointF out = g.at(mid, 1.18, drop);
        p.setPen(QPen(kInk, 0.8));
        p.drawLine(rim, out);
        const QString text = valueText(model.points()[s.point].value);
        const double w = textWidth(textFont(), text) + 8;
        const QPointF centre = out + QPointF(std::cos(a) * w / 2, -std::sin(a) * 9);
        drawValueLabel(p, text, centre + QPointF(0, 8), true);
    }
}

void drawLegend(QPainter& p, const Model& model, const Layout& l) {
    if (l.legend.height() <= 0) return;
    p.setPen(QPen(kGrid, 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(l.legend, 4, 4);
    double y = l.legend.top() + 6;
    if (!model.legendTitle.isEmpty()) {
        p.setPen(kInk);
        p.setFont(legendTitleFont());
        p.drawText(QRectF(l.legend.left(), y, l.legend.width(), kRowHeight), Qt::AlignCenter,
                   model.legendTitle);
        y += kRowHeight;
    }
    p.setFont(textFont());
    for (const LegendRow& row : l.rows) {
        double x = l.legend.center().x() - row.width / 2;
        for (int i : row.points) {
            const Point& point = model.points()[i];
            p.setPen(QPen(kEdge, 0.7));
            p.setBrush(QColor::fromRgba(point.colour));
            p.drawRect(QRectF(x, y + (kRowHeight - kSwatch) / 2, kSwatch, kSwatch));
            p.setPen(kInk);
            p.drawText(QRectF(x + kSwatch + 6, y, entryWidth(point), kRowHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, point.label);
            x += entryWidth(point) + kEntryGap;
        }
        y += kRowHeight;
    }
}

}  // namespace

void paint(QPainter& painter, const QRectF& target, const Model& model) {
    if (!(target.width() > 0) || !(target.height() > 0)) return;
    const Page page = pageFor(target);
    const Layout l = layoutFor(model, page.area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setTransform(page.toTarget, true);
    painter.setPen(kInk);
    painter.setFont(titleFont());
    painter.drawText(l.title, Qt::AlignCenter, model.title);
    if (l.plot.height() > 10 && l.plot.width() > 10) {
        if (model.kind == Kind::Pie)
            drawPie(painter, model, l.plot);
        else
            drawBars(painter, model, l.plot);
    }
    drawLegend(painter, model, l);
    painter.setPen(kInk);
    painter.setFont(footFont());
    painter.drawText(l.foot, Qt::AlignCenter, model.foot);
    painter.restore();
}

QImage render(const Model& model, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), model);
    return image;
}

QList<QRectF> barFronts(const Model& model, const QRectF& target) {
    const Page page = pageFor(target);
    const BarGeometry g = barGeometry(model, layoutFor(model, page.area).plot);
    QList<QRectF> out;
    for (int i = 0; i < model.points().size(); ++i)
        out.append(page.toTarget.mapRect(g.front(i, model.points()[i].value)));
    return out;
}

QRectF pieTop(const Model& model, const QRectF& target) {
    const Page page = pageFor(target);
    return page.toTarget.mapRect(pieGeometry(layoutFor(model, page.area).plot).top);
}

}  // namespace vt::chart
