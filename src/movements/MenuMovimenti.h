#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmMenuMovimenti;
}

class TfrmMenuMovimenti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuMovimenti(QWidget* parent = nullptr);
    ~TfrmMenuMovimenti() override;

private:
    std::unique_ptr<Ui::TfrmMenuMovimenti> ui;
};
