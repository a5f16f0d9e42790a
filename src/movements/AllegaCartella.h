#pragma once

#include <array>
#include <memory>

#include "app/windows.h"

class QLineEdit;
class QPushButton;
class QToolButton;

namespace Ui {
class TfrmAllegaCartella;
}

// Edits the three attachment slots of the card that opened it: each slot's
// file is copied into the attachment folder beside the program, and
// "Applica e chiudi" hands the names and descriptions back to the card's
// hidden labels lblFile01..03 and lblDesc01..03.
class TfrmAllegaCartella : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* owner = nullptr);
    ~TfrmAllegaCartella() override;

    // The way a card opens the window: lblMemory is "movimenti" or
    // "clienti", and the six fields receive the card's labels, trimmed.
    static void openFor(QWidget* card, const QString& memory);

    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* browse;
        QPushButton* open;
        QToolButton* clear;
    };
    void txtFileChange(int slot);

    std::unique_ptr<Ui::TfrmAllegaCartella> ui;
    std::array<Slot, 3> slots_{};
};
