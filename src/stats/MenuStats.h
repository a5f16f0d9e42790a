#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmMenuStats;
}

class TfrmMenuStats : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuStats(QWidget* parent = nullptr);
    ~TfrmMenuStats() override;

private:
    std::unique_ptr<Ui::TfrmMenuStats> ui;
};
