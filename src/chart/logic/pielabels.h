#pragma once

#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

namespace vt::chart {

// The pie as drawn: the ellipse of its top face and the depth of the rim
// that shows below the front half.
struct Disc {
    QRectF top;
    double thickness = 0;

    // The point at `degrees` (counter-clockwise from three o'clock) on the
    // edge of the top face, `scale` times as far from the centre, lowered by
    // `drop`.
    QPointF at(double degrees, double scale = 1, double drop = 0) const;
    // Where a slice's middle meets the outline the viewer sees: the top
    // face's edge at the back, the rim's lower edge at the front.
    QPointF outline(double degrees) const;
};

// A slice's value label to be placed: the angle of the slice's middle and
// the size the label needs at full size.
struct LabelRequest {
    double angle = 0;
    QSizeF size;
};

struct PlacedLabel {
    QRectF box;
    // The leader from the slice's outline to the near side of the box.
    QPolygonF leader;
};

struct PieLabels {
    // Every label is drawn at this fraction of its full size: 1 unless the
    // labels could not all stand whole in the area at full size.
    double scale = 1;
    QList<PlacedLabel> labels;  // in the order of the requests
};

// Places the value labels of a pie the way spreadsheet programs do: each
// label to the left or right of the pie by the side its slice points to,
// the labels of a side stacked in a column that follows the pie's outline
// and moved apart where neighbouring small slices would put them on top of
// each other, each tied to its slice by a leader. No two boxes intersect
// and every box lies inside `area`; when a side holds more labels than its
// height allows, labels near the top and bottom move to the other side,
// and only when both sides are full are all labels made smaller together.
PieLabels placePieLabels(const Disc& disc, const QList<LabelRequest>& requests, const QRectF& area);

}  // namespace vt::chart
