#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "output/logic/exportdefinition.h"

namespace vt::expcau {

// The causali export: caption, "Causali.xls", its worksheet, the fifteen
// columns and the help page.
const exporting::Definition& definition();

// The fifteen cells of one causale, from its record bytes.
QStringList cells(QByteArrayView record);

// Every causale of the file in file order, blank causali included. A
// missing file is created empty; an empty file leaves the grid as designed;
// a read that fails stops there, keeping the rows read so far, and comes
// back in the rows' `failure`.
exporting::Rows rows(const QString& path);

}  // namespace vt::expcau
