#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// The statistics help page, "Applicazione Grafici Statistici.". The menu's
// page and the chart windows' page differ in one phrase of the second
// paragraph.
enum class StatsHelpFor { Menu, Chart };
HelpPage statsHelpPage(StatsHelpFor where);

// The statistics pages for the manual.
QList<HelpPage> statsHelpPages();

}  // namespace vt
