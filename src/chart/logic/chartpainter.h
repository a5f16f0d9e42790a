#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSize>

#include "chart/logic/chartmodel.h"

class QPainter;

namespace vt::chart {

// Draws the chart of `model` into `target`, in the painter's coordinates:
// title, plot, legend and foot text scale together with the target's height,
// so the screen, a printed page and a PDF show the same picture.
//
// Bars are three-dimensional in an orthogonal view: each bar has its front
// face in the point's colour, a lit top and a shaded side; a zero value is a
// flat bar. The pie is a disc with visible thickness; points that are zero
// (or negative) take no slice. Every bar and slice carries its value.
void paint(QPainter& painter, const QRectF& target, const Model& model);

// The chart drawn on a white image of `size`.
QImage render(const Model& model, QSize size);

// Where the front face of each bar lies when the chart is drawn as bars into
// `target` (one rectangle per point, of zero height for a zero value).
QList<QRectF> barFronts(const Model& model, const QRectF& target);

// Where the top face of the pie lies (its centre and radii) when drawn into
// `target`.
QRectF pieTop(const Model& model, const QRectF& target);

// Where the value labels of the pie's slices lie when drawn into `target`,
// one per slice in the order of the points (none for a point that takes no
// slice).
QList<QRectF> pieLabelBoxes(const Model& model, const QRectF& target);

// Where the parts of the chart lie when drawn into `target`: the title, the
// plot that holds the bars or the pie, the legend's frame, the legend's
// title as its text is drawn, and the foot text.
struct Frames {
    QRectF title, plot, legend, legendTitle, foot;
};
Frames frames(const Model& model, const QRectF& target);

// The paper the chart is drawn on.
QColor paper();

}  // namespace vt::chart
