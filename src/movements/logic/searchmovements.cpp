#include "movements/logic/searchmovements.h"

#include <algorithm>

#include "archive/codec.h"
#include "output/logic/listlogic.h"

namespace vt::movsearch {

int filledCount(const Filters& filters) {
    int k = 0;
    for (const QString& f : filters)
        if (!f.trimmed().isEmpty()) ++k;
    return k;
}

int matchCount(QByteArrayView record, const Filters& filters) {
    int matches = 0;
    for (std::size_t i = 0; i < kSearchFields.size(); ++i) {
        if (filters[i].isEmpty()) continue;
        const QString field = readField(record, mov::kFields[kSearchFields[i]]);
        if (list::foldAZ(field).contains(list::foldAZ(filters[i]))) ++matches;
    }
    return matches;
}

namespace {
// Appends `text` padded with blanks or cut to `width` characters.
void appendFixed(QString& line, const QString& text, qsizetype width) {
    const qsizetype used = std::min(text.size(), width);
    line.append(QStringView(text).left(used));
    if (used < width) line.resize(line.size() + width - used, u' ');
}
}  // namespace

QString movementLine(QByteArrayView record) {
    auto field = [&](mov::Field f) { return readField(record, mov::kFields[f]); };
    QString line;
    line.reserve(200);
    appendFixed(line, field(mov::Causale), 40);
    line.append(u"  Scad. ");
    appendFixed(line, field(mov::DataSca), 10);
    line.append(u"  Da: ");
    appendFixed(line, field(mov::Pagatore), 30);
    line.append(u"  A: ");
    appendFixed(line, field(mov::Beneficiario), 30);
    line.append(u"  Importo: ");
    line.append(field(mov::ImportoSegnato));
    return line;
}

SearchResult search(const QString& yearFile, const Filters& filters) {
    SearchResult result;
    result.filled = filledCount(filters);
    // Folded once, not once per record.
    Filters folded;
    for (std::size_t i = 0; i < filters.size(); ++i) folded[i] = list::foldAZ(filters[i]);
    const MovementFile file(yearFile);
    const FileStatus status = file.scan([&](qint64, QByteArrayView record) {
        int matches = 0;
        for (std::size_t i = 0; i < kSearchFields.size(); ++i) {
            if (folded[i].isEmpty()) continue;
            if (list::foldAZ(readField(record, mov::kFields[kSearchFields[i]])).contains(folded[i])) ++matches;
        }
        if (matches >= result.filled) result.lines.append(movementLine(record));
        return true;
    });
    if (!status) result.failure = status.failure();
    return result;
}

LineMatch findLine(const QString& yearFile, const QString& line) {
    LineMatch match;
    const QString wanted = vt::trimmed(line);
    const MovementFile file(yearFile);
    const FileStatus status = file.scan([&](qint64 position, QByteArrayView record) {
        if (vt::trimmed(movementLine(record)) == wanted) {
            match.record = MovementRecord(QByteArray(record.data(), record.size()));
            match.position = position;
        }
        return true;
    });
    match.failed = !status;
    return match;
}

QString countText(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

}  // namespace vt::movsearch
