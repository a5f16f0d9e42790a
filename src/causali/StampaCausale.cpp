#include "causali/StampaCausale.h"

#include "causali/Causali.h"
#include "causali/logic/printcard.h"
#include "ui_StampaCausale.h"

TfrmStampaCausale::TfrmStampaCausale(QWidget* owner)
    : vt::CardPrintWindow(owner, vt::cauprint::sheet()),
      ui(std::make_unique<Ui::TfrmStampaCausale>()) {
    ui->setupUi(this);
    setUpControls();
}

TfrmStampaCausale::~TfrmStampaCausale() = default;

const QWidget* TfrmStampaCausale::card() const {
    // The card that opened this window, or the one causale card.
    if (auto* opener = qobject_cast<TfrmCausali*>(parentWidget())) return opener;
    return vt::screens::get<TfrmCausali>();
}
