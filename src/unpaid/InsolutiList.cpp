#include "unpaid/InsolutiList.h"

#include <QLabel>

#include "app/base/services.h"
#include "archive/codec.h"
#include "unpaid/MenuInsoluti.h"

namespace vt {

UnpaidListWindow::UnpaidListWindow(QWidget* owner, unpaid::Kind kind)
    : ExportWindow(owner, unpaid::definition(kind)), kind_(kind) {}

QString UnpaidListWindow::yearFile() const {
    if (!yearFile_.isEmpty()) return trimmed(yearFile_);
    const QWidget* menu = screens::get<TfrmMenuInsoluti>();
    if (!menu && parentWidget()) menu = parentWidget()->window();
    const auto* label = menu ? menu->findChild<QLabel*>(QStringLiteral("lblFile")) : nullptr;
    return label ? trimmed(label->text()) : QString();
}

exporting::Rows UnpaidListWindow::loadRows() {
    const QString path = yearFile();
    // Without a year there is nothing to read (and no file to create).
    if (path.isEmpty()) return {};
    // An unreadable due date leaves that movement out, the list goes on and
    // the notice then names it; a read failure ends the list, keeping what
    // was found, and the window says so and will not export it.
    return unpaid::list(path, today(), kind_).rows;
}

}  // namespace vt
