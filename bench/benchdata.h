#pragma once

#include <QString>

namespace vt::bench {

// Writes a year file of `count` movements with realistic field lengths and
// returns its path (in a temporary folder that lives until the process ends).
QString makeYearFile(int count);

}  // namespace vt::bench
