#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmMenuMovimenti;
}

// Year selection of the movements register: "Apri" hands the year file to
// the movement card editor and shows it.
class TfrmMenuMovimenti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuMovimenti(QWidget* parent = nullptr);
    ~TfrmMenuMovimenti() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeStep() override;

private slots:
    void btnApriPreventiviClick();
    void imgGuidaClick();
    void imgEsciClick();

private:
    std::unique_ptr<Ui::TfrmMenuMovimenti> ui;
};
