#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// The main menu's help page: "Uno sguardo a Vantresa 4.0." and its
// paragraphs, one per topic of the program.
HelpPage mainMenuHelpPage();

// Every help page of the application shell (for the manual).
QList<HelpPage> appHelpPages();

}  // namespace vt
