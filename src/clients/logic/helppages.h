#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// The registry card's help page, "Applicazione Pagatori e Beneficiari.".
HelpPage clientsCardHelpPage();

// Every help page of the registry's windows (for the manual).
QList<HelpPage> clientsHelpPages();

}  // namespace vt
