#include "checks/checkfield.h"

#include <QLineEdit>

#include "app/uiservices.h"

namespace vt::checks {

void keepTrimmedUpperCase(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        const QString wanted = text.trimmed().toUpper();
        if (wanted == text) return;
        // Keep the cursor where the user was typing, less the blanks removed
        // in front of it.
        qsizetype leading = 0;
        while (leading < text.size() && text[leading].isSpace()) ++leading;
        const qsizetype cursor =
            std::clamp<qsizetype>(field->cursorPosition() - leading, 0, wanted.size());
        field->setText(wanted);
        field->setCursorPosition(static_cast<int>(cursor));
    });
}

void putCallerText(QLineEdit* field, const QString& text) {
    if (text.size() > field->maxLength()) field->setMaxLength(static_cast<int>(text.size()));
    field->setText(text);
}

bool showReply(QWidget* window, QLineEdit* field, const CheckReply& reply) {
    switch (reply.kind) {
        case CheckReply::Kind::Warning:
            warning(window, reply.text);
            break;
        case CheckReply::Kind::Information:
            information(window, reply.text);
            break;
        case CheckReply::Kind::None:
            break;
    }
    if (!reply.closes) field->setFocus(Qt::OtherFocusReason);
    return reply.closes;
}

}  // namespace vt::checks
