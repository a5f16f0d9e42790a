#include "movements/logic/duepayments.h"

#include "archive/recordfile.h"
#include "archive/texts.h"
#include "movements/logic/searchmovements.h"

namespace vt::due {

std::optional<int> noticeDays(const QString& text) {
    bool ok = false;
    const int days = text.toInt(&ok, 10);
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace()) return std::nullopt;
    return days;
}

Verdict judge(QByteArrayView record, const QDate& today) {
    const auto due = dateValue(readField(record, mov::kFields[mov::DataSca]));
    if (!due) return Verdict::Stop;
    const auto days = noticeDays(readField(record, mov::kFields[mov::Preavviso]));
    if (!days) return Verdict::Stop;
    if (due->addDays(-*days) > today) return Verdict::Skip;
    if (readField(record, mov::kFields[mov::Saldato]) != kNo) return Verdict::Skip;
    return Verdict::List;
}

DueList dueList(const QString& yearFile, const QDate& today) {
    DueList out;
    const MovementFile file(yearFile);
    const FileStatus status = file.scan([&](qint64, QByteArrayView record) {
        switch (judge(record, today)) {
            case Verdict::Stop:
                out.stopped = true;
                return false;
            case Verdict::Skip:
                return true;
            case Verdict::List:
                out.lines.append(movsearch::movementLine(record));
                return true;
        }
        return true;
    });
    if (!status) out.stopped = true;
    return out;
}

}  // namespace vt::due
