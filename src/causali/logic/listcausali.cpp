#include "causali/logic/listcausali.h"

#include "archive/codec.h"
#include "archive/recordfile.h"
#include "output/logic/listedrecord.h"

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

list::CollectedLines lines(const QString& path) {
    return list::collectLines(
        CausaliFile(path).raw(),
        [](QByteArrayView record) {
            return listed(record) ? list::Selection::List : list::Selection::Skip;
        },
        &causaleLine);
}

LineMatch findLine(const QString& path, const list::ListLine& line) {
    const list::ListedRecord found =
        list::findListedRecord(CausaliFile(path).raw(), line, &causaleLine);
    LineMatch match;
    if (found.record) match.record = CausaleRecord(*found.record);
    match.position = found.position;
    return match;
}

}  // namespace vt::causlist
