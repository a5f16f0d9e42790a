#include "balance/MenuBilancio.h"

#include "ui_MenuBilancio.h"

TfrmMenuBilancio::TfrmMenuBilancio(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuBilancio>()) {
    ui->setupUi(this);
}

TfrmMenuBilancio::~TfrmMenuBilancio() = default;
