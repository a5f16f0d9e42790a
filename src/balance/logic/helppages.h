#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// The balance sheet's help page, "Applicazione Primanota e Bilancio.".
HelpPage balanceHelpPage();

// Every help page of the balance (for the manual).
QList<HelpPage> balanceHelpPages();

}  // namespace vt
