#pragma once

#include <memory>

#include "app/windows.h"

class QLineEdit;

namespace Ui {
class TfrmMenuStats;
}

// The statistics menu: a year for each of the three charts, and the chart
// window opened on it.
class TfrmMenuStats : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuStats(QWidget* parent = nullptr);
    ~TfrmMenuStats() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnApriPreventiviClick();
    void btnApriNDCClick();
    void btnApriDDTClick();
    void imgGuidaClick();
    void imgEsciClick();

private:
    // Checks the year, hands its file over and opens the chart window D.
    template <typename D>
    void openChart(QLineEdit* year, const QString& titleStart);

    std::unique_ptr<Ui::TfrmMenuStats> ui;
};
