#pragma once

#include "output/ExportWindow.h"

// Shows every causale of Causali.pro and exports them to "Causali.xls".
class TfrmExpCausali : public vt::ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCausali(QWidget* owner = nullptr);

protected:
    vt::exporting::Rows loadRows() override;
};
