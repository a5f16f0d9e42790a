#include "movements/TrovaMovimenti.h"

#include <QLineEdit>

#include "app/conventions.h"
#include "archive/codec.h"
#include "movements/Movimenti.h"
#include "movements/logic/searchmovements.h"
#include "output/ListPrint.h"
#include "output/ListWidgets.h"
#include "ui_TrovaMovimenti.h"

namespace {

// The year file open in the movement card.
QString openYearFile() {
    auto* card = vt::screens::get<TfrmMovimenti>();
    return card ? card->yearFile() : QString();
}

}  // namespace

TfrmTrovaMovimenti::TfrmTrovaMovimenti(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmTrovaMovimenti>()) {
    ui->setupUi(this);
    vt::setUpRecordList(ui->lstRecords);
    finder_ = new vt::ListFinder(ui->lstRecords, ui->txtTrova, ui->btnTrova, &lastKey_, this);
    vt::installFocusHighlights(this);
    vt::installEnterChain({ui->txtData, ui->txtDataSca, ui->txtCausale, ui->txtPromemoria, ui->txtPagatore,
                           ui->txtCategoria, ui->txtBeneficiario, ui->txtRicevuta, ui->txtTariffa, ui->txtNote});
    ui->btnCerca->setAutoDefault(false);
    ui->btnAnnulla->setAutoDefault(false);
    ui->btnTrova->setAutoDefault(false);
    ui->btnStampa->setAutoDefault(false);
    ui->btnChiudi->setAutoDefault(false);
    connect(ui->btnCerca, &QPushButton::pressed, this, &TfrmTrovaMovimenti::btnCercaMouseDown);
    connect(ui->btnCerca, &QPushButton::clicked, this, &TfrmTrovaMovimenti::btnCercaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaMovimenti::closeWindow);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmTrovaMovimenti::closeWindow);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmTrovaMovimenti::btnStampaClick);
    vt::onRecordListDoubleClick(ui->lstRecords, [this](const std::optional<vt::list::ListLine>& selected) {
        lstRecordsDblClick(selected);
    });
}

TfrmTrovaMovimenti::~TfrmTrovaMovimenti() = default;

void TfrmTrovaMovimenti::setMemory(const QString& memory) { ui->lblMemory->setText(memory); }

void TfrmTrovaMovimenti::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmTrovaMovimenti::FormShow() {
    finder_->reset();
    ui->txtData->setFocus();
}

void TfrmTrovaMovimenti::btnCercaMouseDown() {
    ui->lblAttendere->setVisible(true);
    ui->lblAttendere->repaint();
}

void TfrmTrovaMovimenti::btnCercaClick() {
    const vt::movsearch::Filters filters{
        ui->txtData->text(),      ui->txtDataSca->text(),      ui->txtCausale->text(), ui->txtPromemoria->text(),
        ui->txtPagatore->text(),  ui->txtCategoria->text(),    ui->txtBeneficiario->text(),
        ui->txtRicevuta->text(),  ui->txtTariffa->text(),      ui->txtNote->text(),
    };
    ui->lblConta->setText(QString::number(vt::movsearch::filledCount(filters)));
    const vt::movsearch::SearchResult result = vt::movsearch::search(openYearFile(), filters);
    vt::fillRecordList(ui->lstRecords, result.lines);
    if (result.failure) {
        // The search panel stays; what was read stays in the hidden list.
        ui->lblAttendere->setVisible(false);
        vt::notice(this, vt::accessFailureMessage());
        return;
    }
    ui->lblTrovate->setText(vt::movsearch::countText(ui->lstRecords->count()));
    ui->panContainer->setVisible(true);
    ui->panAvvio->setVisible(false);
    ui->txtTrova->clear();
    ui->txtTrova->setFocus();
}

void TfrmTrovaMovimenti::lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected) {
    auto* card = vt::screens::get<TfrmMovimenti>();
    if (selected && card && vt::trimmed(ui->lblMemory->text()) == QLatin1String("movimenti"))
        card->loadListedLine(*selected);
    // A line loaded, no line selected or a file that cannot be read: the
    // window closes without a message.
    closeWindow();
}

void TfrmTrovaMovimenti::btnStampaClick() {
    vt::printList(this, printTitle(), vt::recordListLines(ui->lstRecords));
}

void TfrmTrovaMovimenti::closeWindow() {
    ui->lstRecords->clear();
    ui->lblAttendere->setVisible(false);
    closeFromButton(QDialog::Accepted);
}
