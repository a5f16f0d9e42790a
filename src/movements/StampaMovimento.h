#pragma once

#include <memory>

#include "report/CardPrint.h"

namespace Ui {
class TfrmStampaMovimento;
}

// Prints the movement card as it is on screen, saved or not, as a one-page
// information sheet.
class TfrmStampaMovimento : public vt::CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaMovimento(QWidget* owner = nullptr);
    ~TfrmStampaMovimento() override;

protected:
    const QWidget* card() const override;

private:
    std::unique_ptr<Ui::TfrmStampaMovimento> ui;
};
