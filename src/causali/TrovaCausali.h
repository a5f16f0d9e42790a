#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "app/windows.h"
#include "archive/records.h"
#include "output/logic/listlogic.h"

namespace Ui {
class TfrmTrovaCausali;
}
namespace vt {
class ListFinder;
}

// The list of every causale, sorted, with find and print. A double-click
// sends the chosen causale where lblMemory says: "causali" calls it up in
// the causale card for editing, "movimenti" copies it into the movement
// being written.
class TfrmTrovaCausali : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCausali(QWidget* owner = nullptr);
    ~TfrmTrovaCausali() override;

    void setMemory(const QString& memory);
    // What "movimenti" does with the chosen causale: the movement card
    // that opens the list hands in how it takes one.
    using MovementImport = std::function<void(const vt::CausaleRecord& record)>;
    void setMovementImport(MovementImport import) { import_ = std::move(import); }

    static QString printTitle();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected);
    void btnStampaClick();
    void closeWindow();

    std::unique_ptr<Ui::TfrmTrovaCausali> ui;
    vt::ListFinder* finder_ = nullptr;
    QString lastKey_;
    MovementImport import_;
    bool shown_ = false;
};
