#include "stats/StatsChart.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>

#include "app/Guida.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "archive/codec.h"
#include "report/Report.h"
#include "stats/logic/helppages.h"
#include "stats/logic/statistics.h"
#include "ui_StatsChart.h"

namespace vt {

namespace {
const QString kFoot = QStringLiteral("Tutti gli importi sono arrotondati all'euro");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente grafico statistico?");
const QString kCopiesTitle = QStringLiteral("Numero copie da stampare");
const QString kCopiesPrompt = QStringLiteral("Copie:");

// Each copy is a print of its own; when the printer writes files, every copy
// after the first gets its own numbered file instead of overwriting the first.
QString copyFileName(const QString& first, int copy) {
    const qsizetype dot = first.lastIndexOf(u'.');
    const qsizetype slash = std::max(first.lastIndexOf(u'/'), first.lastIndexOf(u'\\'));
    const QString suffix = QStringLiteral("-%1").arg(copy);
    if (dot <= slash) return first + suffix;
    return first.left(dot) + suffix + first.mid(dot);
}
}  // namespace

StatsChartWindow::StatsChartWindow(QWidget* owner, const StatsChartTexts& texts)
    : DialogWindow(owner), ui(std::make_unique<Ui::StatsChart>()) {
    ui->setupUi(this);
    setWindowTitle(texts.caption);
    setWindowState(windowState() | Qt::WindowMaximized);
    ui->lblTitolo->setText(texts.designTitle);
    ui->lblRigo04->setText(texts.rigo04);
    ui->btnBarre->setStatusTip(texts.barsHint);
    ui->btnTorta->setStatusTip(texts.pieHint);
    ui->panInfo->setText(texts.initialInfo);
    ui->cmdGuida->setIcon(icon(QStringLiteral("guida")));
    ui->ChartStats->setTexts(texts.chartTitle, kFoot, texts.legendTitle);
    ui->ChartStats->setProperty("hintBackground", true);
    for (QLabel* label : {ui->lblTitolo, ui->lblRigo04, ui->lblRigo05})
        label->setProperty("hintBackground", true);

    // Hidden labels: the year file and the month totals as text.
    auto hidden = [this](const QString& name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setVisible(false);
    };
    hidden(QStringLiteral("lblFile"), QStringLiteral("FilePath"));
    for (const QString& month : stats::kMonthNames)
        hidden(QStringLiteral("mem") + month, QStringLiteral("mem") + month);

    installHoverHints(this, ui->panInfo);
    connect(ui->btnTorta, &QPushButton::clicked, this, &StatsChartWindow::btnTortaClick);
    connect(ui->btnBarre, &QPushButton::clicked, this, &StatsChartWindow::btnBarreClick);
    connect(ui->btnStampa, &QPushButton::clicked, this, &StatsChartWindow::btnStampaClick);
    connect(ui->btnEsci, &QPushButton::clicked, this, &StatsChartWindow::btnEsciClick);
    connect(ui->cmdGuida, &QToolButton::clicked, this, &StatsChartWindow::cmdGuidaClick);
}

StatsChartWindow::~StatsChartWindow() = default;

void StatsChartWindow::setTitle(const QString& title) {
    ui->lblTitolo->setText(title);
}

void StatsChartWindow::showEvent(QShowEvent* event) {
    // A chart window opens maximised rather than at its fixed design size;
    // without a window manager it takes the whole screen explicitly.
    QDialog::showEvent(event);  // NOLINT(bugprone-parent-virtual-call)
    if (event->spontaneous()) return;
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    if (prepared_) return;
    prepared_ = true;
    hiddenLabel(QStringLiteral("lblFile"))->setText(trimmed(menuText(QStringLiteral("lblFile"))));
    prepare();
}

ChartView* StatsChartWindow::chart() const {
    return ui->ChartStats;
}

QLabel* StatsChartWindow::hiddenLabel(const QString& name) const {
    return findChild<QLabel*>(name);
}

QString StatsChartWindow::menuText(const QString& name) const {
    QWidget* menu = parentWidget();
    if (!menu) return {};
    if (auto* label = menu->findChild<QLabel*>(name)) return label->text();
    if (auto* field = menu->findChild<QLineEdit*>(name)) return field->text();
    return {};
}

void StatsChartWindow::btnTortaClick() {
    ui->ChartStats->setKind(chart::Kind::Pie);
}

void StatsChartWindow::btnBarreClick() {
    ui->ChartStats->setKind(chart::Kind::Bars);
}

void StatsChartWindow::btnStampaClick() {
    if (!confirm(this, kPrintQuestion)) return;
    const auto answer =
        inputBoxes().getText(this, kCopiesTitle, kCopiesPrompt, QStringLiteral("1"));
    if (!answer) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ui->ChartStats->model().title);
    printer.setCopyCount(stats::proposedCopies(*answer));
    if (!printers().setUp(printer, this, true)) {
        if (!printers().hasPrinter()) error(this, noPrinterMessage());
        return;
    }
    printer.setPageOrientation(QPageLayout::Landscape);
    // The copies are counted here, one print each, so the printer driver
    // must not multiply them again.
    const int copies = std::clamp(printer.copyCount(), 1, stats::kMostCopies);
    printer.setCopyCount(1);
    const QString firstFile = printer.outputFileName();
    for (int copy = 1; copy <= copies; ++copy) {
        if (copy > 1 && !firstFile.isEmpty())
            printer.setOutputFileName(copyFileName(firstFile, copy));
        if (!ui->ChartStats->print(printer)) {
            error(this, noPrinterMessage());
            return;
        }
    }
}

void StatsChartWindow::btnEsciClick() {
    closeFromButton();
}

void StatsChartWindow::cmdGuidaClick() {
    showHelp(this, statsHelpPage(StatsHelpFor::Chart));
}

}  // namespace vt
