#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include "output/logic/exportdefinition.h"
#include "output/logic/skippedrecords.h"

namespace vt::unpaid {

// The three lists of unpaid payments: receipts still to collect, payments
// still to make, and both together. They differ only in the type filter and
// in their names.
enum class Kind { Entrate, Uscite, Tutti };

// Caption, export file and worksheet, the twenty columns (notes and the
// settled flag editable in the grid) and the shared help page.
const exporting::Definition& definition(Kind kind);

enum class Verdict {
    List,        // due today or earlier, not settled, of the list's kind
    Skip,        // not yet due, settled, or of the other kind
    Unreadable,  // unsettled and of the list's kind, but the due date is not
                 // a date: left out, the list goes on
};

// A movement is unpaid when its due date is today or earlier and Saldato is
// exactly "No" (an empty or unknown flag counts as settled); the days of
// notice play no part. The receipts list keeps Entrata "Sì", the payments
// list Uscita "Sì", the third list every unpaid movement. A settled movement
// or one of the other kind is skipped whatever its due date holds: only a
// movement that could belong in the list is left out for its date.
Verdict judge(QByteArrayView record, const QDate& today, Kind kind);

struct List {
    // The grid: designed when the year is empty. A read failure is in
    // rows.failure, and rows.notice names the movements left out.
    exporting::Rows rows;
    list::SkippedRecords skipped;  // left out for an unreadable due date
};

// The unpaid movements of a year file, in file order, as grid rows. A
// missing file is created empty; a year without movements keeps the grid as
// designed; a year with movements but none unpaid gives an empty grid. A
// read failure ends the list there, keeping the rows found so far.
List list(const QString& yearFile, const QDate& today, Kind kind);

// The notice naming the movements an unpaid list left out; empty for none.
QString skippedNotice(const list::SkippedRecords& skipped);

}  // namespace vt::unpaid
