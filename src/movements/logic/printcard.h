#pragma once

#include "report/logic/cardsheet.h"

namespace vt::movprint {

// The printed movement card "Scheda movimento": its title, the twenty rows
// top to bottom (caption, value memo, and the card control the value comes
// from) and where its footer bar sits.
const report::CardSheet& sheet();

}  // namespace vt::movprint
