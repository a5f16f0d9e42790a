#include "app/Guida.h"

#include "app/OpenURL.h"
#include "app/base/services.h"
#include "app/uiservices.h"
#include "ui_Guida.h"

TfrmGuida::TfrmGuida(QWidget* owner) : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmGuida>()) {
    ui->setupUi(this);
    ui->lnkWeb->attachIcon(ui->imgPDF);
    connect(ui->lnkWeb, &vt::LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
}

TfrmGuida::~TfrmGuida() = default;

void TfrmGuida::setPage(const QString& title, const QString& text) {
    ui->lblTitolo->setText(title);
    ui->txtGuida->setPlainText(vt::displayText(text));
}

QString TfrmGuida::title() const { return ui->lblTitolo->text(); }
QString TfrmGuida::text() const { return ui->txtGuida->toPlainText(); }

void TfrmGuida::lnkWebClick() {
    // No check that the manual exists: the desktop says so if it does not.
    TMisc::Open(u'"' + vt::programDir() + QStringLiteral("Guida.pdf") + u'"');
}

void TfrmGuida::btnChiudiClick() { closeFromButton(); }

namespace vt {

void showHelp(QWidget* owner, const QString& title, const QString& text) {
    openDialog<TfrmGuida>(owner, [&](TfrmGuida& help) { help.setPage(title, text); });
}

void showHelp(QWidget* owner, const HelpPage& page) { showHelp(owner, page.title, page.text); }

}  // namespace vt
