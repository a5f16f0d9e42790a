#include "movements/StampaMovimento.h"

#include "movements/Movimenti.h"
#include "movements/logic/printcard.h"
#include "ui_StampaMovimento.h"

TfrmStampaMovimento::TfrmStampaMovimento(QWidget* owner)
    : vt::CardPrintWindow(owner, vt::movprint::sheet()), ui(std::make_unique<Ui::TfrmStampaMovimento>()) {
    ui->setupUi(this);
    setUpControls();
}

TfrmStampaMovimento::~TfrmStampaMovimento() = default;

const QWidget* TfrmStampaMovimento::card() const {
    // The card that opened this window, or the one movement card.
    if (auto* opener = qobject_cast<TfrmMovimenti*>(parentWidget())) return opener;
    return vt::screens::get<TfrmMovimenti>();
}
