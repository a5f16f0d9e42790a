#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// Every help page of the program, in the order the manual shows them.
QList<HelpPage> manualPages();

}  // namespace vt
