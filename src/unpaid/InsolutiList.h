#pragma once

#include <QString>

#include "output/ExportWindow.h"
#include "unpaid/logic/unpaid.h"

namespace vt {

// The list of one kind of unpaid payments of the year chosen in the unpaid
// payments menu, read once when the window opens; the notes and the settled
// flag may be changed in the grid for the export, never in the year file.
class UnpaidListWindow : public ExportWindow {
    Q_OBJECT
public:
    UnpaidListWindow(QWidget* owner, unpaid::Kind kind);

    unpaid::Kind listKind() const { return kind_; }
    // The year file to read. When not set, the window reads the one named by
    // the menu's hidden label lblFile.
    void setYearFile(const QString& path) { yearFile_ = path; }
    QString yearFile() const;

protected:
    exporting::Rows loadRows() override;

private:
    unpaid::Kind kind_;
    QString yearFile_;
};

}  // namespace vt
