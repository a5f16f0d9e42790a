#pragma once

#include <memory>

#include "app/windows.h"

class QComboBox;

namespace Ui {
class TfrmMenuBilancio;
}

// Period selection of the balance: year, optional causale, first and last
// day of the range. "Visualizza riepilogo" checks them, builds the limit
// dates and the year file, and opens the balance sheet.
class TfrmMenuBilancio : public vt::ScreenWindow {
    Q_OBJECT
public:
    explicit TfrmMenuBilancio(QWidget* parent = nullptr);
    ~TfrmMenuBilancio() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void txtAnnoChange();
    void btnVisualizzaMouseDown();
    void btnVisualizzaClick();
    void btnEsciClick();
    // What a day or month drop-down keeps when the focus leaves it.
    void checkLeftField(QComboBox* field);

    std::unique_ptr<Ui::TfrmMenuBilancio> ui;
};
