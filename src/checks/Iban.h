#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmIban;
}

// Checks the check digits of an Italian IBAN of 27 characters. Created for
// each use; the opener puts its field's text in with setIban().
class TfrmIban : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* owner = nullptr);
    ~TfrmIban() override;

    void setIban(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnControllaClick();
    void btnChiudiClick();

private:
    std::unique_ptr<Ui::TfrmIban> ui;
};
