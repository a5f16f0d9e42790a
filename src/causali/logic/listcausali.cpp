#include "causali/logic/listcausali.h"

#include "archive/codec.h"
#include "archive/recordfile.h"
#include "output/logic/listlogic.h"

namespace vt::causlist {

QString causaleLine(QByteArrayView record) {
    auto field = [&](cau::Field f) { return readField(record, cau::kFields[f]); };
    QString line;
    line.reserve(160);
    line.append(list::fixedWidth(field(cau::Causale), 48));
    line.append(u"  Da: ");
    line.append(list::fixedWidth(field(cau::Pagatore), 34));
    line.append(u"  A: ");
    line.append(list::fixedWidth(field(cau::Beneficiario), 34));
    line.append(u"  Importo: ");
    line.append(field(cau::ImportoSegnato));
    return line;
}

bool listed(QByteArrayView record) {
    // readField trims; a causale of blanks alone is empty.
    return !rawField(record, cau::kFields[cau::Causale]).isEmpty() &&
           !readField(record, cau::kFields[cau::Causale]).isEmpty();
}

QStringList lines(const QString& path) {
    QStringList out;
    const CausaliFile file(path);
    (void)file.scan([&](qint64, QByteArrayView record) {
        if (listed(record)) out.append(causaleLine(record));
        return true;
    });
    return out;
}

LineMatch findLine(const QString& path, const QString& line) {
    LineMatch match;
    const QString wanted = vt::trimmed(line);
    const CausaliFile file(path);
    (void)file.scan([&](qint64 position, QByteArrayView record) {
        if (vt::trimmed(causaleLine(record)) == wanted) {
            match.record = CausaleRecord(QByteArray(record.data(), record.size()));
            match.position = position;
        }
        return true;
    });
    return match;
}

}  // namespace vt::causlist
