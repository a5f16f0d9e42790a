#include "app/Avvio.h"

#include "ui_Avvio.h"

TfrmAvvio::TfrmAvvio(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmAvvio>()) {
    ui->setupUi(this);
}

TfrmAvvio::~TfrmAvvio() = default;
