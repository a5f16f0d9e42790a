#include "causali/TrovaCausali.h"

#include <QLineEdit>
#include <QListWidget>

#include "archive/codec.h"
#include "archive/recordfile.h"
#include "causali/Causali.h"
#include "causali/logic/listcausali.h"
#include "output/ListPrint.h"
#include "output/ListWidgets.h"
#include "output/fillreport.h"
#include "ui_TrovaCausali.h"

TfrmTrovaCausali::TfrmTrovaCausali(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmTrovaCausali>()) {
    ui->setupUi(this);
    vt::setUpRecordList(ui->lstRecords);
    finder_ = new vt::ListFinder(ui->lstRecords, ui->txtTrova, ui->btnTrova, &lastKey_, this);
    for (QPushButton* b : {ui->btnTrova, ui->btnStampa, ui->btnChiudi}) b->setAutoDefault(false);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmTrovaCausali::closeWindow);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmTrovaCausali::btnStampaClick);
    vt::onRecordListDoubleClick(ui->lstRecords,
                                [this](const std::optional<vt::list::ListLine>& selected) {
                                    lstRecordsDblClick(selected);
                                });
}

TfrmTrovaCausali::~TfrmTrovaCausali() = default;

QString TfrmTrovaCausali::printTitle() {
    return vt::causlist::caption();
}

void TfrmTrovaCausali::setMemory(const QString& memory) {
    ui->lblMemory->setText(memory);
}

void TfrmTrovaCausali::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmTrovaCausali::FormShow() {
    vt::list::CollectedLines read = vt::causlist::lines(vt::causaliFilePath());
    vt::fillRecordList(ui->lstRecords, std::move(read.lines));
    finder_->reset();
    ui->txtTrova->setFocus();
    // A list cut short is shown with what was read, but never as the whole
    // archive.
    vt::reportFill(this, read.failure);
}

void TfrmTrovaCausali::lstRecordsDblClick(const std::optional<vt::list::ListLine>& selected) {
    if (selected) {
        const auto match = vt::causlist::findLine(vt::causaliFilePath(), *selected);
        const QString memory = vt::trimmed(ui->lblMemory->text());
        if (match.record && memory == vt::causlist::kIntoCausaleCard) {
            auto* card = qobject_cast<TfrmCausali*>(parentWidget());
            if (!card) card = vt::screens::get<TfrmCausali>();
            if (card) card->loadRecord(*match.record, match.position);
        } else if (match.record && memory == vt::causlist::kIntoMovementCard && import_) {
            import_(*match.record);
        }
    }
    // Whatever happened, the window closes without a message.
    closeWindow();
}

void TfrmTrovaCausali::btnStampaClick() {
    vt::printList(this, printTitle(), vt::recordListLines(ui->lstRecords));
}

void TfrmTrovaCausali::closeWindow() {
    ui->lstRecords->clear();
    closeFromButton(QDialog::Accepted);
}
