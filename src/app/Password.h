#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmPassword;
}

// The login window, the program's main window: the right password leads to
// the main menu.
class TfrmPassword : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);
    ~TfrmPassword() override;

    // Empties the entry (and the scratch label) before the window is shown
    // again.
    void clearEntry();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the login window ends the program.
    void closeStep() override;

private:
    void txtPasswordChange();
    void txtPasswordEnter();
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void cmdEsciClick();

    std::unique_ptr<Ui::TfrmPassword> ui;
};
