#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include "app/logic/helppage.h"
#include "output/logic/exportdefinition.h"

namespace vt::expcli {

// The registry export: caption, "Anagrafica.xls", its worksheet, the
// twenty-five columns after "N." and the help page.
const exporting::Definition& definition();

// The twenty-five cells of one card, from its record bytes.
QStringList cells(QByteArrayView record);

// Every card of the registry, in file order. A missing file is created
// empty; an empty file leaves the grid as designed; a read that fails stops
// there, keeping the rows read so far, and comes back in the rows'
// `failure`.
exporting::Rows rows(const QString& path);

// The help pages of the registry's satellite windows (for the manual).
QList<HelpPage> helpPages();

}  // namespace vt::expcli
