#pragma once

#include "stats/StatsChart.h"
#include "stats/logic/statistics.h"

namespace vt {

// A monthly chart window: the year's receipts or expenses of each month,
// from the year file chosen in the statistics menu.
class MonthlyChartWindow : public StatsChartWindow {
    Q_OBJECT
public:
    MonthlyChartWindow(QWidget* owner, stats::Direction direction);

protected:
    void prepare() override;

private:
    stats::Direction direction_;
};

}  // namespace vt
