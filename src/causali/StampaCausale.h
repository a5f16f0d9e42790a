#pragma once

#include <memory>

#include "report/CardPrint.h"

namespace Ui {
class TfrmStampaCausale;
}

// Prints the causale card as it is on screen, saved or not, as a one-page
// information sheet.
class TfrmStampaCausale : public vt::CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaCausale(QWidget* owner = nullptr);
    ~TfrmStampaCausale() override;

protected:
    const QWidget* card() const override;

private:
    std::unique_ptr<Ui::TfrmStampaCausale> ui;
};
