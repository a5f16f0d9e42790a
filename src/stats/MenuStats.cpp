#include "stats/MenuStats.h"

#include "ui_MenuStats.h"

TfrmMenuStats::TfrmMenuStats(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuStats>()) {
    ui->setupUi(this);
}

TfrmMenuStats::~TfrmMenuStats() = default;
