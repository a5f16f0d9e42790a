#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "archive/records.h"

namespace vt::due {

enum class Verdict {
    List,  // not settled and its notice period has begun
    Skip,  // notice period not begun yet, settled, or an unknown flag
    Stop,  // due date or days of notice unreadable: the list ends here
};

// A movement is listed when Saldato is exactly "No" and `today` is on or
// after the day that lies Preavviso days before DataSca.
Verdict judge(QByteArrayView record, const QDate& today);

// Days of notice read as a whole number (an optional sign, then digits).
std::optional<int> noticeDays(const QString& text);

struct DueList {
    QStringList lines;     // in file order, unsorted
    bool stopped = false;  // a record or the file could not be read
};

// The lines of the due and overdue movements of a year file, up to the
// first record that cannot be judged or the first access failure.
DueList dueList(const QString& yearFile, const QDate& today);

}  // namespace vt::due
