#include "movements/logic/searchmovements.h"

#include <algorithm>

#include "archive/codec.h"
#include "output/logic/listedrecord.h"
#include "output/logic/listlogic.h"

namespace vt::movsearch {

bool isFilled(const QString& text) {
    return !text.trimmed().isEmpty();
}

int filledCount(const Filters& filters) {
    return static_cast<int>(std::count_if(filters.begin(), filters.end(), isFilled));
}

int matchCount(QByteArrayView record, const Filters& filters) {
    int matches = 0;
    for (std::size_t i = 0; i < kSearchFields.size(); ++i) {
        if (!isFilled(filters[i])) continue;
        const QString field = readField(record, mov::kFields[kSearchFields[i]]);
        if (list::foldAZ(field).contains(list::foldAZ(filters[i]))) ++matches;
    }
    return matches;
}

QString movementLine(QByteArrayView record) {
    auto field = [&](mov::Field f) { return readField(record, mov::kFields[f]); };
    QString line;
    line.reserve(200);
    list::appendFixed(line, field(mov::Causale), 40);
    line.append(u"  Scad. ");
    list::appendFixed(line, field(mov::DataSca), 10);
    line.append(u"  Da: ");
    list::appendFixed(line, field(mov::Pagatore), 30);
    line.append(u"  A: ");
    list::appendFixed(line, field(mov::Beneficiario), 30);
    line.append(u"  Importo: ");
    line.append(field(mov::ImportoSegnato));
    return line;
}

list::SkippedRecord skippedMovement(qint64 position, QByteArrayView record) {
    return {position, readField(record, mov::kFields[mov::DataSca]),
            readField(record, mov::kFields[mov::Causale])};
}

SearchResult search(const QString& yearFile, const Filters& filters) {
    SearchResult result;
    result.filled = filledCount(filters);
    // Folded once, not once per record. A field of blanks only is no filter
    // at all: left empty here, it can neither count nor match.
    Filters folded;
    for (std::size_t i = 0; i < filters.size(); ++i)
        if (isFilled(filters[i])) folded[i] = list::foldAZ(filters[i]);
    list::CollectedLines found = list::collectLines(
        MovementFile(yearFile).raw(),
        [&](QByteArrayView record) {
            int matches = 0;
            for (std::size_t i = 0; i < kSearchFields.size(); ++i) {
                if (folded[i].isEmpty()) continue;
                if (list::foldAZ(readField(record, mov::kFields[kSearchFields[i]]))
                        .contains(folded[i]))
                    ++matches;
            }
            return matches >= result.filled ? list::Selection::List : list::Selection::Skip;
        },
        &movementLine);
    result.lines = std::move(found.lines);
    result.failure = std::move(found.failure);
    return result;
}

LineMatch findLine(const QString& yearFile, const list::ListLine& line) {
    const list::ListedRecord found =
        list::findListedRecord(MovementFile(yearFile).raw(), line, &movementLine);
    LineMatch match;
    if (found.record) match.record = MovementRecord(*found.record);
    match.position = found.position;
    match.failed = found.failed;
    return match;
}

QString countText(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

}  // namespace vt::movsearch
