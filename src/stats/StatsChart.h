#pragma once

#include <QLabel>
#include <memory>

#include "app/windows.h"
#include "chart/ChartView.h"

namespace Ui {
class StatsChart;
}

namespace vt {

// The texts that tell one chart window from another.
struct StatsChartTexts {
    QString caption;
    QString designTitle;
    QString rigo04;
    QString chartTitle;
    QString legendTitle;
    QString initialInfo;  // panInfo before the first mouse movement
    QString barsHint;
    QString pieHint;
};

// What the three statistics chart windows share: the explanation, the chart,
// the chart kind buttons, printing, help and the status line. Each window
// fills the chart's points when it opens (prepare()).
class StatsChartWindow : public DialogWindow {
    Q_OBJECT
public:
    StatsChartWindow(QWidget* owner, const StatsChartTexts& texts);
    ~StatsChartWindow() override;

    // The title the statistics menu hands over.
    void setTitle(const QString& title);

protected:
    void showEvent(QShowEvent* event) override;
    virtual void prepare() = 0;

    ChartView* chart() const;
    QLabel* hiddenLabel(const QString& name) const;
    // A text of the opening menu: its lblFile or one of its year fields.
    QString menuText(const QString& name) const;

private slots:
    void btnTortaClick();
    void btnBarreClick();
    void btnStampaClick();
    void btnEsciClick();
    void cmdGuidaClick();

private:
    std::unique_ptr<Ui::StatsChart> ui;
    bool prepared_ = false;
};

}  // namespace vt
