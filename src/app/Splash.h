#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmSplash;
}

// The vendor's window: their picture and a link to their web page.
class TfrmSplash : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner);
    ~TfrmSplash() override;

private:
    void lnkWebClick();
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmSplash> ui;
};
