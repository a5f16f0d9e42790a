#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmAvvio;
}

// The main menu: six tiles, one per working area, and the small controls
// for information, help, the vendor and leaving the program.
class TfrmAvvio : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);
    ~TfrmAvvio() override;

protected:
    // Closing the main menu, in any way, ends the program.
    void closeStep() override;

private:
    void openArea(const char* windowClass);
    void imgInfoClick();
    void imgGuidaClick();
    void imgProduttoreClick();
    void icoSitoClick();
    void imgEsciClick();

    std::unique_ptr<Ui::TfrmAvvio> ui;
};
