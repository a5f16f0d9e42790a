#include "stats/StatsEntrate.h"

TfrmStatsEntrate::TfrmStatsEntrate(QWidget* owner)
    : vt::MonthlyChartWindow(owner, vt::stats::Direction::Receipts) {
    setObjectName(QStringLiteral("TfrmStatsEntrate"));
}
