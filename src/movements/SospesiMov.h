#pragma once

#include <memory>
#include <optional>

#include "app/windows.h"
#include "output/logic/listlogic.h"

namespace Ui {
class TfrmSospesiMov;
}
namespace vt {
class ListFinder;
}

// Lists the unsettled movements of the open year whose notice period has
// begun or whose due date has passed; a double-click loads one into the
// movement card.
class TfrmSospesiMov : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmSospesiMov(QWidget* owner = nullptr);
    ~TfrmSospesiMov() override;

    static QString printTitle() { return QStringLiteral("Riepilogo pagamenti in scadenza o scaduti e non saldati"); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected);
    void btnStampaClick();
    void closeWindow();

    std::unique_ptr<Ui::TfrmSospesiMov> ui;
    vt::ListFinder* finder_ = nullptr;
    QString lastKey_;
    bool shown_ = false;
};
