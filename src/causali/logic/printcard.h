#pragma once

#include "report/logic/cardsheet.h"

namespace vt::cauprint {

// The printed causale card "Scheda Causale": its title, the fifteen rows
// top to bottom (caption, value memo, and the card control the value comes
// from) and where its footer bar sits.
const report::CardSheet& sheet();

}  // namespace vt::cauprint
