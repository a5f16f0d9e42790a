#pragma once

#include <QString>

namespace vt::checks {

// Paragraph break used inside the check windows' messages.
inline const QString kCheckBreak = QStringLiteral("\r\n\r\n");

// What a check window answers when its "Controlla" button is pressed: which
// message it shows (if any) and whether the window then closes. A reply that
// keeps the window open also sends the focus back to the field.
struct CheckReply {
    enum class Kind { None, Warning, Information };
    Kind kind = Kind::None;
    QString text;
    bool closes = true;

    friend bool operator==(const CheckReply&, const CheckReply&) = default;
};

}  // namespace vt::checks
