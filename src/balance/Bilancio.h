#pragma once

#include <memory>

#include "app/windows.h"
#include "balance/logic/balance.h"

namespace Ui {
class TfrmBilancio;
}
namespace vt {
class ListFinder;
}

// The balance sheet of a period: computes its list and totals when shown,
// finds a line by text, prints the sheet and shows its help page.
class TfrmBilancio : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmBilancio(QWidget* owner = nullptr);
    ~TfrmBilancio() override;

    // What the period selection asks for: causale filter as typed, year
    // file, first and last day.
    void setRequest(const vt::balance::Request& request);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnStampaClick();
    void imgGuidaClick();
    void btnEsciClick();
    void showTotals(const QString& receipts, const QString& payments, const QString& balance);

    std::unique_ptr<Ui::TfrmBilancio> ui;
    vt::ListFinder* finder_ = nullptr;
    vt::balance::Request request_;
    bool shown_ = false;
};
