#include "balance/Bilancio.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include "app/Guida.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "balance/logic/helppages.h"
#include "output/ListPrint.h"
#include "output/ListWidgets.h"
#include "report/Report.h"
#include "ui_Bilancio.h"

namespace {

// The last search text is one for every balance sheet of the run: a new
// sheet searched with the same text goes on after its selected line.
QString& lastSearchText() {
    static QString text;
    return text;
}

QString emptyPrintWarning() {
    return QStringLiteral(
        "Operazione di stampa non applicabile: la primanota non contiene nessun movimento in "
        "entrata o in "
        "uscita.");
}

}  // namespace

TfrmBilancio::TfrmBilancio(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmBilancio>()) {
    ui->setupUi(this);
    vt::setUpRecordList(ui->lstRecords);
    finder_ = new vt::ListFinder(ui->lstRecords, ui->txtTrova, ui->btnTrova, &lastSearchText(),
                                 this, vt::list::FindCase::AllLetters);
    ui->imgGuida->setIcon(vt::icon(QStringLiteral("guida")));
    QPalette darkRed = ui->lblTotUscite->palette();
    darkRed.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    ui->lblTotUscite->setPalette(darkRed);
    vt::installFocusHighlights(this);
    for (QPushButton* button : {ui->btnTrova, ui->btnStampa, ui->btnEsci})
        button->setAutoDefault(false);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmBilancio::btnStampaClick);
    connect(ui->imgGuida, &QToolButton::clicked, this, &TfrmBilancio::imgGuidaClick);
    connect(ui->btnEsci, &QPushButton::clicked, this, &TfrmBilancio::btnEsciClick);
}

TfrmBilancio::~TfrmBilancio() {
    // The find field may still hold the focus when the sheet is destroyed:
    // let it lose the focus while its highlight rectangle still exists.
    if (QWidget* focused = focusWidget()) focused->clearFocus();
}

void TfrmBilancio::setRequest(const vt::balance::Request& request) {
    request_ = request;
}

void TfrmBilancio::showEvent(QShowEvent* event) {
    vt::DialogWindow::showEvent(event);
    // The sheet takes the whole screen, like the window it comes from.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        setFixedSize(area.size().expandedTo(minimumSizeHint()));
        move(area.topLeft());
    }
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmBilancio::FormShow() {
    using namespace vt::balance;
    const Result result = compute(request_);
    ui->titTipologia->setText(result.causaleTitle);
    ui->lblConta->setText(QString::number(result.filterCount));
    vt::fillRecordListInOrder(ui->lstRecords, result.lines);
    ui->lblIntervallo->setText(intervalText(request_.startDate, request_.endDate));
    ui->txtTrova->setFocus(Qt::OtherFocusReason);
    if (result.complete()) {
        showTotals(totalText(result.receipts), totalText(result.payments),
                   totalText(result.balance));
        return;
    }
    // A computation that stopped has no totals: nothing on screen or on
    // paper may pass for the balance of the period.
    showTotals(notComputedText(), notComputedText(), notComputedText());
    vt::notice(this, result.stop ? stopNotice(*result.stop) : accessNotice());
}

void TfrmBilancio::showTotals(const QString& receipts, const QString& payments,
                              const QString& balance) {
    ui->lblTotEntrate->setText(receipts);
    ui->lblTotUscite->setText(payments);
    ui->lblBilancio->setText(balance);
}

void TfrmBilancio::btnStampaClick() {
    if (ui->lstRecords->count() == 0) {
        vt::warning(this, emptyPrintWarning());
        return;
    }
    if (!vt::confirm(this, QStringLiteral("Si vuole stampare la presente primanota?"))) return;
    vt::Report report(vt::listReportLayout());
    report.layout().name = QStringLiteral("Primanota");
    vt::fillListReport(
        report, vt::balance::printedTitle(ui->titTipologia->text()),
        vt::balance::printedLines(vt::recordListLines(ui->lstRecords), ui->lblIntervallo->text(),
                                  ui->lblTotEntrate->text(), ui->lblTotUscite->text(),
                                  ui->lblBilancio->text()));
    report.prepare();
    report.print(this, true);
}

void TfrmBilancio::imgGuidaClick() {
    vt::showHelp(this, vt::balanceHelpPage());
}

void TfrmBilancio::btnEsciClick() {
    ui->lstRecords->clear();
    if (QWidget* opener = parentWidget())
        if (auto* wait = opener->findChild<QLabel*>(QStringLiteral("lblAttendere")))
            wait->setVisible(false);
    closeFromButton(QDialog::Accepted);
}
