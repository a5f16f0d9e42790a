#include "chart/ChartView.h"

#include <QPainter>
#include <QPrinter>

#include "chart/logic/chartpainter.h"

namespace vt {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
}

void ChartView::setTexts(const QString& title, const QString& foot, const QString& legendTitle) {
    model_.title = title;
    model_.foot = foot;
    model_.legendTitle = legendTitle;
    update();
}

void ChartView::setPoints(const QList<chart::Point>& points) {
    model_.clear();
    for (const chart::Point& p : points) model_.add(p.value, p.label, p.colour);
    update();
}

void ChartView::setKind(chart::Kind kind) {
    if (model_.kind == kind) return;
    model_.kind = kind;
    update();
}

bool ChartView::print(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    chart::paint(painter, page, model_);
    return painter.end();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), chart::paper());
    chart::paint(painter, QRectF(rect()), model_);
}

}  // namespace vt
