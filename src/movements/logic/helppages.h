#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// The movements register's help page, "Applicazione Registro Movimenti.":
// opened by the card editor's help button and by the year selection's.
HelpPage movementsRegisterHelpPage();

// Every help page of the register's own windows (for the manual).
QList<HelpPage> movementsHelpPages();

}  // namespace vt
