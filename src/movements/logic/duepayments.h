#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "archive/records.h"
#include "output/logic/listedrecord.h"
#include "output/logic/listlogic.h"

namespace vt::due {

// A movement is listed when Saldato is exactly "No" and `today` is on or
// after the day that lies Preavviso days before DataSca. It is skipped when
// it is settled or its flag is unknown (whatever its dates hold: a settled
// movement is never due) or when its notice period has not begun, and
// unreadable when its due date or days of notice cannot be read.
list::Selection judge(QByteArrayView record, const QDate& today);

// Days of notice read as a whole number (an optional sign, then digits).
std::optional<int> noticeDays(const QString& text);

// The lines of the due and overdue movements of a year file. A record that
// cannot be judged is left out, named in `skipped`, and the others are still
// listed; a file that cannot be read ends the list, keeping the lines before
// the failure.
list::CollectedLines dueList(const QString& yearFile, const QDate& today);

// The notice naming the movements the due list left out; empty for none.
QString skippedNotice(const list::SkippedRecords& skipped);

}  // namespace vt::due
