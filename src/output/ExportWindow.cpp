#include "output/ExportWindow.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Guida.h"
#include "app/OpenURL.h"
#include "app/base/services.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "app/uiservices.h"

namespace vt {

namespace {

constexpr int kNumberColumnWidth = 44;
constexpr int kIconSize = 40;

// A small worksheet: a green frame, a green header row and grid lines.
QIcon spreadsheetIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor green(0x1d, 0x6f, 0x42);
    const QRect sheet(4, 3, kIconSize - 8, kIconSize - 6);
    p.fillRect(sheet, Qt::white);
    p.fillRect(QRect(sheet.left(), sheet.top(), sheet.width(), 8), green);
    p.setPen(QColor(0x9c, 0xc3, 0xa9));
    for (int y = sheet.top() + 8 + 6; y < sheet.bottom(); y += 6) p.drawLine(sheet.left(), y, sheet.right(), y);
    for (int x = sheet.left() + 10; x < sheet.right(); x += 10) p.drawLine(x, sheet.top() + 8, x, sheet.bottom());
    p.setPen(QPen(green, 2));
    p.drawRect(sheet.adjusted(0, 0, -1, -1));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(7);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(sheet.left(), sheet.top(), sheet.width(), 8), Qt::AlignCenter, QStringLiteral("XLS"));
    return QIcon(pixmap);
}

