#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmClienti;
}

class TfrmClienti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget* parent = nullptr);
    ~TfrmClienti() override;

private:
    std::unique_ptr<Ui::TfrmClienti> ui;
};
