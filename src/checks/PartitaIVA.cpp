#include "checks/PartitaIVA.h"

#include "app/conventions.h"
#include "checks/checkfield.h"
#include "checks/logic/vatnumber.h"
#include "ui_PartitaIVA.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmPartitaIva>()) {
    ui->setupUi(this);
    vt::installDigitFilter(ui->txtPartitaIva, vt::PasteRule::Unfiltered);
    vt::installEnterMovesTo(ui->txtPartitaIva, ui->btnControlla);
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmPartitaIva::btnChiudiClick);
}

TfrmPartitaIva::~TfrmPartitaIva() = default;

void TfrmPartitaIva::setNumber(const QString& text) {
    vt::checks::putCallerText(ui->txtPartitaIva, text);
}

void TfrmPartitaIva::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    ui->txtPartitaIva->setFocus(Qt::OtherFocusReason);
}

void TfrmPartitaIva::btnControllaClick() {
    if (vt::checks::showReply(this, ui->txtPartitaIva,
                              vt::checks::vatNumberReply(ui->txtPartitaIva->text())))
        closeFromButton(QDialog::Accepted);
}

void TfrmPartitaIva::btnChiudiClick() {
    closeFromButton(QDialog::Rejected);
}
