#include "clients/ExpClienti.h"

#include "archive/recordfile.h"
#include "clients/logic/exportclients.h"

TfrmExpClienti::TfrmExpClienti(QWidget* owner)
    : vt::ExportWindow(owner, vt::expcli::definition()) {}

vt::exporting::Rows TfrmExpClienti::loadRows() {
    return vt::expcli::rows(vt::clientiFilePath());
}
