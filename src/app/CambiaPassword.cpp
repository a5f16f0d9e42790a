#include "app/CambiaPassword.h"

#include "app/Password.h"
#include "app/conventions.h"
#include "app/logic/password.h"
#include "app/program.h"
#include "archive/codec.h"
#include "ui_CambiaPassword.h"

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmCambiaPassword>()) {
    ui->setupUi(this);
    vt::makeFixedScreen(this);
    ui->lblMemory->hide();
    vt::installFocusHighlights(this);
    vt::installEnterChain({ui->txtPasswordOld, ui->txtPasswordNew, ui->txtConferma}, true);
    for (QLineEdit* field : {ui->txtPasswordOld, ui->txtPasswordNew, ui->txtConferma})
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
    connect(ui->cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

TfrmCambiaPassword::~TfrmCambiaPassword() = default;

void TfrmCambiaPassword::setVisible(bool visible) {
    // Screen windows are shown maximised; this one keeps its size, centred.
    if (visible) {
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        vt::centreOnScreen(this);
    }
    vt::ScreenWindow::setVisible(visible);
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    activateWindow();
    ui->txtPasswordOld->clear();
    ui->txtPasswordNew->clear();
    ui->txtConferma->clear();
    ui->lblMemory->clear();
    ui->txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::closeStep() {
    auto* login = vt::screens::get<TfrmPassword>();
    if (!login) return;
    login->clearEntry();
    vt::screens::switchTo(this, login);
}

void TfrmCambiaPassword::txtChange() {
    bool allFilled = true;
    for (QLineEdit* field : {ui->txtPasswordOld, ui->txtPasswordNew, ui->txtConferma})
        allFilled = allFilled && !vt::trimmed(field->text()).isEmpty();
    ui->cmdOK->setEnabled(allFilled);
}

void TfrmCambiaPassword::cmdOKClick() {
    using vt::password::ChangeResult;
    const ChangeResult result = vt::password::change(ui->txtPasswordOld->text(), ui->txtPasswordNew->text(),
                                                     ui->txtConferma->text());
    ui->lblMemory->clear();
    const auto askAgainForNew = [this](const QString& text) {
        vt::notice(this, text);
        ui->txtPasswordNew->clear();
        ui->txtConferma->clear();
        ui->txtPasswordNew->setFocus(Qt::OtherFocusReason);
    };
    switch (result) {
        case ChangeResult::Changed:
            vt::notice(this, QStringLiteral("Modifica della password completata con successo."));
            close();
            break;
        case ChangeResult::WrongOldPassword:
            vt::notice(this, QStringLiteral("Attenzione: vecchia password errata."));
            ui->txtPasswordOld->clear();
            ui->txtPasswordOld->setFocus(Qt::OtherFocusReason);
            break;
        case ChangeResult::NotConfirmed:
            askAgainForNew(QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                          "E' necessario reinserire entrambi i valori."));
            break;
        case ChangeResult::NotStorable:
            // Only the characters of the Latin alphabet tables survive in the
            // store: any other (such as "€") would lock the user out.
            askAgainForNew(QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi, come il "
                                          "simbolo dell'euro (€). E' necessario reinserire entrambi i valori."));
            break;
        case ChangeResult::ReadFailure:
            vt::notice(this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                                            "della password. Si consiglia di reinstallare il software."));
            break;
        case ChangeResult::WriteFailure:
            vt::notice(this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                            "della password. Si consiglia di reinstallare il software."));
            break;
    }
}

void TfrmCambiaPassword::cmdEsciClick() { close(); }
