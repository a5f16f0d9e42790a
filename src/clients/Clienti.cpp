#include "clients/Clienti.h"

#include "ui_Clienti.h"

TfrmClienti::TfrmClienti(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmClienti>()) {
    ui->setupUi(this);
}

TfrmClienti::~TfrmClienti() = default;
