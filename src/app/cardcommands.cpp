#include "app/cardcommands.h"

#include <QLineEdit>

#include "app/OpenURL.h"

namespace vt::cardui {

void showAmountCaption(QLabel* caption, bool incoming) {
    caption->setText(cards::amountCaption(incoming));
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, incoming ? QColor(0xFF000000u) : QColor(0xFFFF0000u));
    caption->setPalette(palette);
}

void sendMail(QWidget* window, QLineEdit* email, const QString& missing) {
    const auto target = cards::mailTarget(email->text());
    if (!target) {
        warning(window, missing);
        email->setFocus(Qt::OtherFocusReason);
        return;
    }
    TMisc::Open(*target);
}

}  // namespace vt::cardui
