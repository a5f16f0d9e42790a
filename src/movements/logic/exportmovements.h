#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "output/logic/exportdefinition.h"

namespace vt::expmov {

// The movements export: caption, "Movimenti.xls", its worksheet, the twenty
// columns and the help page.
const exporting::Definition& definition();

// The twenty cells of one movement, from its record bytes.
QStringList cells(QByteArrayView record);

// Every movement of the year file, in file order. A missing file is created
// empty; an empty file leaves the grid as designed; a read that fails stops
// there, keeping the rows read so far, and comes back in the rows'
// `failure`.
exporting::Rows rows(const QString& yearFile);

}  // namespace vt::expmov
