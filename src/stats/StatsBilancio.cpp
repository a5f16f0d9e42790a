#include "stats/StatsBilancio.h"

#include "archive/recordfile.h"
#include "stats/logic/statistics.h"

namespace {

vt::StatsChartTexts balanceTexts() {
    return {
        QStringLiteral(" Vantresa 4.0 - Statistiche bilancio annuale"),
        QStringLiteral("Rappresentazione grafica del bilancio entrate e uscite dell'anno."),
        QStringLiteral("Il presente grafico statistico mostra il bilancio annuale delle entrate e "
                       "uscite in base ai "
                       "movimenti registrati."),
        QStringLiteral("Bilancio entrate e uscite annuali"),
        QStringLiteral("Bilancio annuale:"),
        QStringLiteral("Grafico statistico del bilancio annuale."),
        QStringLiteral(
            "Visualizza il bilancio annuale sotto forma di grafico a barre tridimensionali."),
        QStringLiteral(
            "Visualizza il bilancio annuale sotto forma di grafico a torta tridimensionale."),
    };
}

}  // namespace

TfrmStatsBilancio::TfrmStatsBilancio(QWidget* owner) : vt::StatsChartWindow(owner, balanceTexts()) {
    setObjectName(QStringLiteral("TfrmStatsBilancio"));
    for (const char* name : {"memGuadagni", "memSpese"}) {
        auto* label = new QLabel(QString::fromLatin1(name), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setVisible(false);
    }
}

void TfrmStatsBilancio::prepare() {
    chart()->setPoints({});
    hiddenLabel(QStringLiteral("memGuadagni"))->setText(QStringLiteral("0"));
    hiddenLabel(QStringLiteral("memSpese"))->setText(QStringLiteral("0"));
    const auto read = vt::stats::balanceTotals(hiddenLabel(QStringLiteral("lblFile"))->text());
    if (!read) {
        // An empty chart must not pass for an empty year: the user learns why.
        vt::error(this, vt::accessFailureMessage());
        return;
    }
    // An amount that is not a number leaves the chart without points.
    if (!read->has_value()) return;
    const vt::stats::BalanceTexts& totals = **read;
    hiddenLabel(QStringLiteral("memGuadagni"))->setText(totals.receipts);
    hiddenLabel(QStringLiteral("memSpese"))->setText(totals.expenses);
    chart()->setPoints(vt::stats::balancePoints(totals));
    chart()->setKind(vt::chart::Kind::Bars);
}
