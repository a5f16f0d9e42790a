#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "output/logic/listlogic.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace vt {

// Gives a list control the look of the program's record lists: lines in
// Courier New 12 in black, both scroll bars always shown, items at least 1600 wide
// so that long lines scroll instead of being cut.
void setUpRecordList(QListWidget* list);

// Replaces the list's lines: sorts them once (A to Z without regard to case,
// other characters by code) and inserts them in that order. Costs one sort,
// however many lines.
void fillRecordList(QListWidget* list, QStringList lines);
// The same for lines read from a file: each line keeps the position of its
// record, so that equal lines still lead to different records.
void fillRecordList(QListWidget* list, list::ListLines lines);
// The same without sorting: the lines stay in the given (file) order, as in
// the balance sheet.
void fillRecordListInOrder(QListWidget* list, const QStringList& lines);

// Every line of the list, in list order.
QStringList recordListLines(const QListWidget* list);

// The selected line with its record position, or nothing when no line is
// selected.
std::optional<list::ListLine> selectedListLine(const QListWidget* list);

// Calls `handler` on every double-click in the list, on a line or on the
// empty space below the lines, with the selected line (nothing when no line
// is selected). The handler lives as long as the list.
using ListDoubleClick = std::function<void(const std::optional<list::ListLine>& selected)>;
void onRecordListDoubleClick(QListWidget* list, ListDoubleClick handler);

// The find box of a list window: "Trova" moves the selection to the next
// line containing the text of the find field; Enter in the find field
// moves the focus to "Trova". The last find key lives in `lastKey`, which
// the window owns (the balance sheet keeps one for the whole run).
class ListFinder : public QObject {
    Q_OBJECT
public:
    ListFinder(QListWidget* list, QLineEdit* findField, QPushButton* findButton, QString* lastKey,
               QWidget* window, list::FindCase findCase = list::FindCase::AToZ);

    // What the window does when it is shown: forget the last key, select
    // the first line if any, empty the find field.
    void reset();
    // One press of "Trova".
    void find();

private:
    int selectedRow() const;

    QListWidget* list_;
    QLineEdit* field_;
    QWidget* window_;
    QString* lastKey_;
    list::FindCase case_;
};

}  // namespace vt
