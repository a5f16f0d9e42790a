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

list::Selection judge(QByteArrayView record, const QDate& today) {
    using list::Selection;
    if (readField(record, mov::kFields[mov::Saldato]) != kNo) return Selection::Skip;
    const auto due = dateValue(readField(record, mov::kFields[mov::DataSca]));
    if (!due) return Selection::Unreadable;
    const auto days = noticeDays(readField(record, mov::kFields[mov::Preavviso]));
    if (!days) return Selection::Unreadable;
    if (due->addDays(-*days) > today) return Selection::Skip;
    return Selection::List;
}

list::CollectedLines dueList(const QString& yearFile, const QDate& today) {
    return list::collectLines(
        MovementFile(yearFile).raw(), [&today](QByteArrayView record) { return judge(record, today); },
        &movsearch::movementLine, &movsearch::skippedMovement);
}

QString skippedNotice(const list::SkippedRecords& skipped) {
    return list::skippedNotice(
        skipped, {QStringLiteral("scadenza"),
                  QStringLiteral("la sua data di scadenza o i suoi giorni di preavviso non sono "
                                 "leggibili"),
                  QStringLiteral("la loro data di scadenza o i loro giorni di preavviso non sono "
                                 "leggibili")});
}

}  // namespace vt::due
