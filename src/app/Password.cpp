#include "app/Password.h"

#include "app/conventions.h"
#include "app/dailybackup.h"
#include "app/logic/password.h"
#include "app/program.h"
#include "archive/codec.h"
#include "ui_Password.h"

TfrmPassword::TfrmPassword(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmPassword>()) {
    ui->setupUi(this);
    vt::makeFixedScreen(this);
    ui->lblMemory->hide();
    vt::installFocusHighlights(this);
    connect(ui->txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(ui->txtPassword, &QLineEdit::returnPressed, this, &TfrmPassword::txtPasswordEnter);
    connect(ui->cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(ui->btnCambiaPassword, &QPushButton::clicked, this,
            &TfrmPassword::btnCambiaPasswordClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
}

TfrmPassword::~TfrmPassword() = default;

void TfrmPassword::clearEntry() {
    ui->txtPassword->clear();
    ui->lblMemory->clear();
}

void TfrmPassword::setVisible(bool visible) {
    // Screen windows are shown maximised; this one keeps its size, centred.
    if (visible) {
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        vt::centreOnScreen(this);
    }
    vt::ScreenWindow::setVisible(visible);
}

void TfrmPassword::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    activateWindow();
    ui->txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::closeStep() {
    vt::endProgram();
}

void TfrmPassword::txtPasswordChange() {
    ui->cmdOK->setEnabled(!vt::trimmed(ui->txtPassword->text()).isEmpty());
}

void TfrmPassword::txtPasswordEnter() {
    if (!vt::trimmed(ui->txtPassword->text()).isEmpty()) ui->cmdOK->click();
}

void TfrmPassword::cmdOKClick() {
    using vt::password::LoginResult;
    const LoginResult result = vt::password::checkLogin(ui->txtPassword->text());
    // The scratch label never keeps the password once the check is over.
    ui->lblMemory->clear();
    switch (result) {
        case LoginResult::Match:
            ui->txtPassword->clear();
            vt::screens::switchTo(this, vt::screens::byClassName("TfrmAvvio"));
            vt::backups().startDaily(vt::screens::byClassName("TfrmAvvio"));
            break;
        case LoginResult::NoMatch:
            vt::notice(this, QStringLiteral("Attenzione: password errata."));
            ui->txtPassword->clear();
            ui->txtPassword->setFocus(Qt::OtherFocusReason);
            break;
        case LoginResult::ReadFailure:
            vt::notice(this,
                       QStringLiteral(
                           "Attenzione: si è verificato un errore durante la procedura di lettura "
                           "della password. Si consiglia di reinstallare il software."));
            break;
    }
}

void TfrmPassword::btnCambiaPasswordClick() {
    vt::screens::switchTo(this, vt::screens::byClassName("TfrmCambiaPassword"));
}

void TfrmPassword::cmdEsciClick() {
    vt::endProgram();
}
