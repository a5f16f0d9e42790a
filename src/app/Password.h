#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmPassword;
}

class TfrmPassword : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);
    ~TfrmPassword() override;

private:
    std::unique_ptr<Ui::TfrmPassword> ui;
};
