#pragma once

#include <QString>
#include <optional>

#include "archive/recordfile.h"

class QWidget;

namespace vt {

// What a window that fills itself from an archive says once it is filled:
// when the file could not be read to its end, the access message, in the
// error form the card editors use for it, so that a list cut short never
// passes for the whole archive; then `notice`, when not empty (the records
// the list left out). Each is shown once per filling, as soon as the window
// is on the screen (the next time events are processed).
void reportFill(QWidget* window, const std::optional<AccessFailure>& failure,
                const QString& notice = {});

}  // namespace vt
