#include "app/Info.h"

#include "app/OpenURL.h"
#include "app/logic/vendor.h"
#include "ui_Info.h"

TfrmInfo::TfrmInfo(QWidget* owner) : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmInfo>()) {
    ui->setupUi(this);
    ui->lblProduttore->setText(QStringLiteral("Un prodotto di %1").arg(vt::vendor::kName));
    ui->lnkWeb->setText(vt::vendor::kMailAddress);
    ui->lnkWeb->attachIcon(ui->imgEmail);
    connect(ui->lnkWeb, &vt::LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
}

TfrmInfo::~TfrmInfo() = default;

void TfrmInfo::lnkWebClick() { TMisc::Open(vt::vendor::mailRequest()); }

void TfrmInfo::btnChiudiClick() { closeFromButton(); }
