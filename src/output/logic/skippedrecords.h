#pragma once

#include <QList>
#include <QString>

namespace vt::list {

// A record that a list or a computation could not take in, as a message
// names it for the user to find it again: its position in the file and the
// date and causale it holds, as stored.
struct SkippedRecord {
    qint64 position = 0;
    QString date;
    QString causale;
};
using SkippedRecords = QList<SkippedRecord>;

// "scheda n. 3 dell'archivio (data "31/02/2026", causale "Affitto")", with
// `dateCaption` naming which of the record's dates is shown.
QString recordMention(qint64 position, const QString& dateCaption, const QString& date,
                      const QString& causale);
QString recordMention(const SkippedRecord& record, const QString& dateCaption);

// Why records were left out of a list: the caption of the date the mention
// shows, and the reason said of one record ("la sua data ...") and of
// several ("la loro data ...").
struct SkipReason {
    QString dateCaption;
    QString one;
    QString many;
};

// At most this many records are named one by one; the others are counted.
inline constexpr qsizetype kNamedSkippedRecords = 10;

// The notice shown after filling a list of movements that left records out:
// which records, why, and where to mend them (the movements register).
// Empty when nothing was left out.
QString skippedNotice(const SkippedRecords& skipped, const SkipReason& why);

}  // namespace vt::list
