#pragma once

#include <memory>

#include "app/windows.h"

class QLineEdit;

namespace Ui {
class TfrmMenuInsoluti;
}

// Unpaid payments menu: a year for each of the three lists; "Visualizza"
// puts the year file's path in lblFile and opens the section's list.
class TfrmMenuInsoluti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuInsoluti(QWidget* parent = nullptr);
    ~TfrmMenuInsoluti() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnApriPreventiviClick();
    void btnApriNDCClick();
    void btnApriDDTClick();
    void imgGuidaClick();
    void imgEsciClick();

private:
    // Checks the year typed in `year`; on success sets lblFile and runs the
    // list window `D`.
    template <typename D>
    void openList(QLineEdit* year);

    std::unique_ptr<Ui::TfrmMenuInsoluti> ui;
};
