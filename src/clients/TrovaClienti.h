#pragma once

#include <memory>
#include <optional>

#include "app/windows.h"
#include "output/logic/listlogic.h"

namespace Ui {
class TfrmTrovaClienti;
}
namespace vt {
class ListFinder;
}

// Finds cards of the registry by up to ten filters, lists them, and hands a
// double-clicked one to the window that asked: the registry card, or the
// payer or beneficiary fields of a movement or causale card.
class TfrmTrovaClienti : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget* owner = nullptr);
    ~TfrmTrovaClienti() override;

    // Who asked, and where a picked card goes: "clienti",
    // "movimenti_pagatore", "movimenti_beneficiario", "causali_pagatore" or
    // "causali_beneficiario".
    void setMemory(const QString& memory);

    static QString printTitle() { return QStringLiteral("Riepilogo pagatori e beneficiari"); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnCercaMouseDown();
    void btnCercaClick();
    void lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected);
    void btnStampaClick();
    void closeWindow();

    std::unique_ptr<Ui::TfrmTrovaClienti> ui;
    vt::ListFinder* finder_ = nullptr;
    QString lastKey_;
    bool shown_ = false;
};
