#pragma once

#include "unpaid/InsolutiList.h"

// The list of unpaid receipts: money still to be collected.
class TfrmInsolutiEnt : public vt::UnpaidListWindow {
    Q_OBJECT
public:
    explicit TfrmInsolutiEnt(QWidget* owner = nullptr)
        : vt::UnpaidListWindow(owner, vt::unpaid::Kind::Entrate) {}
};
