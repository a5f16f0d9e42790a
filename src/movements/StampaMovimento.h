#pragma once

#include <memory>

#include "app/windows.h"
#include "report/Report.h"

namespace Ui {
class TfrmStampaMovimento;
}

// Prints the movement card as it is on screen, saved or not, as a one-page
// information sheet.
class TfrmStampaMovimento : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmStampaMovimento(QWidget* owner = nullptr);
    ~TfrmStampaMovimento() override;

    // The layout "repDocumento", filled from the card by btnStampa.
    vt::Report& repDocumento() { return repDocumento_; }
    // Fills the value memos and the footer from the movement card.
    void fillFromCard();

private:
    void btnStampaClick();
    void btnAnnullaClick();

    std::unique_ptr<Ui::TfrmStampaMovimento> ui;
    vt::Report repDocumento_;
};
