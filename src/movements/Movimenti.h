#pragma once

#include <memory>

#include "app/windows.h"
#include "archive/records.h"

namespace Ui {
class TfrmMovimenti;
}

class TfrmMovimenti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMovimenti(QWidget* parent = nullptr);
    ~TfrmMovimenti() override;

    // Shows a record of the open year file on the card, as the navigation
    // buttons do: decodes every field into its control (a flag that is
    // neither "S\u00EC" nor "No" leaves its control as it was) and sets
    // lblPosizione to `position`. Used by the lists that load a movement.
    void loadRecord(const vt::MovementRecord& record, qint64 position);

private:
    std::unique_ptr<Ui::TfrmMovimenti> ui;
};
