#include "movements/Movimenti.h"

#include "ui_Movimenti.h"

TfrmMovimenti::TfrmMovimenti(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMovimenti>()) {
    ui->setupUi(this);
}

TfrmMovimenti::~TfrmMovimenti() = default;

void TfrmMovimenti::loadRecord(const vt::MovementRecord&, qint64) {}
