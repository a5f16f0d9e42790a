#pragma once

#include <memory>

#include "app/windows.h"
#include "archive/records.h"
#include "causali/logic/card.h"

namespace Ui {
class TfrmCausali;
}

// The causali archive's card editor: one causale of Causali.pro at a time,
// new cards, saving, duplicating and browsing in file order.
class TfrmCausali : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmCausali(QWidget* parent = nullptr);
    ~TfrmCausali() override;

    // Shows a record of Causali.pro on the card, as the navigation buttons
    // do, and sets lblPosizione to `position`. Used by the causali list.
    void loadRecord(const vt::CausaleRecord& record, qint64 position);

    // The card as plain texts, and back. Other windows may also reach the
    // controls by their object names.
    vt::causali::CardTexts cardTexts() const;
    void setCardTexts(const vt::causali::CardTexts& card);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCentsClick();
    void txtImportoExit();
    void optEntrataClick();
    void optUscitaClick();
    void impPagatoreClick();
    void impBeneficiarioClick();
    void chkCodFiscClick();
    void chkIvaClick();
    void sndEmailClick();

    void clearCard();
    void navigate(vt::card::Move move);
    void showDirection(bool incoming);
    QWidget* fieldWidget(vt::causali::CheckField field) const;

    std::unique_ptr<Ui::TfrmCausali> ui;
};
