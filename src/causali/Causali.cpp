#include "causali/Causali.h"

#include "ui_Causali.h"

TfrmCausali::TfrmCausali(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmCausali>()) {
    ui->setupUi(this);
}

TfrmCausali::~TfrmCausali() = default;
