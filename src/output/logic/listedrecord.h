#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

#include "archive/recordfile.h"
#include "output/logic/listlogic.h"
#include "output/logic/skippedrecords.h"

namespace vt::list {

// Composes the list line of a record from its bytes.
using LineComposer = std::function<QString(QByteArrayView record)>;

// What a list's selection rule says of one record.
enum class Selection {
    List,        // the record gets a line
    Skip,        // the record does not belong in the list
    Unreadable,  // a field the rule needs cannot be read: the record is left out
};
using SelectionRule = std::function<Selection(QByteArrayView record)>;

// How a record the rule could not read is named to the user.
using SkipDescriber = std::function<SkippedRecord(qint64 position, QByteArrayView record)>;

struct CollectedLines {
    ListLines lines;                       // in file order, unsorted, with positions
    SkippedRecords skipped;                // left out because the rule could not read them
    std::optional<AccessFailure> failure;  // the lines read before it are kept
};

// Reads the file in order and composes the line of every record the rule
// lists. One record the rule cannot read hides nothing else: it is left out,
// named by `describe` (by its position alone without one), and the list goes
// on with the next record. Only a file that cannot be read ends the list
// early.
CollectedLines collectLines(const RecordFile& file, const SelectionRule& select,
                            const LineComposer& compose, const SkipDescriber& describe = {});

// The record behind a listed line, read again from the file.
struct ListedRecord {
    std::optional<QByteArray> record;  // nothing when no record composes the line
    qint64 position = 0;
    bool failed = false;  // the file could not be read
};

// Finds the record a listed line stands for: the record at the line's
// position when it still composes the same line (both trimmed). When it does
// not -- the file changed behind the list, or the line has no position --
// every record of the file is composed in turn and the last one in file order
// whose line equals the listed one is taken.
ListedRecord findListedRecord(const RecordFile& file, const ListLine& line,
                              const LineComposer& compose);

}  // namespace vt::list
