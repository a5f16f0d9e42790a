#pragma once

#include "stats/StatsChart.h"

// The annual balance chart: the year file's total receipts against its total
// expenses.
class TfrmStatsBilancio : public vt::StatsChartWindow {
    Q_OBJECT
public:
    explicit TfrmStatsBilancio(QWidget* owner = nullptr);

protected:
    void prepare() override;
};
