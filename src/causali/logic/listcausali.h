#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

#include "archive/records.h"
#include "output/logic/listedrecord.h"
#include "output/logic/listlogic.h"

namespace vt::causlist {

// The list line of a causale: causale (48), "  Da: ", payer (34), "  A: ",
// beneficiary (34), "  Importo: ", signed amount; each field trimmed first.
QString causaleLine(QByteArrayView record);

// Whether a record is listed: its causale is not blank.
bool listed(QByteArrayView record);

// The lines of every listed causale of the file, in file order, each with
// its record's position. A missing file is created empty; a read that fails
// ends the list, keeping the lines read until then, and comes back in
// `failure`.
list::CollectedLines lines(const QString& path);

// The record behind a list line: the record at the line's position while it
// still composes the same line, else the last record in file order whose
// line equals it (both trimmed).
struct LineMatch {
    std::optional<CausaleRecord> record;
    qint64 position = 0;
};
LineMatch findLine(const QString& path, const list::ListLine& line);

// Where a double-click sends the chosen causale.
inline const QString kIntoCausaleCard = QStringLiteral("causali");
inline const QString kIntoMovementCard = QStringLiteral("movimenti");

inline QString caption() {
    return QStringLiteral("Riepilogo causali movimenti");
}

}  // namespace vt::causlist
