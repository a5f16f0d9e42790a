#include "clients/Ricontatta.h"

#include <QLineEdit>

#include "archive/recordfile.h"
#include "clients/RegistryLists.h"
#include "clients/logic/registrysearch.h"
#include "output/ListPrint.h"
#include "output/ListWidgets.h"
#include "output/fillreport.h"
#include "ui_Ricontatta.h"

TfrmRicontatta::TfrmRicontatta(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmRicontatta>()) {
    ui->setupUi(this);
    vt::setUpRecordList(ui->lstRecords);
    finder_ = new vt::ListFinder(ui->lstRecords, ui->txtTrova, ui->btnTrova, &lastKey_, this);
    for (QPushButton* b : {ui->btnTrova, ui->btnStampa, ui->btnChiudi}) b->setAutoDefault(false);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmRicontatta::closeWindow);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmRicontatta::btnStampaClick);
    vt::onRecordListDoubleClick(ui->lstRecords,
                                [this](const std::optional<vt::list::ListLine>& selected) {
                                    lstRecordsDblClick(selected);
                                });
}

TfrmRicontatta::~TfrmRicontatta() = default;

void TfrmRicontatta::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmRicontatta::FormShow() {
    vt::clisearch::SearchResult result = vt::clisearch::recontactList(vt::clientiFilePath());
    vt::fillRecordList(ui->lstRecords, std::move(result.lines));
    finder_->reset();
    ui->txtTrova->setFocus();
    // A registry that cannot be read shows what was read, and says so: an
    // empty list must mean that nobody is waiting for a call.
    vt::reportFill(this, result.failure);
}

void TfrmRicontatta::lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected) {
    // The flag is not looked at again: the card is loaded as it is now.
    vt::clients::pickListed(selected, vt::clisearch::LastColumn::Questioni,
                            vt::clisearch::Role::Clienti, parentWidget());
    closeWindow();
}

void TfrmRicontatta::btnStampaClick() {
    vt::printList(this, printTitle(), vt::recordListLines(ui->lstRecords));
}

void TfrmRicontatta::closeWindow() {
    ui->lstRecords->clear();
    closeFromButton(QDialog::Accepted);
}
