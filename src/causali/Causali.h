#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmCausali;
}

class TfrmCausali : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmCausali(QWidget* parent = nullptr);
    ~TfrmCausali() override;

private:
    std::unique_ptr<Ui::TfrmCausali> ui;
};
