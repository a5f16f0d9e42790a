#include "output/ListWidgets.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "app/conventions.h"
#include "app/uiservices.h"
#include "output/logic/listlogic.h"
#include "report/Report.h"

namespace vt {

namespace {
constexpr int kItemWidth = 1600;

QFont listFont() {
    installReportFonts();
    QFont font(reportFontFamily(QStringLiteral("Courier New")));
    font.setPointSize(12);
    return font;
}
}  // namespace

void setUpRecordList(QListWidget* list) {
    list->setSortingEnabled(false);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Lines are drawn in Courier New 12 in black whatever the style says.
    list->setFont(listFont());
    QPalette palette = list->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Text, QColor(0xFF000000u));
    list->setPalette(palette);
}

namespace {
// The role that holds a line's record position.
constexpr int kPositionRole = Qt::UserRole + 1;

// Puts lines into the list in the given order, with their positions when
// given.
void insertInOrder(QListWidget* list, const QStringList& lines, const QList<qint64>& positions) {
    list->clear();
    const QFont font = listFont();
    const QFontMetrics metrics(font);
    // At least 1600 wide, and wider when a line needs it: the font has a
    // fixed pitch, so the longest line is the widest.
    qsizetype longest = 0;
    for (const QString& line : lines) longest = std::max(longest, line.size());
    const int width = std::max(kItemWidth, metrics.horizontalAdvance(QString(longest, u'M')) + 8);
    // One insertion of every line, in the given order: the list never sorts.
    list->addItems(lines);
    if (!positions.isEmpty()) {
        // The items were just inserted and are painted afterwards anyway:
        // one change signal per item would only cost time.
        const QSignalBlocker quiet(list->model());
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setData(kPositionRole, QVariant::fromValue(positions[i]));
    }
    // All items look alike (uniform sizes), so the first one's size hint
    // sets the scroll width of the whole list.
    if (QListWidgetItem* first = list->item(0))
        first->setSizeHint(QSize(width, metrics.height() + 2));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

// Sends double-clicks on the empty part of a list to the same handler as
// double-clicks on a line.
class DoubleClickWatch : public QObject {
public:
    DoubleClickWatch(QListWidget* list, ListDoubleClick handler)
        : QObject(list), list_(list), handler_(std::move(handler)) {
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::itemDoubleClicked, this, [this] { handler_(selectedListLine(list_)); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick && watched == list_->viewport()) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // On a line the list itself reports the double-click.
            if (!list_->itemAt(mouse->position().toPoint())) {
                handler_(selectedListLine(list_));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* list_;
    ListDoubleClick handler_;
};
}  // namespace

void fillRecordList(QListWidget* list, QStringList lines) {
    list::sortLines(lines);
    insertInOrder(list, lines, {});
}

void fillRecordListInOrder(QListWidget* list, const QStringList& lines) { insertInOrder(list, lines, {}); }

void fillRecordList(QListWidget* list, list::ListLines lines) {
    list::sortLines(lines);
    QStringList texts;
    QList<qint64> positions;
    texts.reserve(lines.size());
    positions.reserve(lines.size());
    for (list::ListLine& line : lines) {
        texts.append(std::move(line.text));
        positions.append(line.position);
    }
    insertInOrder(list, texts, positions);
}

std::optional<list::ListLine> selectedListLine(const QListWidget* list) {
    const QListWidgetItem* current = list->currentItem();
    if (!current || !current->isSelected()) return std::nullopt;
    return list::ListLine{current->text(), current->data(kPositionRole).toLongLong()};
}

void onRecordListDoubleClick(QListWidget* list, ListDoubleClick handler) {
    new DoubleClickWatch(list, std::move(handler));
}

QStringList recordListLines(const QListWidget* list) {
    QStringList out;
    out.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text());
    return out;
}

ListFinder::ListFinder(QListWidget* list, QLineEdit* findField, QPushButton* findButton,
                       QString* lastKey, QWidget* window, list::FindCase findCase)
    : QObject(window),
      list_(list),
      field_(findField),
      window_(window),
      lastKey_(lastKey),
      case_(findCase) {
    installEnterMovesTo(findField, findButton);
    connect(findButton, &QPushButton::clicked, this, &ListFinder::find);
}

void ListFinder::reset() {
    lastKey_->clear();
    if (list_->count() > 0) list_->setCurrentRow(0);
    field_->clear();
}

int ListFinder::selectedRow() const {
    const QListWidgetItem* current = list_->currentItem();
    return current && current->isSelected() ? list_->currentRow() : -1;
}

void ListFinder::find() {
    const list::FindOutcome outcome =
        list::findNext(recordListLines(list_), selectedRow(), field_->text(), *lastKey_, case_);
    if (outcome.emptyList) {
        notice(window_, list::emptyListNotice());
        return;
    }
    if (outcome.select >= 0) {
        list_->setCurrentRow(outcome.select);
        list_->scrollToItem(list_->currentItem());
    }
}

}  // namespace vt
