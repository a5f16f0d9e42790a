#include "output/ExportWindow.h"

#include <QAbstractTableModel>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QSvgRenderer>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Guida.h"
#include "app/OpenURL.h"
#include "app/base/services.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "app/uiservices.h"
#include "output/fillreport.h"

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

// The grid's contents: the row texts as the export read them, plus the
// changes typed into the editable columns. A year can give tens of thousands
// of rows; the view asks only for the cells it paints, so nothing is made per
// cell when the grid is filled.
class ExportWindow::GridModel : public QAbstractTableModel {
public:
    GridModel(const exporting::Definition& definition, QObject* parent)
        : QAbstractTableModel(parent) {
        headers_.append(QStringLiteral("N."));
        editable_.append(false);
        for (const auto& c : definition.columns) {
            headers_.append(c.header);
            editable_.append(c.editable);
        }
    }

    // Without a row count the grid keeps its designed empty rows; the rows
    // after the read ones stay empty and unnumbered.
    void fill(exporting::Rows rows) {
        beginResetModel();
        rowCount_ = static_cast<int>(rows.rowCount.value_or(exporting::kDesignedRows));
        rows_ = rows.rowCount ? std::move(rows.rows) : QList<QStringList>{};
        if (rows_.size() > rowCount_) rows_.resize(rowCount_);
        numbered_ = static_cast<int>(rows_.size());
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rowCount_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        return text(index.row(), index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < headers_.size())
            return headers_[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (isEditable(index.column())) f |= Qt::ItemIsEditable;
        return f;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || !index.isValid() || !isEditable(index.column())) return false;
        const int row = index.row();
        if (row >= rows_.size()) rows_.resize(row + 1);
        QStringList& cells = rows_[row];
        const int column = index.column() - 1;
        while (cells.size() <= column) cells.append(QString());
        cells[column] = value.toString();
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

    // The cell's text; column 0 is the row number of a read row.
    QString text(int row, int column) const {
        if (row < 0 || row >= rowCount_ || column < 0 || column >= headers_.size()) return {};
        if (column == 0) return row < numbered_ ? QString::number(row + 1) : QString();
        if (row >= rows_.size()) return {};
        const QStringList& cells = rows_[row];
        return column - 1 < cells.size() ? cells[column - 1] : QString();
    }

private:
    bool isEditable(int column) const {
        return column >= 0 && column < editable_.size() && editable_[column];
    }

    QList<bool> editable_;
    QStringList headers_;
    QList<QStringList> rows_;
    int rowCount_ = 0;
    int numbered_ = 0;
};

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

    grdRecords_ = new QTableView(panel);
    grdRecords_->setObjectName(QStringLiteral("grdRecords"));
    model_ = new GridModel(definition_, grdRecords_);
    grdRecords_->setModel(model_);
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
    model_->fill({});
}

void ExportWindow::showEvent(QShowEvent* event) {
    if (filled_) {
        DialogWindow::showEvent(event);
        return;
    }
    filled_ = true;
    exporting::Rows rows = loadRows();
    const std::optional<AccessFailure> failure = std::move(rows.failure);
    const QString notice = std::move(rows.notice);
    readFailed_ = failure.has_value();
    model_->fill(std::move(rows));
    DialogWindow::showEvent(event);
    reportFill(this, failure, notice);
}

QString ExportWindow::filePath() const { return programDir() + definition_.fileName; }

QList<QStringList> ExportWindow::gridRows() const {
    QList<QStringList> out;
    const int rows = model_->rowCount();
    const int columns = model_->columnCount();
    out.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        row.reserve(columns - 1);
        for (int c = 1; c < columns; ++c) row.append(model_->text(r, c));
        out.append(row);
    }
    return out;
}

void ExportWindow::cmdEsportaClick() {
    // A grid cut short by a read failure is not the archive: writing it
    // would replace a good export with a partial or empty one.
    if (readFailed_) {
        error(this, accessFailureMessage());
        return;
    }
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
