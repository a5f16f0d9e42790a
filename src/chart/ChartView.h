#pragma once

#include <QWidget>

#include "chart/logic/chartmodel.h"

class QPrinter;

namespace vt {

// A chart on screen: holds the model and draws it with the chart painter
// whenever it is shown or changed. The same drawing goes to a printer.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    const chart::Model& model() const { return model_; }
    // Changes go through here so that the view repaints.
    void setTexts(const QString& title, const QString& foot, const QString& legendTitle);
    void setPoints(const QList<chart::Point>& points);
    void setKind(chart::Kind kind);

    // One print of the chart as shown, filling the printer's page. False
    // when the printer cannot start.
    bool print(QPrinter& printer) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    chart::Model model_;
};

}  // namespace vt
