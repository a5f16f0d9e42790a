#include "app/Splash.h"

#include "app/OpenURL.h"
#include "app/logic/vendor.h"
#include "ui_Splash.h"

TfrmSplash::TfrmSplash(QWidget* owner)
    : vt::DialogWindow(owner, Centre::Owner), ui(std::make_unique<Ui::TfrmSplash>()) {
    ui->setupUi(this);
    setWindowTitle(u' ' + vt::vendor::kProduct + QStringLiteral(" - ") + vt::vendor::kName);
    ui->lnkWeb->setText(vt::vendor::kWebText);
    ui->lnkWeb->attachIcon(ui->imgWeb);
    connect(ui->lnkWeb, &vt::LinkLabel::clicked, this, &TfrmSplash::lnkWebClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

TfrmSplash::~TfrmSplash() = default;

void TfrmSplash::lnkWebClick() { TMisc::Open(vt::vendor::kWebAddress); }

void TfrmSplash::btnChiudiClick() { closeFromButton(); }
