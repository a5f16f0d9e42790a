#include "output/logic/skippedrecords.h"

#include <algorithm>

namespace vt::list {

namespace {
const QString kLineBreak = QStringLiteral("\n\r");
const QString kParagraphBreak = QStringLiteral("\n\r\n\r");
}  // namespace

QString recordMention(qint64 position, const QString& dateCaption, const QString& date,
                      const QString& causale) {
    return QStringLiteral("scheda n. %1 dell'archivio (%2 \"%3\", causale \"%4\")")
        .arg(position)
        .arg(dateCaption, date, causale);
}

QString recordMention(const SkippedRecord& record, const QString& dateCaption) {
    return recordMention(record.position, dateCaption, record.date, record.causale);
}

QString skippedNotice(const SkippedRecords& skipped, const SkipReason& why) {
    if (skipped.isEmpty()) return {};
    if (skipped.size() == 1)
        return QStringLiteral("Attenzione: la ") + recordMention(skipped.front(), why.dateCaption) +
               QStringLiteral(" non compare nel riepilogo, perch\u00E9 ") + why.one +
               QStringLiteral(".") + kParagraphBreak +
               QStringLiteral(
                   "Correggere la scheda nel Registro Movimenti e riaprire il riepilogo.");
    QString text = QStringLiteral(
                       "Attenzione: %1 schede dell'archivio non compaiono nel riepilogo, "
                       "perch\u00E9 %2:")
                       .arg(skipped.size())
                       .arg(why.many);
    text += kParagraphBreak;
    const qsizetype named = std::min(skipped.size(), kNamedSkippedRecords);
    for (qsizetype i = 0; i < named; ++i) {
        if (i > 0) text += kLineBreak;
        text += recordMention(skipped[i], why.dateCaption);
        text += i + 1 < skipped.size() ? QStringLiteral(";") : QStringLiteral(".");
    }
    if (const qsizetype others = skipped.size() - named; others > 0)
        text += kLineBreak + (others == 1 ? QStringLiteral("e un'altra scheda.")
                                          : QStringLiteral("e altre %1 schede.").arg(others));
    text += kParagraphBreak;
    text += QStringLiteral("Correggere le schede nel Registro Movimenti e riaprire il riepilogo.");
    return text;
}

}  // namespace vt::list
