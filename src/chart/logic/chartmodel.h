#pragma once

#include <QList>
#include <QRgb>
#include <QString>

namespace vt::chart {

// How the one series of a chart is drawn.
enum class Kind { Bars, Pie };

// One value of the series, with the label the legend and the axis show and
// the colour of its bar or slice.
struct Point {
    double value = 0;
    QString label;
    QRgb colour = 0xFF000000;
};

// What a chart shows: title at the top, foot text at the bottom, a legend
// with its own title below the plot, and one series of points. The drawing
// lives apart (chartpainter.h), so the same model serves the screen, the
// printer and a PDF.
class Model {
public:
    QString title;
    QString foot;
    QString legendTitle;
    Kind kind = Kind::Bars;

    const QList<Point>& points() const { return points_; }
    void clear() { points_.clear(); }
    void add(double value, const QString& label, QRgb colour) {
        points_.append({value, label, colour});
    }

private:
    QList<Point> points_;
};

// The value axis of the bar chart: from `low` to `high` in steps of `step`,
// all three round numbers (1, 2, 2.5 or 5 times a power of ten), zero always
// included. Values that are not finite count as zero.
struct Axis {
    double low = 0;
    double high = 0;
    double step = 1;
    int ticks() const;  // number of steps from low to high
};
Axis valueAxis(const QList<Point>& points);

// A value as the chart writes it: the program's plain number text.
QString valueText(double value);

// A value the drawing can use: not-a-number and infinities become zero.
double drawable(double value);

}  // namespace vt::chart
