#pragma once

#include "stats/MonthlyChart.h"

// The monthly expenses chart.
class TfrmStatsUscite : public vt::MonthlyChartWindow {
    Q_OBJECT
public:
    explicit TfrmStatsUscite(QWidget* owner = nullptr);
};
