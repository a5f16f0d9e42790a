#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmCarta;
}

// Checks a credit card number (Luhn) and names the card type from its first
// digits. Created for each use; the opener puts its field's text in with
// setNumber().
class TfrmCarta : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget* owner = nullptr);
    ~TfrmCarta() override;

    void setNumber(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnControllaClick();
    void btnChiudiClick();

private:
    std::unique_ptr<Ui::TfrmCarta> ui;
};
