#pragma once

#include <memory>

#include "app/windows.h"
#include "archive/records.h"
#include "movements/logic/card.h"
#include "output/logic/listlogic.h"

namespace Ui {
class TfrmMovimenti;
}

class QLineEdit;

class TfrmMovimenti : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMovimenti(QWidget* parent = nullptr);
    ~TfrmMovimenti() override;

    // Shows a record of the open year file on the card, as the navigation
    // buttons do: decodes every field into its control (a flag that is
    // neither "S\u00EC" nor "No" leaves its control as it was) and sets
    // lblPosizione to `position`. Used by the lists that load a movement.
    void loadRecord(const vt::MovementRecord& record, qint64 position);
    // Loads the movement a list shows as `line`, read again from the year
    // file: the record at the line's position when it still composes the
    // line, else the last record in file order that does. Nothing happens
    // when no record matches or the file cannot be read.
    void loadListedLine(const vt::list::ListLine& line);
    // The full path of the year file open in the card (its lblFile).
    QString yearFile() const;

    // The card as plain texts, and back. Other windows may also reach the
    // controls by their object names.
    vt::card::CardTexts cardTexts() const;
    void setCardTexts(const vt::card::CardTexts& card);

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
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCentsClick();
    void txtImportoExit();
    void optEntrataClick();
    void optUscitaClick();
    void impDataClick();
    void impDataScaClick();
    void chkCodFiscClick();
    void chkIvaClick();
    void sndEmailClick();

    // Buttons that open windows built elsewhere.
    void impCausaleClick();
    void impPagatoreClick();
    void impBeneficiarioClick();
    void cmdTrovaClick();
    void cmdScadenzeClick();
    void cmdStampaClick();
    void cmdEsportaClick();
    void cmdFileClick();

private:
    void clearCard();
    void navigate(vt::card::Move move);
    void showDirection(bool incoming);
    void openDatePicker(QLineEdit* field);
    QWidget* fieldWidget(vt::card::Check::Field field) const;

    std::unique_ptr<Ui::TfrmMovimenti> ui;
};
