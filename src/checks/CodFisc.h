#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmCodFisc;
}

// Checks a fiscal code by its check character and says whether it is valid.
// Created for each use; the opener puts its field's text in with setCode().
class TfrmCodFisc : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* owner = nullptr);
    ~TfrmCodFisc() override;

    void setCode(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnControllaClick();
    void btnChiudiClick();

private:
    std::unique_ptr<Ui::TfrmCodFisc> ui;
};
