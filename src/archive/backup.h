#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <atomic>

namespace vt::backup {

// How many daily copies stay in the backup folder; older ones are deleted
// once a new copy is complete.
inline constexpr int kKeptDays = 30;
// The folder of the copies, inside the program folder.
inline const QString kFolderName = QStringLiteral("Backup");

struct Outcome {
    enum class Kind {
        Made,           // today's copy is complete
        AlreadyDone,    // today's copy existed already
        NothingToSave,  // no archive in the program folder (a first start)
        Failed,         // something could not be copied; nothing looks complete
        Cancelled,      // the program ended first; nothing looks complete
    };
    Kind kind = Kind::NothingToSave;
    // The folder of today's copy (complete or not).
    QString folder;
    // With Failed: the file or folder that could not be saved, and why.
    QString item;
    QString reason;
};

// The name of a day's folder: "2026-12-10".
QString dayFolderName(const QDate& day);

// What a copy saves, as paths relative to the program folder, in copy
// order: every "<yyyy>.eur", "Causali.pro", "Clienti.pro", the password
// store and every file below the attachments folder.
QStringList archiveItems(const QString& programDir);

// Makes today's copy of the archives when none exists: everything is
// copied into a working folder, each file synced, and the folder renamed to
// its day only when complete, so an interrupted or failed copy never looks
// like a finished one. After a new copy the oldest are deleted so that the
// `keep` newest remain (today's always among them, even when the clock went
// back). `cancel`, when set, stops the copy between blocks.
Outcome makeDailyBackup(const QString& programDir, const QDate& today,
                        const std::atomic<bool>* cancel = nullptr, int keep = kKeptDays);

// The text of the notice for a failed copy.
QString failureText(const Outcome& outcome);

}  // namespace vt::backup
