#include "movements/SospesiMov.h"

#include "app/base/services.h"
#include "movements/Movimenti.h"
#include "movements/logic/duepayments.h"
#include "output/ListPrint.h"
#include "output/ListWidgets.h"
#include "output/fillreport.h"
#include "ui_SospesiMov.h"

namespace {

// The year file open in the movement card.
QString openYearFile() {
    auto* card = vt::screens::get<TfrmMovimenti>();
    return card ? card->yearFile() : QString();
}

}  // namespace

TfrmSospesiMov::TfrmSospesiMov(QWidget* owner) : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmSospesiMov>()) {
    ui->setupUi(this);
    vt::setUpRecordList(ui->lstRecords);
    finder_ = new vt::ListFinder(ui->lstRecords, ui->txtTrova, ui->btnTrova, &lastKey_, this);
    ui->btnTrova->setAutoDefault(false);
    ui->btnStampa->setAutoDefault(false);
    ui->btnChiudi->setAutoDefault(false);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmSospesiMov::closeWindow);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmSospesiMov::btnStampaClick);
    vt::onRecordListDoubleClick(ui->lstRecords, [this](const std::optional<vt::list::ListLine>& selected) {
        lstRecordsDblClick(selected);
    });
}

TfrmSospesiMov::~TfrmSospesiMov() = default;

void TfrmSospesiMov::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmSospesiMov::FormShow() {
    finder_->reset();
    // A record that cannot be judged is left out and named afterwards; a
    // file that cannot be read ends the list, keeping the lines before it,
    // and is reported.
    vt::list::CollectedLines due = vt::due::dueList(openYearFile(), vt::today());
    vt::fillRecordList(ui->lstRecords, std::move(due.lines));
    ui->txtTrova->setFocus();
    vt::reportFill(this, due.failure, vt::due::skippedNotice(due.skipped));
}

void TfrmSospesiMov::lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected) {
    auto* card = vt::screens::get<TfrmMovimenti>();
    // With no line selected the window just closes.
    if (selected && card) card->loadListedLine(*selected);
    closeWindow();
}

void TfrmSospesiMov::btnStampaClick() {
    vt::printList(this, printTitle(), vt::recordListLines(ui->lstRecords));
}

void TfrmSospesiMov::closeWindow() {
    ui->lstRecords->clear();
    closeFromButton(QDialog::Accepted);
}
