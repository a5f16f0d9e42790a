#include "archive/backup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "archive/recordfile.h"

namespace vt::backup {

namespace {

const QString kAttachments = QStringLiteral("Documenti_Allegati");
const QString kWorkingSuffix = QStringLiteral(".incompleta");

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A file descriptor closed on every way out.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

int openPath(const QString& path, int flags, mode_t mode = 0) {
    const QByteArray native = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(native.constData(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool syncFolder(const QString& path) {
    Fd dir(openPath(path, O_RDONLY | O_DIRECTORY));
    return dir.ok() && ::fsync(dir.get()) == 0 && dir.close();
}

enum class Copy { Done, Failed, Cancelled };

// Copies one file to a new file and syncs it. Anything but a regular file
// (a folder where a year file should be, a pipe) is a failure: a copy that
// silently left it out would look complete.
Copy copyFile(const QString& from, const QString& to, const std::atomic<bool>* cancel,
              QString* reason) {
    auto fail = [&](const QString& why) {
        *reason = why;
        return Copy::Failed;
    };
    if (ioFaultInjected(IoStep::Open, from)) return fail(systemReason());
    Fd source(openPath(from, O_RDONLY | O_NONBLOCK));
    if (!source.ok()) return fail(systemReason());
    struct stat st {};
    if (::fstat(source.get(), &st) != 0) return fail(systemReason());
    if (!S_ISREG(st.st_mode)) return fail(QStringLiteral("non è un file"));

    if (ioFaultInjected(IoStep::Open, to)) return fail(systemReason());
    Fd target(openPath(to, O_WRONLY | O_CREAT | O_EXCL, 0644));
    if (!target.ok()) return fail(systemReason());

    std::vector<char> buffer(1 << 20);
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed)) return Copy::Cancelled;
        if (ioFaultInjected(IoStep::Read, from)) return fail(systemReason());
        const ssize_t got = ::read(source.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            return fail(systemReason());
        }
        if (got == 0) break;
        ssize_t done = 0;
        while (done < got) {
            if (ioFaultInjected(IoStep::Write, to)) return fail(systemReason());
            const ssize_t n =
                ::write(target.get(), buffer.data() + done, static_cast<size_t>(got - done));
            if (n < 0) {
                if (errno == EINTR) continue;
                return fail(systemReason());
            }
            done += n;
        }
    }
    if (ioFaultInjected(IoStep::Sync, to) || ::fsync(target.get()) != 0)
        return fail(systemReason());
    if (ioFaultInjected(IoStep::Close, to) || !target.close()) return fail(systemReason());
    return Copy::Done;
}

// The complete daily copies in the backup folder, newest first.
QStringList dayFolders(const QString& backupDir) {
    QStringList days;
    const QStringList names =
        QDir(backupDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const QDate day = QDate::fromString(name, QStringLiteral("yyyy-MM-dd"));
        if (day.isValid() && dayFolderName(day) == name) days.append(name);
    }
    std::sort(days.begin(), days.end(), std::greater<>());
    return days;
}

void pruneOldCopies(const QString& backupDir, const QString& today, int keep) {
    const QStringList days = dayFolders(backupDir);
    int kept = days.contains(today) ? 1 : 0;
    for (const QString& day : days) {
        if (day == today) continue;
        if (kept < keep) {
            ++kept;
            continue;
        }
        QDir(backupDir + u'/' + day).removeRecursively();
    }
}

// Working folders left by a copy that was interrupted (power cut, program
// killed): never a complete copy, so they go.
void removeLeftovers(const QString& backupDir) {
    const QStringList names =
        QDir(backupDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : names)
        if (name.endsWith(kWorkingSuffix)) QDir(backupDir + u'/' + name).removeRecursively();
}

}  // namespace

QString dayFolderName(const QDate& day) {
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

QStringList archiveItems(const QString& programDir) {
    QStringList items;
    const QDir dir(programDir);
    static const QRegularExpression yearFile(QStringLiteral("^[0-9]{4}\\.eur$"));
    QStringList years =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    years = years.filter(yearFile);
    items += years;
    for (const char* name : {"Causali.pro", "Clienti.pro", "unins000.dll"}) {
        const QString item = QString::fromLatin1(name);
        if (QFileInfo::exists(dir.filePath(item))) items.append(item);
    }
    const QString attachments = dir.filePath(kAttachments);
    if (QFileInfo(attachments).isDir()) {
        QStringList files;
        // Regular files only: a pipe or socket left in the folder is no
        // attachment, and reading one would hold the copy up.
        QDirIterator it(attachments, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) files.append(dir.relativeFilePath(it.next()));
        files.sort();
        items += files;
    }
    return items;
}

Outcome makeDailyBackup(const QString& programDir, const QDate& today,
                        const std::atomic<bool>* cancel, int keep) {
    const QDir program(programDir);
    const QString backupDir = program.filePath(kFolderName);
    const QString dayName = dayFolderName(today);
    Outcome outcome;
    outcome.folder = backupDir + u'/' + dayName;
    if (QFileInfo(outcome.folder).isDir()) {
        outcome.kind = Outcome::Kind::AlreadyDone;
        return outcome;
    }
    const QStringList items = archiveItems(programDir);
    if (items.isEmpty()) return outcome;  // NothingToSave

    auto failed = [&](const QString& item, const QString& reason) {
        outcome.kind = Outcome::Kind::Failed;
        outcome.item = item;
        outcome.reason = reason;
        return outcome;
    };
    if (!QDir().mkpath(backupDir)) {
        errno = QFileInfo::exists(backupDir) ? ENOTDIR : EACCES;
        return failed(backupDir, systemReason());
    }
    removeLeftovers(backupDir);
    const QString working = backupDir + u'/' + dayName + kWorkingSuffix;
    auto abandon = [&] { QDir(working).removeRecursively(); };
    if (!QDir().mkpath(working))
        return failed(working, QStringLiteral("impossibile creare la cartella"));

    for (const QString& item : items) {
        const QString target = working + u'/' + item;
        const QString folder = QFileInfo(target).path();
        if (!QDir().mkpath(folder)) {
            abandon();
            return failed(program.filePath(item), QStringLiteral("impossibile creare la cartella"));
        }
        QString reason;
        switch (copyFile(program.filePath(item), target, cancel, &reason)) {
            case Copy::Done:
                break;
            case Copy::Cancelled:
                abandon();
                outcome.kind = Outcome::Kind::Cancelled;
                return outcome;
            case Copy::Failed:
                abandon();
                return failed(program.filePath(item), reason);
        }
    }
    // Every file is on disk; the folder's entries must be too before the
    // copy takes the name that says it is complete.
    QDirIterator folders(working, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (folders.hasNext()) syncFolder(folders.next());
    if (!syncFolder(working)) {
        abandon();
        return failed(working, systemReason());
    }
    if (::rename(QFile::encodeName(working).constData(),
                 QFile::encodeName(outcome.folder).constData()) != 0) {
        const QString reason = systemReason();
        abandon();
        if (QFileInfo(outcome.folder).isDir()) {  // made meanwhile by another start
            outcome.kind = Outcome::Kind::AlreadyDone;
            return outcome;
        }
        return failed(outcome.folder, reason);
    }
    syncFolder(backupDir);
    outcome.kind = Outcome::Kind::Made;
    pruneOldCopies(backupDir, dayName, keep);
    return outcome;
}

QString failureText(const Outcome& outcome) {
    const QString brk = QStringLiteral("\n\r\n\r");
    return QStringLiteral(
               "Attenzione: la copia di sicurezza giornaliera degli archivi non è stata "
               "completata.") +
           brk +
           QStringLiteral("Non è stato possibile salvare \"%1\" (%2) nella cartella \"%3\".")
               .arg(QDir::toNativeSeparators(outcome.item), outcome.reason,
                    QDir::toNativeSeparators(QFileInfo(outcome.folder).path())) +
           brk +
           QStringLiteral(
               "Gli archivi non sono stati modificati. La copia sarà ripetuta al prossimo avvio "
               "del "
               "programma.");
}

}  // namespace vt::backup
