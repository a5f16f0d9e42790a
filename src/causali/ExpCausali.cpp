#include "causali/ExpCausali.h"

#include "archive/recordfile.h"
#include "causali/logic/exportcausali.h"

TfrmExpCausali::TfrmExpCausali(QWidget* owner)
    : vt::ExportWindow(owner, vt::expcau::definition()) {}

vt::exporting::Rows TfrmExpCausali::loadRows() {
    return vt::expcau::rows(vt::causaliFilePath());
}
