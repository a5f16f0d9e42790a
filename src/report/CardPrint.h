#pragma once

#include "app/windows.h"
#include "report/Report.h"
#include "report/logic/cardsheet.h"

namespace vt {

// The print window of a card editor: a printer picture, "Stampa" and
// "Annulla" (a concrete window's form names them imgStampante, btnStampa
// and btnAnnulla). "Stampa" fills the sheet from the card as it is on
// screen, saved or not, prints it without a preview and closes the window.
class CardPrintWindow : public DialogWindow {
    Q_OBJECT
public:
    CardPrintWindow(QWidget* owner, report::CardSheet sheet);

    // The layout "repDocumento", filled from the card by btnStampa.
    Report& repDocumento() { return repDocumento_; }
    // Fills the value memos and the footer from the card.
    void fillFromCard();

protected:
    // Connects the form's controls; a concrete window calls it once its
    // form is set up.
    void setUpControls();
    // The card whose controls are printed.
    virtual const QWidget* card() const = 0;

private:
    void btnStampaClick();
    void btnAnnullaClick();

    report::CardSheet sheet_;
    Report repDocumento_;
};

}  // namespace vt
