#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmMenuInsoluti;
}

class TfrmMenuInsoluti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuInsoluti(QWidget* parent = nullptr);
    ~TfrmMenuInsoluti() override;

private:
    std::unique_ptr<Ui::TfrmMenuInsoluti> ui;
};
