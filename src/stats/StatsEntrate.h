#pragma once

#include "stats/MonthlyChart.h"

// The monthly receipts chart.
class TfrmStatsEntrate : public vt::MonthlyChartWindow {
    Q_OBJECT
public:
    explicit TfrmStatsEntrate(QWidget* owner = nullptr);
};
