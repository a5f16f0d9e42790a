#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmMenuBilancio;
}

class TfrmMenuBilancio : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuBilancio(QWidget* parent = nullptr);
    ~TfrmMenuBilancio() override;

private:
    std::unique_ptr<Ui::TfrmMenuBilancio> ui;
};
