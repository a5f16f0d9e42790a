#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmPartitaIva;
}

// Checks a VAT number by its check digit and names the VAT office that
// issued it. Created for each use; the opener puts its field's text in with
// setNumber().
class TfrmPartitaIva : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* owner = nullptr);
    ~TfrmPartitaIva() override;

    void setNumber(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnControllaClick();
    void btnChiudiClick();

private:
    std::unique_ptr<Ui::TfrmPartitaIva> ui;
};
