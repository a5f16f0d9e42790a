#include "output/fillreport.h"

#include <QMetaObject>
#include <QWidget>

#include "app/uiservices.h"

namespace vt {

void reportFill(QWidget* window, const std::optional<AccessFailure>& failure,
                const QString& notice) {
    if (!failure && notice.isEmpty()) return;
    // A window fills itself while it is being shown, before it is on the
    // screen: the messages wait until it is, so that they stand over the list
    // they speak of. A window closed before then takes them with it.
    QMetaObject::invokeMethod(
        window,
        [window, failed = failure.has_value(), notice] {
            if (failed) error(window, accessFailureMessage());
            if (!notice.isEmpty()) vt::notice(window, notice);
        },
        Qt::QueuedConnection);
}

}  // namespace vt
