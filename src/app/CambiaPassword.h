#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmCambiaPassword;
}

// Changes the login password; closing it leads back to the login window.
class TfrmCambiaPassword : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);
    ~TfrmCambiaPassword() override;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeStep() override;

private:
    void txtChange();
    void cmdOKClick();
    void cmdEsciClick();

    std::unique_ptr<Ui::TfrmCambiaPassword> ui;
};
