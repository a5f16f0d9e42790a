#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmAvvio;
}

class TfrmAvvio : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);
    ~TfrmAvvio() override;

private:
    std::unique_ptr<Ui::TfrmAvvio> ui;
};
