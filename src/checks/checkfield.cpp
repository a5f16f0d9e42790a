#include "checks/checkfield.h"

#include <QLineEdit>

#include "app/uiservices.h"
#include "archive/codec.h"

namespace vt::checks {

namespace {

void keepTrimmedAs(QLineEdit* field, QString (*upper)(const QString&)) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field, upper](const QString& text) {
        const QString wanted = upper(text.trimmed());
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

QString allUpper(const QString& text) { return text.toUpper(); }

}  // namespace

void keepTrimmedUpperCase(QLineEdit* field) { keepTrimmedAs(field, allUpper); }

void keepTrimmedFiscalCode(QLineEdit* field) { keepTrimmedAs(field, vt::upperAZ); }

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
