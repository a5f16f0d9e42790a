#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <functional>

#include "archive/recordfile.h"
#include "output/logic/exportdefinition.h"

namespace vt::exporting {

// The rows of an archive export: one per record of the file, in file order,
// made by `cells`. A missing file is created empty; an empty file leaves the
// grid as designed; a read that fails stops there, keeping the rows read so
// far, and is reported in `failure`; a file that grew since it was counted
// still gives the counted rows.
Rows fileRows(const RecordFile& file,
              const std::function<QStringList(QByteArrayView record)>& cells);

}  // namespace vt::exporting
