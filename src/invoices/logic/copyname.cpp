#include "invoices/logic/copyname.h"

#include <QStringList>

#include "archive/codec.h"

namespace vt::invoices {

namespace {

// A file-name field holds at most this many characters.
constexpr qsizetype kMaxName = 250;
// A suffix counts as the extension when it is this short.
constexpr qsizetype kMaxExtension = 16;

bool forbidden(QChar c) {
    static const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
    return c.unicode() < 32 || c.unicode() == 127 || kForbidden.contains(c);
}

bool holdsInCodePage(QChar c) {
    return fromCp1252(toCp1252(QString(c))) == QString(c);
}

bool reservedDeviceName(const QString& stem) {
    static const QStringList kReserved{QStringLiteral("CON"), QStringLiteral("PRN"),
                                       QStringLiteral("AUX"), QStringLiteral("NUL")};
    const QString upper = stem.toUpper();
    if (kReserved.contains(upper)) return true;
    return upper.size() == 4 &&
           (upper.startsWith(QLatin1String("COM")) || upper.startsWith(QLatin1String("LPT"))) &&
           upper[3] >= u'1' && upper[3] <= u'9';
}

}  // namespace

QString copyNameCandidate(const QString& wanted, int n) {
    QString name;
    name.reserve(wanted.size());
    for (QChar c : wanted) name += (forbidden(c) || !holdsInCodePage(c)) ? QChar(u'_') : c;
    name = name.trimmed();
    while (name.endsWith(u'.') || name.endsWith(u' ')) name.chop(1);
    if (name.isEmpty() || name.startsWith(u'.')) name.prepend(QStringLiteral("fattura"));

    // The extension is everything from the first dot of the last short
    // suffixes ("fattura.xml.p7m" keeps ".xml.p7m").
    qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0) {
        const qsizetype first = name.indexOf(u'.');
        if (first > 0 && name.size() - first <= kMaxExtension) dot = first;
        if (name.size() - dot > kMaxExtension) dot = -1;
    }
    QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    if (reservedDeviceName(stem)) stem.prepend(u'_');

    const QString number = n > 1 ? QStringLiteral(" (%1)").arg(n) : QString();
    const qsizetype room = kMaxName - extension.size() - number.size();
    if (stem.size() > room) stem = stem.left(room).trimmed();
    return stem + number + extension;
}

}  // namespace vt::invoices
