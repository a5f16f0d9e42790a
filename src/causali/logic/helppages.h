#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// The causali archive's help page, "Applicazione Archivio Causali.",
// opened by the causale card's help button.
HelpPage causaliHelpPage();

// Every help page of the causali windows (for the manual).
QList<HelpPage> causaliHelpPages();

}  // namespace vt
