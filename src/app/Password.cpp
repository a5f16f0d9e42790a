#include "app/Password.h"

#include "ui_Password.h"

TfrmPassword::TfrmPassword(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmPassword>()) {
    ui->setupUi(this);
}

TfrmPassword::~TfrmPassword() = default;
