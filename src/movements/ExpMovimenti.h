#pragma once

#include <QString>

#include "output/ExportWindow.h"

// Shows every movement of the year open in the movement card and exports
// them to "Movimenti.xls".
class TfrmExpMovimenti : public vt::ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpMovimenti(QWidget* owner = nullptr);

    // The year file to read. When not set, the window reads the one named by
    // the movement card's hidden label lblFile.
    void setYearFile(const QString& path) { yearFile_ = path; }
    QString yearFile() const;

protected:
    vt::exporting::Rows loadRows() override;

private:
    QString yearFile_;
};
