#include "checks/CodFisc.h"

#include "app/conventions.h"
#include "checks/checkfield.h"
#include "checks/logic/fiscalcode.h"
#include "ui_CodFisc.h"

TfrmCodFisc::TfrmCodFisc(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmCodFisc>()) {
    ui->setupUi(this);
    vt::checks::keepTrimmedFiscalCode(ui->txtCodFisc);
    vt::installEnterMovesTo(ui->txtCodFisc, ui->btnControlla);
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmCodFisc::btnChiudiClick);
}

TfrmCodFisc::~TfrmCodFisc() = default;

void TfrmCodFisc::setCode(const QString& text) {
    vt::checks::putCallerText(ui->txtCodFisc, text);
}

void TfrmCodFisc::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    ui->txtCodFisc->setFocus(Qt::OtherFocusReason);
}

void TfrmCodFisc::btnControllaClick() {
    if (vt::checks::showReply(this, ui->txtCodFisc,
                              vt::checks::fiscalCodeReply(ui->txtCodFisc->text())))
        closeFromButton(QDialog::Accepted);
}

void TfrmCodFisc::btnChiudiClick() {
    closeFromButton(QDialog::Rejected);
}
