#include "checks/logic/cardnumber.h"

namespace vt::checks {
namespace {

const QString& wrongCard() {
    static const QString text =
        QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + kCheckBreak +
        QStringLiteral(
            "Non è quindi possibile fornire informazioni relative al tipo di "
            "carta di credito.");
    return text;
}

}  // namespace

QString cardDigits(QStringView text) {
    QString digits;
    for (QChar c : text.first(std::min<qsizetype>(text.size(), 20)))
        if (c >= u'0' && c <= u'9') digits.append(c);
    return digits;
}

bool luhnValid(QStringView digits) {
    if (digits.isEmpty()) return false;
    int sum = 0;
    bool doubled = true;  // the digit just before the check digit is doubled
    for (qsizetype i = digits.size() - 2; i >= 0; --i, doubled = !doubled) {
        int d = digits[i].unicode() - u'0';
        if (doubled) {
            d *= 2;
            if (d >= 10) d -= 9;
        }
        sum += d;
    }
    return digits.back().unicode() - u'0' == (10 - sum % 10) % 10;
}

int cardNumberTest(QStringView text) {
    const QString digits = cardDigits(text);
    if (!luhnValid(digits)) return 0;
    return digits.front().unicode() - u'0' - 2;
}

QString cardType(int code, QStringView digits) {
    switch (code) {
        case 1: {
            const QStringView pair = digits.first(std::min<qsizetype>(digits.size(), 2));
            if (pair == u"30" || pair == u"36" || pair == u"38")
                return QStringLiteral("Diner's Club / Carte Blanche");
            if (pair == u"34" || pair == u"37") return QStringLiteral("American Express");
            if (pair == u"31" || pair == u"33" || pair == u"35") return QStringLiteral("JCB");
            return {};
        }
        case 2:
            return QStringLiteral("Visa");
        case 3:
            return QStringLiteral("MasterCard");
        case 4:
            return QStringLiteral("Discover");
        default:
            return {};
    }
}

CheckReply cardReply(const QString& fieldText) {
    const QString shown = fieldText.trimmed();
    if (shown.isEmpty())
        return {CheckReply::Kind::Warning,
                QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                               "premere il pulsante di "
                               "controllo."),
                false};
    const int code = cardNumberTest(fieldText);
    const QString type = cardType(code, cardDigits(fieldText));
    if (!type.isEmpty())
        return {CheckReply::Kind::Information,
                QStringLiteral("Il numero di carta di credito ") + shown +
                    QStringLiteral(" risulta valido.") + kCheckBreak +
                    QStringLiteral("La carta di credito è del tipo ") + type + u'.',
                true};
    // A valid number beginning with 32 or 39 belongs to no known card: the
    // window closes without an answer.
    if (code == 1) return {CheckReply::Kind::None, {}, true};
    return {CheckReply::Kind::Warning, wrongCard(), true};
}

}  // namespace vt::checks
