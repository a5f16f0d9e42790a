#pragma once

#include "output/ExportWindow.h"

// Shows every card of the registry and exports them to "Anagrafica.xls".
class TfrmExpClienti : public vt::ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget* owner = nullptr);

protected:
    vt::exporting::Rows loadRows() override;
};
