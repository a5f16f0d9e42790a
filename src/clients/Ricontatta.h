#pragma once

#include <memory>
#include <optional>

#include "app/windows.h"
#include "output/logic/listlogic.h"

namespace Ui {
class TfrmRicontatta;
}
namespace vt {
class ListFinder;
}

// The people marked "Da ricontattare", listed when the window opens (not
// refreshed while it stays open); a double-click loads the card into the
// registry card.
class TfrmRicontatta : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget* owner = nullptr);
    ~TfrmRicontatta() override;

    static QString printTitle() { return QStringLiteral("Riepilogo persone da ricontattare"); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected);
    void btnStampaClick();
    void closeWindow();

    std::unique_ptr<Ui::TfrmRicontatta> ui;
    vt::ListFinder* finder_ = nullptr;
    QString lastKey_;
    bool shown_ = false;
};
