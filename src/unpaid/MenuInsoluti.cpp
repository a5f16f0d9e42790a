#include "unpaid/MenuInsoluti.h"

#include "ui_MenuInsoluti.h"

TfrmMenuInsoluti::TfrmMenuInsoluti(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuInsoluti>()) {
    ui->setupUi(this);
}

TfrmMenuInsoluti::~TfrmMenuInsoluti() = default;
