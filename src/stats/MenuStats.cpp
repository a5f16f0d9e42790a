#include "stats/MenuStats.h"

#include <QShowEvent>

#include "app/Guida.h"
#include "app/base/services.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "stats/StatsBilancio.h"
#include "stats/StatsEntrate.h"
#include "stats/StatsUscite.h"
#include "stats/logic/helppages.h"
#include "ui_MenuStats.h"

namespace {
const QString kYearMessage =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
}

TfrmMenuStats::TfrmMenuStats(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuStats>()) {
    ui->setupUi(this);
    ui->imgGuida->setIcon(vt::icon(QStringLiteral("guida")));
    ui->imgEsci->setIcon(vt::icon(QStringLiteral("esci")));
    const std::pair<QLineEdit*, QPushButton*> sections[] = {
        {ui->txtAnnoPreventivi, ui->btnApriPreventivi},
        {ui->txtAnnoNDC, ui->btnApriNDC},
        {ui->txtAnnoDDT, ui->btnApriDDT}};
    for (const auto& [year, button] : sections) {
        vt::installDigitFilter(year);
        vt::installEnterMovesTo(year, button);
    }
    connect(ui->btnApriPreventivi, &QPushButton::clicked, this,
            &TfrmMenuStats::btnApriPreventiviClick);
    connect(ui->btnApriNDC, &QPushButton::clicked, this, &TfrmMenuStats::btnApriNDCClick);
    connect(ui->btnApriDDT, &QPushButton::clicked, this, &TfrmMenuStats::btnApriDDTClick);
    connect(ui->imgGuida, &QToolButton::clicked, this, &TfrmMenuStats::imgGuidaClick);
    connect(ui->imgEsci, &QToolButton::clicked, this, &TfrmMenuStats::imgEsciClick);
}

TfrmMenuStats::~TfrmMenuStats() = default;

void TfrmMenuStats::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    if (event->spontaneous()) return;
    const QString year = QString::number(vt::today().year()).rightJustified(4, u'0');
    for (QLineEdit* field : {ui->txtAnnoPreventivi, ui->txtAnnoNDC, ui->txtAnnoDDT})
        field->setText(year);
    ui->txtAnnoPreventivi->setFocus(Qt::OtherFocusReason);
}

template <typename D>
void TfrmMenuStats::openChart(QLineEdit* year, const QString& titleStart) {
    const QString typed = year->text();
    if (typed.size() != 4) {
        vt::warning(this, kYearMessage);
        year->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui->lblFile->setText(vt::yearFilePath(vt::trimmed(typed)));
    vt::openDialog<D>(this,
                      [&](D& chart) { chart.setTitle(titleStart + vt::trimmed(typed) + u'.'); });
}

void TfrmMenuStats::btnApriPreventiviClick() {
    openChart<TfrmStatsEntrate>(
        ui->txtAnnoPreventivi,
        QStringLiteral("Rappresentazione grafica delle entrate mensili dell'anno "));
}

void TfrmMenuStats::btnApriNDCClick() {
    openChart<TfrmStatsUscite>(
        ui->txtAnnoNDC, QStringLiteral("Rappresentazione grafica delle uscite mensili dell'anno "));
}

void TfrmMenuStats::btnApriDDTClick() {
    openChart<TfrmStatsBilancio>(
        ui->txtAnnoDDT,
        QStringLiteral("Rappresentazione grafica del bilancio entrate e uscite dell'anno "));
}

void TfrmMenuStats::imgGuidaClick() {
    vt::showHelp(this, vt::statsHelpPage(vt::StatsHelpFor::Menu));
}

void TfrmMenuStats::imgEsciClick() {
    close();
}
