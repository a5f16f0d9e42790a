#include "stats/MonthlyChart.h"

#include "archive/recordfile.h"

#include "archive/codec.h"

namespace vt {

namespace {

StatsChartTexts textsFor(stats::Direction direction) {
    const bool receipts = direction == stats::Direction::Receipts;
    const QString what = receipts ? QStringLiteral("entrate") : QStringLiteral("uscite");
    const QString What = receipts ? QStringLiteral("Entrate") : QStringLiteral("Uscite");
    return {
        QStringLiteral(" Vantresa 4.0 - Statistiche %1 mensili").arg(what),
        QStringLiteral("Rappresentazione grafica delle %1 mensili dell'anno.").arg(what),
        QStringLiteral("Il presente grafico statistico mostra le %1 relative a ciascun mese "
                       "dell'anno in base ai "
                       "movimenti registrati.")
            .arg(what),
        QStringLiteral("Statistiche %1 mensili").arg(what),
        QStringLiteral("%1 mensili:").arg(What),
        QStringLiteral("Grafico statistico delle %1 mensili.").arg(what),
        QStringLiteral("Visualizza le statistiche delle %1 mensili sotto forma di grafico a barre "
                       "tridimensionali.")
            .arg(what),
        QStringLiteral("Visualizza le statistiche delle %1 mensili sotto forma di grafico a torta "
                       "tridimensionale.")
            .arg(what),
    };
}

}  // namespace

MonthlyChartWindow::MonthlyChartWindow(QWidget* owner, stats::Direction direction)
    : StatsChartWindow(owner, textsFor(direction)), direction_(direction) {}

void MonthlyChartWindow::prepare() {
    chart()->setPoints({});
    for (const QString& month : stats::kMonthNames)
        hiddenLabel(QStringLiteral("mem") + month)->setText("0");
    const QString year =
        menuText(direction_ == stats::Direction::Receipts ? QStringLiteral("txtAnnoPreventivi")
                                                          : QStringLiteral("txtAnnoNDC"));
    const auto totals =
        stats::monthlyTotals(hiddenLabel(QStringLiteral("lblFile"))->text(), year, direction_);
    if (!totals) {
        // The chart stays empty; the user learns why.
        error(this, vt::accessFailureMessage());
        return;
    }
    for (int m = 0; m < 12; ++m)
        hiddenLabel(QStringLiteral("mem") + stats::kMonthNames[m])->setText((*totals)[m]);
    chart()->setPoints(stats::monthlyPoints(*totals));
    chart()->setKind(chart::Kind::Bars);
}

}  // namespace vt
