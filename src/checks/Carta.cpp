#include "checks/Carta.h"

#include "app/conventions.h"
#include "checks/checkfield.h"
#include "checks/logic/cardnumber.h"
#include "ui_Carta.h"

TfrmCarta::TfrmCarta(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmCarta>()) {
    ui->setupUi(this);
    vt::checks::keepTrimmedUpperCase(ui->txtNumero);
    vt::installDigitFilter(ui->txtNumero, vt::PasteRule::Unfiltered);
    vt::installEnterMovesTo(ui->txtNumero, ui->btnControlla);
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmCarta::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmCarta::btnChiudiClick);
}

TfrmCarta::~TfrmCarta() = default;

void TfrmCarta::setNumber(const QString& text) {
    vt::checks::putCallerText(ui->txtNumero, text);
}

void TfrmCarta::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    ui->txtNumero->setFocus(Qt::OtherFocusReason);
}

void TfrmCarta::btnControllaClick() {
    if (vt::checks::showReply(this, ui->txtNumero, vt::checks::cardReply(ui->txtNumero->text())))
        closeFromButton(QDialog::Accepted);
}

void TfrmCarta::btnChiudiClick() {
    closeFromButton(QDialog::Rejected);
}
