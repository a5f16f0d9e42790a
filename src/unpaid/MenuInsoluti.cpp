#include "unpaid/MenuInsoluti.h"

#include <QShowEvent>

#include "app/Guida.h"
#include "app/base/services.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "movements/logic/card.h"
#include "ui_MenuInsoluti.h"
#include "unpaid/InsolutiAll.h"
#include "unpaid/InsolutiEnt.h"
#include "unpaid/InsolutiUsc.h"
#include "unpaid/logic/helppages.h"

TfrmMenuInsoluti::TfrmMenuInsoluti(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuInsoluti>()) {
    ui->setupUi(this);
    ui->imgGuida->setIcon(vt::icon(QStringLiteral("guida")));
    ui->imgEsci->setIcon(vt::icon(QStringLiteral("esci")));
    const struct {
        QLineEdit* year;
        QPushButton* open;
    } sections[] = {
        {ui->txtAnnoPreventivi, ui->btnApriPreventivi},
        {ui->txtAnnoNDC, ui->btnApriNDC},
        {ui->txtAnnoDDT, ui->btnApriDDT},
    };
    for (const auto& s : sections) {
        s.year->setMaxLength(4);
        vt::installDigitFilter(s.year);
        vt::installEnterMovesTo(s.year, s.open);
    }
    connect(ui->btnApriPreventivi, &QPushButton::clicked, this,
            &TfrmMenuInsoluti::btnApriPreventiviClick);
    connect(ui->btnApriNDC, &QPushButton::clicked, this, &TfrmMenuInsoluti::btnApriNDCClick);
    connect(ui->btnApriDDT, &QPushButton::clicked, this, &TfrmMenuInsoluti::btnApriDDTClick);
    connect(ui->imgGuida, &QToolButton::clicked, this, &TfrmMenuInsoluti::imgGuidaClick);
    connect(ui->imgEsci, &QToolButton::clicked, this, &TfrmMenuInsoluti::imgEsciClick);
}

TfrmMenuInsoluti::~TfrmMenuInsoluti() = default;

void TfrmMenuInsoluti::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    if (event->spontaneous()) return;
    const QString year = QString::number(vt::today().year()).rightJustified(4, u'0');
    ui->txtAnnoPreventivi->setText(year);
    ui->txtAnnoNDC->setText(year);
    ui->txtAnnoDDT->setText(year);
    ui->txtAnnoPreventivi->setFocus(Qt::OtherFocusReason);
}

template <typename D>
void TfrmMenuInsoluti::openList(QLineEdit* year) {
    const QString typed = year->text();
    if (!vt::card::acceptableYear(typed)) {
        vt::warning(this, vt::card::kYearMessage);
        year->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui->lblFile->setText(vt::yearFilePath(vt::trimmed(typed)));
    vt::openDialog<D>(this);
}

void TfrmMenuInsoluti::btnApriPreventiviClick() {
    openList<TfrmInsolutiEnt>(ui->txtAnnoPreventivi);
}
void TfrmMenuInsoluti::btnApriNDCClick() {
    openList<TfrmInsolutiUsc>(ui->txtAnnoNDC);
}
void TfrmMenuInsoluti::btnApriDDTClick() {
    openList<TfrmInsolutiAll>(ui->txtAnnoDDT);
}

void TfrmMenuInsoluti::imgGuidaClick() {
    vt::showHelp(this, vt::unpaidMenuHelpPage());
}

void TfrmMenuInsoluti::imgEsciClick() {
    close();
}
