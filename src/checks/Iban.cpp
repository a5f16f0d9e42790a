#include "checks/Iban.h"

#include "app/conventions.h"
#include "checks/checkfield.h"
#include "checks/logic/iban.h"
#include "ui_Iban.h"

TfrmIban::TfrmIban(QWidget* owner) : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmIban>()) {
    ui->setupUi(this);
    vt::checks::keepTrimmedUpperCase(ui->txtIban);
    vt::installEnterMovesTo(ui->txtIban, ui->btnControlla);
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmIban::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmIban::btnChiudiClick);
}

TfrmIban::~TfrmIban() = default;

void TfrmIban::setIban(const QString& text) {
    vt::checks::putCallerText(ui->txtIban, text);
}

void TfrmIban::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    ui->txtIban->setFocus(Qt::OtherFocusReason);
}

void TfrmIban::btnControllaClick() {
    if (vt::checks::showReply(this, ui->txtIban, vt::checks::ibanReply(ui->txtIban->text())))
        closeFromButton(QDialog::Accepted);
}

void TfrmIban::btnChiudiClick() {
    closeFromButton(QDialog::Rejected);
}
