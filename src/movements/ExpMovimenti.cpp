#include "movements/ExpMovimenti.h"

#include <QLabel>

#include "archive/codec.h"
#include "movements/Movimenti.h"
#include "movements/logic/exportmovements.h"

TfrmExpMovimenti::TfrmExpMovimenti(QWidget* owner) : vt::ExportWindow(owner, vt::expmov::definition()) {}

QString TfrmExpMovimenti::yearFile() const {
    if (!yearFile_.isEmpty()) return vt::trimmed(yearFile_);
    const QWidget* card = vt::screens::get<TfrmMovimenti>();
    if (!card && parentWidget()) card = parentWidget()->window();
    const auto* label = card ? card->findChild<QLabel*>(QStringLiteral("lblFile")) : nullptr;
    return label ? vt::trimmed(label->text()) : QString();
}

vt::exporting::Rows TfrmExpMovimenti::loadRows() {
    const QString path = yearFile();
    // Without a year there is nothing to read (and no file to create).
    if (path.isEmpty()) return {};
    return vt::expmov::rows(path);
}
