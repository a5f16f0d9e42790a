#include "clients/TrovaClienti.h"

#include <QLineEdit>

#include "app/conventions.h"
#include "archive/recordfile.h"
#include "clients/RegistryLists.h"
#include "clients/logic/registrysearch.h"
#include "output/ListPrint.h"
#include "output/ListWidgets.h"
#include "ui_TrovaClienti.h"

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmTrovaClienti>()) {
    ui->setupUi(this);
    ui->lblTrovate->setText(vt::clisearch::initialCountText());
    vt::setUpRecordList(ui->lstRecords);
    finder_ = new vt::ListFinder(ui->lstRecords, ui->txtTrova, ui->btnTrova, &lastKey_, this);
    vt::installFocusHighlights(this);
    vt::installEnterChain({ui->txtCliente, ui->txtComuneRes, ui->txtPartitaIva, ui->txtCodFisc,
                           ui->txtDocumento, ui->txtOccupazione, ui->txtProdotti, ui->txtZona,
                           ui->txtQuestioni, ui->txtNote});
    for (QPushButton* b :
         {ui->btnCerca, ui->btnAnnulla, ui->btnTrova, ui->btnStampa, ui->btnChiudi})
        b->setAutoDefault(false);
    connect(ui->btnCerca, &QPushButton::pressed, this, &TfrmTrovaClienti::btnCercaMouseDown);
    connect(ui->btnCerca, &QPushButton::clicked, this, &TfrmTrovaClienti::btnCercaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaClienti::closeWindow);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmTrovaClienti::closeWindow);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmTrovaClienti::btnStampaClick);
    vt::onRecordListDoubleClick(ui->lstRecords,
                                [this](const std::optional<vt::list::ListLine>& selected) {
                                    lstRecordsDblClick(selected);
                                });
}

TfrmTrovaClienti::~TfrmTrovaClienti() = default;

void TfrmTrovaClienti::setMemory(const QString& memory) {
    ui->lblMemory->setText(memory);
}

void TfrmTrovaClienti::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmTrovaClienti::FormShow() {
    finder_->reset();
    ui->txtCliente->setFocus();
}

void TfrmTrovaClienti::btnCercaMouseDown() {
    ui->lblAttendere->setVisible(true);
    ui->lblAttendere->repaint();
}

void TfrmTrovaClienti::btnCercaClick() {
    const vt::clisearch::Filters filters{
        ui->txtCliente->text(),  ui->txtComuneRes->text(), ui->txtPartitaIva->text(),
        ui->txtCodFisc->text(),  ui->txtDocumento->text(), ui->txtOccupazione->text(),
        ui->txtProdotti->text(), ui->txtZona->text(),      ui->txtQuestioni->text(),
        ui->txtNote->text(),
    };
    vt::clisearch::SearchResult result = vt::clisearch::search(vt::clientiFilePath(), filters);
    if (result.failure) {
        // The filter panel stays, ready for another try.
        ui->lstRecords->clear();
        ui->lblAttendere->setVisible(false);
        vt::notice(this, vt::accessFailureMessage());
        return;
    }
    vt::fillRecordList(ui->lstRecords, std::move(result.lines));
    ui->lblTrovate->setText(vt::clisearch::countText(ui->lstRecords->count()));
    ui->panContainer->setVisible(true);
    ui->panAvvio->setVisible(false);
    ui->txtTrova->clear();
    ui->txtTrova->setFocus();
}

void TfrmTrovaClienti::lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected) {
    vt::clients::pickListed(selected, vt::clisearch::LastColumn::Note,
                            vt::clisearch::roleOf(ui->lblMemory->text()), parentWidget());
    // A card handed over, no line selected or a registry that cannot be
    // read: the window closes without a message.
    closeWindow();
}

void TfrmTrovaClienti::btnStampaClick() {
    vt::printList(this, printTitle(), vt::recordListLines(ui->lstRecords));
}

void TfrmTrovaClienti::closeWindow() {
    ui->lstRecords->clear();
    ui->lblAttendere->setVisible(false);
    closeFromButton(QDialog::Accepted);
}