// One of the program's pictures, or the style's stand-in when it is missing.
QIcon programIcon(const QString& name, QStyle::StandardPixmap standIn, const QStyle* style) {
    loadPictures();
    QSvgRenderer renderer(QStringLiteral(":/app/resources/") + name);
    if (!renderer.isValid()) return style->standardIcon(standIn);
    QPixmap pixmap(kIconSize * 2, kIconSize * 2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
    return QIcon(pixmap);
}

QToolButton* imageButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setAutoRaise(true);
    button->setStatusTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace

ExportWindow::ExportWindow(QWidget* owner, exporting::Definition definition)
    : DialogWindow(owner), definition_(std::move(definition)) {
    setWindowTitle(definition_.caption);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panMain"));
    auto* body = new QVBoxLayout(panel);
    body->setContentsMargins(10, 10, 10, 6);
    body->setSpacing(6);

    grdRecords_ = new QTableWidget(panel);
    grdRecords_->setObjectName(QStringLiteral("grdRecords"));
    body->addWidget(grdRecords_);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    cmdEsporta_ = imageButton(panel, "cmdEsporta", spreadsheetIcon(), exporting::exportHint(definition_.kind));
    cmdGuida_ = imageButton(panel, "cmdGuida", programIcon(QStringLiteral("help.svg"), QStyle::SP_DialogHelpButton, style()),
                            exporting::helpHint());
    cmdEsci_ = imageButton(panel, "cmdEsci", programIcon(QStringLiteral("exit.svg"), QStyle::SP_DialogCloseButton, style()),
                           exporting::exitHint());
    buttons->addWidget(cmdEsporta_);
    buttons->addStretch(1);
    buttons->addWidget(cmdGuida_);
    buttons->addWidget(cmdEsci_);
    body->addLayout(buttons);
    outer->addWidget(panel);

    panInfo_ = new QLabel(exporting::idleText(), this);
    panInfo_->setObjectName(QStringLiteral("panInfo"));
    panInfo_->setFrameShape(QFrame::StyledPanel);
    panInfo_->setFrameShadow(QFrame::Sunken);
    panInfo_->setContentsMargins(6, 2, 6, 2);
    panInfo_->setMinimumHeight(22);
    outer->addWidget(panInfo_);

    setUpGrid();

    connect(cmdEsporta_, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(cmdGuida_, &QToolButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(cmdEsci_, &QToolButton::clicked, this, &ExportWindow::cmdEsciClick);

    installHoverHints(this, panInfo_);
}

ExportWindow::~ExportWindow() = default;

void ExportWindow::setUpGrid() {
    QStringList headers{QStringLiteral("N.")};
    for (const auto& c : definition_.columns) headers.append(c.header);
    grdRecords_->setColumnCount(static_cast<int>(headers.size()));
    grdRecords_->setHorizontalHeaderLabels(headers);
    grdRecords_->setColumnWidth(0, kNumberColumnWidth);
    for (int i = 0; i < definition_.columns.size(); ++i) grdRecords_->setColumnWidth(i + 1, definition_.columns[i].width);

    grdRecords_->verticalHeader()->hide();
    grdRecords_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords_->verticalHeader()->setMinimumSectionSize(exporting::kRowHeight);
    grdRecords_->verticalHeader()->setDefaultSectionSize(exporting::kRowHeight);
    grdRecords_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords_->horizontalHeader()->setHighlightSections(false);
    grdRecords_->setAlternatingRowColors(true);
    grdRecords_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords_->setWordWrap(false);
    grdRecords_->setFixedSize(960, 440);

    bool anyEditable = false;
    for (const auto& c : definition_.columns) anyEditable = anyEditable || c.editable;
    grdRecords_->setEditTriggers(anyEditable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                                   QAbstractItemView::AnyKeyPressed
                                             : QAbstractItemView::NoEditTriggers);
    fillGrid({});
}

void ExportWindow::fillGrid(const exporting::Rows& rows) {
    const int count = static_cast<int>(rows.rowCount.value_or(exporting::kDesignedRows));
    grdRecords_->clearContents();
    grdRecords_->setRowCount(count);
    const int columns = static_cast<int>(definition_.columns.size());
    // A year can give tens of thousands of rows: the grid hears once, at the
    // end, that its cells changed, instead of once per cell.
    QAbstractItemModel* model = grdRecords_->model();
    {
        const QSignalBlocker quiet(model);
        for (int r = 0; r < count; ++r) {
            const bool filled = rows.rowCount && r < rows.rows.size();
            const QStringList* cells = filled ? &rows.rows[r] : nullptr;
            auto* number = new QTableWidgetItem(filled ? QString::number(r + 1) : QString());
            number->setFlags(number->flags() & ~Qt::ItemIsEditable);
            grdRecords_->setItem(r, 0, number);
            for (int c = 0; c < columns; ++c) {
                auto* item = new QTableWidgetItem(cells && c < cells->size() ? cells->at(c) : QString());
                if (!definition_.columns[c].editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                grdRecords_->setItem(r, c + 1, item);
            }
        }
    }
    if (count > 0) emit model->dataChanged(model->index(0, 0), model->index(count - 1, columns));
}

void ExportWindow::showEvent(QShowEvent* event) {
    if (!filled_) {
        filled_ = true;
        fillGrid(loadRows());
    }
    DialogWindow::showEvent(event);
}

QString ExportWindow::filePath() const { return programDir() + definition_.fileName; }

QList<QStringList> ExportWindow::gridRows() const {
    QList<QStringList> out;
    const int columns = grdRecords_->columnCount();
    out.reserve(grdRecords_->rowCount());
    for (int r = 0; r < grdRecords_->rowCount(); ++r) {
        QStringList row;
        for (int c = 1; c < columns; ++c) {
            const QTableWidgetItem* item = grdRecords_->item(r, c);
            row.append(item ? item->text() : QString());
        }
        out.append(row);
    }
    return out;
}

void ExportWindow::cmdEsportaClick() {
    if (!confirm(this, exporting::startQuestion())) return;
    const QString path = filePath();
    if (!sheet::write(path, exporting::worksheet(definition_, gridRows()))) {
        notice(this, exporting::failureNotice());
        return;
    }
    if (!confirm(this, exporting::finishQuestion(definition_.kind))) return;
    TMisc::Open(u'"' + QDir::toNativeSeparators(path) + u'"');
}

void ExportWindow::cmdGuidaClick() { showHelp(this, definition_.help); }

void ExportWindow::cmdEsciClick() { closeFromButton(QDialog::Rejected); }

}  // namespace vt
