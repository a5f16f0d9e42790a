#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// "Applicazione Pagamenti Insoluti.", opened by the unpaid payments menu.
HelpPage unpaidMenuHelpPage();
// "Riepilogo pagamenti insoluti.", shared by the three lists.
HelpPage unpaidListHelpPage();
// Both, for the manual.
QList<HelpPage> unpaidHelpPages();

}  // namespace vt
