#include "app/CambiaPassword.h"

#include "ui_CambiaPassword.h"

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmCambiaPassword>()) {
    ui->setupUi(this);
}

TfrmCambiaPassword::~TfrmCambiaPassword() = default;
