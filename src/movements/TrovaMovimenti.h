#pragma once

#include <memory>
#include <optional>

#include "app/windows.h"
#include "output/logic/listlogic.h"

namespace Ui {
class TfrmTrovaMovimenti;
}
namespace vt {
class ListFinder;
}

// Finds movements of the year open in the movement card by up to ten
// filters, lists them, and loads a double-clicked one back into the card.
class TfrmTrovaMovimenti : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaMovimenti(QWidget* owner = nullptr);
    ~TfrmTrovaMovimenti() override;

    // Who asked: the movement card sets "movimenti" before showing it.
    void setMemory(const QString& memory);

    static QString printTitle() { return QStringLiteral("Riepilogo movimenti in archivio"); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnCercaMouseDown();
    void btnCercaClick();
    void lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected);
    void btnStampaClick();
    void closeWindow();

    std::unique_ptr<Ui::TfrmTrovaMovimenti> ui;
    vt::ListFinder* finder_ = nullptr;
    QString lastKey_;
    bool shown_ = false;
};
