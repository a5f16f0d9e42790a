#include "stats/StatsUscite.h"

TfrmStatsUscite::TfrmStatsUscite(QWidget* owner)
    : vt::MonthlyChartWindow(owner, vt::stats::Direction::Expenses) {
    setObjectName(QStringLiteral("TfrmStatsUscite"));
}
