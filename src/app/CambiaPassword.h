#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmCambiaPassword;
}

class TfrmCambiaPassword : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);
    ~TfrmCambiaPassword() override;

private:
    std::unique_ptr<Ui::TfrmCambiaPassword> ui;
};
