#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmInfo;
}

// About the program, with the vendor's contact address as a mail link.
class TfrmInfo : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* owner);
    ~TfrmInfo() override;

private:
    void lnkWebClick();
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmInfo> ui;
};
