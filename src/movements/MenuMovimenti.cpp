#include "movements/MenuMovimenti.h"

#include "ui_MenuMovimenti.h"

TfrmMenuMovimenti::TfrmMenuMovimenti(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuMovimenti>()) {
    ui->setupUi(this);
}

TfrmMenuMovimenti::~TfrmMenuMovimenti() = default;
