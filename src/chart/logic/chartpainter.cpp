#include "chart/logic/chartpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "chart/logic/pielabels.h"

namespace vt::chart {

namespace {

// Everything is laid out on a page 600 units high and as wide as the
// target's shape allows, then scaled to the target: texts and depths keep
// their proportions on a small window and on a printed page alike.
constexpr double kLogicalHeight = 600;
constexpr double kPad = 14;
constexpr double kPieTilt = 0.5;        // vertical radius / horizontal radius
constexpr double kPieThickness = 0.14;  // thickness / horizontal radius

// The chart's colours, each named once. Everything is drawn in opaque
// colours: a page with partly transparent paint reaches most printers as one
// page-sized picture instead of lines and text. Shades that lie over
// something are worked out here as the opaque colour they give (over()).
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kInk(0x20, 0x26, 0x33);
const QColor kEdge(0, 0, 0, 110);  // outlines: a shade of what they outline
const QColor kBackWall(0xF3, 0xF5, 0xF9);
const QColor kSideWall(0xE4, 0xE8, 0xEF);
const QColor kFloor(0xD6, 0xDC, 0xE5);
const QColor kGrid(0xB8, 0xC0, 0xCC);
const QColor kEmptyPie(0xE2, 0xE5, 0xEA);

// The opaque colour that `top` gives laid over `under`.
QColor over(const QColor& top, const QColor& under) {
    const double a = top.alphaF();
    auto mix = [a](float t, float u) { return static_cast<float>(a * t + (1 - a) * u); };
    return QColor::fromRgbF(mix(top.redF(), under.redF()), mix(top.greenF(), under.greenF()),
                            mix(top.blueF(), under.blueF()));
}

// A face filled with `fill` and outlined with the edge shade over it.
void face(QPainter& p, const QColor& fill) {
    p.setPen(QPen(over(kEdge, fill), 0.7));
    p.setBrush(fill);
}

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
constexpr double kLegendMargin = 6;

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
    // The frame holds its rows with the same margin above and below, also
    // when the title is all it holds.
    const double legendRows = (model.legendTitle.isEmpty() ? 0 : 1) + l.rows.size();
    const double legendHeight = legendRows > 0 ? kRowHeight * legendRows + 2 * kLegendMargin : 0;
    l.legend = QRectF(inner.left(), l.foot.top() - 6 - legendHeight, inner.width(), legendHeight);
    l.plot = QRectF(QPointF(inner.left(), l.title.bottom() + 8),
                    QPointF(inner.right(), l.legend.top() - 8));
    return l;
}

// A plot squeezed to almost nothing is left out rather than drawn as a
// jumble.
bool plotDrawn(const QRectF& plot) {
    return plot.height() > 10 && plot.width() > 10;
}

QRectF legendTitleRow(const Layout& l) {
    return QRectF(l.legend.left(), l.legend.top() + kLegendMargin, l.legend.width(), kRowHeight);
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

// A value label at full size: the text with a small margin all round.
constexpr double kLabelHeight = 16;
QSizeF labelSize(const QString& text) {
    return {textWidth(textFont(), text) + 8, kLabelHeight};
}

// A value label in `box`, drawn at full size and scaled into it, so that a
// label made smaller keeps the proportions of its text and frame.
void drawLabelBox(QPainter& p, const QString& text, const QRectF& box) {
    const QSizeF full = labelSize(text);
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / full.width(), box.height() / full.height());
    const QRectF frame(QPointF(0, 0), full);
    p.setPen(QPen(kGrid, 0.8));
    p.setBrush(kPaper);
    p.drawRoundedRect(frame, 3, 3);
    p.setPen(kInk);
    p.setFont(textFont());
    p.drawText(frame, Qt::AlignCenter, text);
    p.restore();
}

void drawValueLabel(QPainter& p, const QString& text, QPointF anchor, bool above) {
    const QSizeF size = labelSize(text);
    drawLabelBox(p, text,
                 QRectF(QPointF(anchor.x() - size.width() / 2,
                                above ? anchor.y() - size.height() : anchor.y()),
                        size));
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
        face(p, colour.darker(140));
        p.drawPolygon(sideFace(front, g.barDepth));
        face(p, topShade(colour));
        p.drawPolygon(topFace(front, g.barDepth));
        face(p, colour);
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

struct Slice {
    int point;
    double start;  // degrees, counter-clockwise from three o'clock
    double sweep;  // negative: slices run clockwise from twelve o'clock
    double middle() const { return start + sweep / 2; }
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

QString sliceText(const Model& model, const Slice& s) {
    return valueText(model.points()[s.point].value);
}

// The disc leaves room at its sides for the widest value label and its
// leader, but stays at least a third of the plot's shorter side across: on a
// very narrow plot the labels are made smaller instead.
Disc pieGeometry(const Model& model, const QRectF& plot) {
    double widest = 0;
    for (const Slice& s : slices(model))
        widest = std::max(widest, labelSize(sliceText(model, s)).width());
    const double marginX = std::max(40.0, widest + 24);
    const double marginY = 44;
    const double byHeight = (plot.height() - 2 * marginY) / (2 * kPieTilt + kPieThickness);
    const double rx = std::max({1.0, std::min((plot.width() - 2 * marginX) / 2, byHeight),
                                std::min(plot.width(), plot.height()) / 6});
    const double ry = rx * kPieTilt;
    Disc g;
    g.thickness = rx * kPieThickness;
    const QPointF centre(plot.center().x(), plot.center().y() - g.thickness / 2);
    g.top = QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    return g;
}

PieLabels pieLabelsFor(const Model& model, const QRectF& plot, const Disc& g) {
    QList<LabelRequest> requests;
    for (const Slice& s : slices(model))
        requests.append({s.middle(), labelSize(sliceText(model, s))});
    return placePieLabels(g, requests, plot);
}

// The part of the rim between two angles that faces the viewer (the lower
// half of the ellipse), as a band as deep as the pie's thickness.
void drawRim(QPainter& p, const Disc& g, double from, double to, const QColor& colour) {
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
        face(p, colour);
        p.drawPath(band);
    }
}

void drawPie(QPainter& p, const Model& model, const QRectF& plot) {
    const Disc g = pieGeometry(model, plot);
    const QList<Slice> parts = slices(model);
    if (parts.isEmpty()) {
        // Nothing to share out: an empty disc, so the window is not blank.
        drawRim(p, g, 360, 180, kEmptyPie.darker(125));
        face(p, kEmptyPie);
        p.drawEllipse(g.top);
        return;
    }
    for (const Slice& s : parts)
        drawRim(p, g, s.start, s.start + s.sweep,
                QColor::fromRgba(model.points()[s.point].colour).darker(140));
    for (const Slice& s : parts) {
        face(p, QColor::fromRgba(model.points()[s.point].colour));
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
    // Each slice's value beside the pie, tied to its slice by a leader; the
    // leaders first, so that no leader runs over a label's text.
    const PieLabels labels = pieLabelsFor(model, plot, g);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::NoBrush);
    for (const PlacedLabel& label : labels.labels) p.drawPolyline(label.leader);
    for (int k = 0; k < parts.size(); ++k)
        drawLabelBox(p, sliceText(model, parts[k]), labels.labels[k].box);
}

void drawLegend(QPainter& p, const Model& model, const Layout& l) {
    if (l.legend.height() <= 0) return;
    p.setPen(QPen(kGrid, 0.8));
    p.setBrush(kPaper);
    p.drawRoundedRect(l.legend, 4, 4);
    double y = l.legend.top() + kLegendMargin;
    if (!model.legendTitle.isEmpty()) {
        p.setPen(kInk);
        p.setFont(legendTitleFont());
        p.drawText(legendTitleRow(l), Qt::AlignCenter, model.legendTitle);
        y += kRowHeight;
    }
    p.setFont(textFont());
    for (const LegendRow& row : l.rows) {
        double x = l.legend.center().x() - row.width / 2;
        for (int i : row.points) {
            const Point& point = model.points()[i];
            face(p, QColor::fromRgba(point.colour));
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
    if (plotDrawn(l.plot)) {
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
    image.fill(kPaper);
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
    return page.toTarget.mapRect(pieGeometry(model, layoutFor(model, page.area).plot).top);
}

QList<QRectF> pieLabelBoxes(const Model& model, const QRectF& target) {
    QList<QRectF> out;
    if (!(target.width() > 0) || !(target.height() > 0)) return out;
    const Page page = pageFor(target);
    const QRectF plot = layoutFor(model, page.area).plot;
    if (!plotDrawn(plot)) return out;
    for (const PlacedLabel& label : pieLabelsFor(model, plot, pieGeometry(model, plot)).labels)
        out.append(page.toTarget.mapRect(label.box));
    return out;
}

Frames frames(const Model& model, const QRectF& target) {
    if (!(target.width() > 0) || !(target.height() > 0)) return {};
    const Page page = pageFor(target);
    const Layout l = layoutFor(model, page.area);
    Frames f;
    f.title = page.toTarget.mapRect(l.title);
    f.plot = page.toTarget.mapRect(l.plot);
    f.legend = page.toTarget.mapRect(l.legend);
    f.foot = page.toTarget.mapRect(l.foot);
    if (!model.legendTitle.isEmpty())
        f.legendTitle = page.toTarget.mapRect(
            QFontMetricsF(legendTitleFont())
                .boundingRect(legendTitleRow(l), Qt::AlignCenter, model.legendTitle));
    return f;
}

QColor paper() {
    return kPaper;
}

}  // namespace vt::chart
