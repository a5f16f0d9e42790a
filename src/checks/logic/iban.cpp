#include "checks/logic/iban.h"

namespace vt::checks {

QString ibanDigits(const QString& text) {
    QString s = text;
    s.remove(u' ');
    s = s.toUpper();
    const qsizetype label = s.indexOf(QLatin1String("IBAN"));
    if (label >= 0) s.remove(label, 4);
    s = s.mid(4) + s.left(4);
    QString out;
    out.reserve(s.size() * 2);
    for (QChar c : s) {
        if (c >= u'A' && c <= u'Z')
            out += QString::number(c.unicode() - u'A' + 10);
        else
            out += c;
    }
    return out;
}

int mod97(QStringView digits) {
    // Each step takes as many digits as fit beside the remainder in nine, so
    // the number converted never exceeds 999999999.
    QString remainder;
    qsizetype next = 0;
    while (next < digits.size()) {
        const qsizetype take = 9 - remainder.size();
        const QStringView piece = digits.mid(next, take);
        next += piece.size();
        for (QChar c : piece)
            if (c < u'0' || c > u'9') return 0;
        remainder.append(piece);
        remainder = QString::number(remainder.toInt() % 97);
    }
    return remainder.toInt();
}

bool ibanCheckDigitsFit(const QString& text) {
    return mod97(ibanDigits(text)) == 1;
}

CheckReply ibanReply(const QString& fieldText) {
    if (fieldText.trimmed().size() != 27)
        return {
            CheckReply::Kind::Warning,
            QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."),
            false};
    if (ibanCheckDigitsFit(fieldText.trimmed()))
        return {CheckReply::Kind::Information, QStringLiteral("L'IBAN digitato è VALIDO."), true};
    return {CheckReply::Kind::Warning, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"),
            true};
}

}  // namespace vt::checks
