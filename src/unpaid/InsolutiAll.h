#pragma once

#include "unpaid/InsolutiList.h"

// The list of every unpaid movement, receipts and payments.
class TfrmInsolutiAll : public vt::UnpaidListWindow {
    Q_OBJECT
public:
    explicit TfrmInsolutiAll(QWidget* owner = nullptr)
        : vt::UnpaidListWindow(owner, vt::unpaid::Kind::Tutti) {}
};
