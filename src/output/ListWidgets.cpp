#include "output/ListWidgets.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

void fillRecordList(QListWidget* list, QStringList lines) {
    list::sortLines(lines);
    fillRecordListInOrder(list, lines);
}

void fillRecordListInOrder(QListWidget* list, const QStringList& lines) {
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
    // All items look alike (uniform sizes), so the first one's size hint
    // sets the scroll width of the whole list.
    if (QListWidgetItem* first = list->item(0))
        first->setSizeHint(QSize(width, metrics.height() + 2));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
