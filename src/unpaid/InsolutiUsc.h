#pragma once

#include "unpaid/InsolutiList.h"

// The list of unpaid payments: money still owed.
class TfrmInsolutiUsc : public vt::UnpaidListWindow {
    Q_OBJECT
public:
    explicit TfrmInsolutiUsc(QWidget* owner = nullptr)
        : vt::UnpaidListWindow(owner, vt::unpaid::Kind::Uscite) {}
};
