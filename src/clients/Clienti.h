#pragma once

#include <memory>

#include "app/windows.h"
#include "archive/records.h"
#include "clients/logic/card.h"

namespace Ui {
class TfrmClienti;
}

class QComboBox;
class QLineEdit;

// The registry card editor: one payer or beneficiary at a time, new or
// stored at a position of Clienti.pro.
class TfrmClienti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget* parent = nullptr);
    ~TfrmClienti() override;

    // Shows a record of Clienti.pro on the card, as the browsing buttons
    // do: every field, the hidden attachment labels and lblPosizione (set to
    // `position`); a Ricontatta that is neither "S\u00EC" nor "No" leaves the
    // box as it was. Used by the lists that load a card.
    void loadRecord(const vt::ClientRecord& record, qint64 position);

    // The card as plain texts, and back. Other windows may also reach the
    // controls by their object names.
    vt::clients::CardTexts cardTexts() const;
    void setCardTexts(const vt::clients::CardTexts& card);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdFileClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void btnEmailClick();

    // Buttons that open the registry's lists, printing and export.
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();

private:
    void clearCard();
    void navigate(vt::card::Move move);
    QWidget* control(const char* name) const;
    QList<QComboBox*> provinces() const;

    std::unique_ptr<Ui::TfrmClienti> ui;
};
