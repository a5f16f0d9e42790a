#include "archive/backup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "archive/recordfile.h"

namespace vt::backup {
namespace {

const QDate kToday(2026, 12, 10);

class BackupTest : public ::testing::Test {
public:
    std::unique_ptr<QTemporaryDir> tmp = std::make_unique<QTemporaryDir>();
    QString program() const { return tmp->path() + u'/'; }
    QString path(const QString& name) const { return tmp->filePath(name); }
    QString dayFolder(const QDate& day = kToday) const {
        return tmp->filePath(QStringLiteral("Backup/") + dayFolderName(day));
    }

    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeArchives() {
        write(QStringLiteral("2025.eur"), QByteArray(3414 * 2, 'a'));
        write(QStringLiteral("2026.eur"), QByteArray(3414, 'b'));
        write(QStringLiteral("Causali.pro"), QByteArray(1628, 'c'));
        write(QStringLiteral("Clienti.pro"), QByteArray(3372, 'd'));
        write(QStringLiteral("unins000.dll"), "[Accesso]\nValore=ABC\n");
        write(QStringLiteral("Documenti_Allegati/fattura.pdf"), "%PDF-1.4 fattura");
        write(QStringLiteral("Documenti_Allegati/sub/contratto firmato.doc"), "contratto");
    }
    // Nothing in the backup folder may look like a finished copy but the
    // folders named here.
    QStringList backupEntries() const {
        return QDir(tmp->filePath(QStringLiteral("Backup")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    void TearDown() override { setIoFaultHook({}); }
};

TEST_F(BackupTest, CopiesEveryArchiveIntoTodaysFolder) {
    writeArchives();
    write(QStringLiteral("Movimenti.xls"), "export, not an archive");
    write(QStringLiteral("ab12.eur"), "not a year file");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("Documenti_Allegati/pipe"))).constData(), 0644), 0);
    const Outcome outcome = makeDailyBackup(program(), kToday);
    ASSERT_EQ(outcome.kind, Outcome::Kind::Made);
    EXPECT_EQ(outcome.folder, dayFolder());
    for (const char* name :
         {"2025.eur", "2026.eur", "Causali.pro", "Clienti.pro", "unins000.dll",
          "Documenti_Allegati/fattura.pdf", "Documenti_Allegati/sub/contratto firmato.doc"}) {
        const QString item = QString::fromUtf8(name);
        EXPECT_EQ(read(dayFolder() + u'/' + item), read(path(item))) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(dayFolder() + QStringLiteral("/Movimenti.xls")));
    EXPECT_FALSE(QFileInfo::exists(dayFolder() + QStringLiteral("/ab12.eur")));
    EXPECT_FALSE(QFileInfo::exists(dayFolder() + QStringLiteral("/Documenti_Allegati/pipe")));
    EXPECT_EQ(backupEntries(), QStringList{dayFolderName(kToday)});
}

TEST_F(BackupTest, FirstStartWithoutArchivesMakesNothing) {
    EXPECT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::NothingToSave);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Backup"))));
}

TEST_F(BackupTest, SecondStartOfTheDayKeepsTheFirstCopy) {
    writeArchives();
    ASSERT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::Made);
    write(QStringLiteral("2026.eur"), "changed after the morning copy");
    EXPECT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::AlreadyDone);
    EXPECT_EQ(read(dayFolder() + QStringLiteral("/2026.eur")), QByteArray(3414, 'b'));
}

TEST_F(BackupTest, KeepsTheThirtyNewestDays) {
    writeArchives();
    for (int i = 1; i <= 40; ++i) QDir().mkpath(dayFolder(kToday.addDays(-i)));
    QDir().mkpath(tmp->filePath(QStringLiteral("Backup/appunti")));  // not a copy: left alone
    ASSERT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::Made);
    QStringList expected{QStringLiteral("appunti")};
    for (int i = 0; i < 30; ++i) expected.append(dayFolderName(kToday.addDays(-i)));
    expected.sort();
    EXPECT_EQ(backupEntries(), expected);
}

TEST_F(BackupTest, ClockGoneBackKeepsTodaysCopyAmongNewerOnes) {
    writeArchives();
    for (int i = 1; i <= 35; ++i) QDir().mkpath(dayFolder(kToday.addDays(i)));
    ASSERT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::Made);
    EXPECT_TRUE(QFileInfo(dayFolder()).isDir());
    EXPECT_EQ(backupEntries().size(), 30);
    EXPECT_FALSE(QFileInfo::exists(dayFolder(kToday.addDays(6))));
    EXPECT_TRUE(QFileInfo::exists(dayFolder(kToday.addDays(7))));
    EXPECT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::AlreadyDone);
}

TEST_F(BackupTest, LeftoversOfAnInterruptedCopyAreReplaced) {
    writeArchives();
    QDir().mkpath(dayFolder() + QStringLiteral(".incompleta/Documenti_Allegati"));
    ASSERT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::Made);
    EXPECT_EQ(backupEntries(), QStringList{dayFolderName(kToday)});
}

// Every failure leaves the originals as they were, no folder that looks
// like a finished copy, and says what could not be saved.
struct FailureCase {
    const char* name;
    std::function<void(BackupTest&)> arrange;
    QString expectedItem;  // relative to the program folder
};

TEST_F(BackupTest, FailuresLeaveNoCompleteLookingCopy) {
    const std::vector<FailureCase> cases{
        {"year file is a folder",
         [](BackupTest& t) {
             QFile::remove(t.path(QStringLiteral("2026.eur")));
             QDir().mkpath(t.path(QStringLiteral("2026.eur")));
         },
         QStringLiteral("2026.eur")},
        {"disk full while writing",
         [](BackupTest&) {
             setIoFaultHook([](IoStep step, const QString& p) {
                 return step == IoStep::Write && p.endsWith(QStringLiteral("Clienti.pro"));
             });
         },
         QStringLiteral("Clienti.pro")},
        {"attachment cannot be read",
         [](BackupTest&) {
             setIoFaultHook([](IoStep step, const QString& p) {
                 return step == IoStep::Read && p.endsWith(QStringLiteral("fattura.pdf"));
             });
         },
         QStringLiteral("Documenti_Allegati/fattura.pdf")},
        {"sync fails",
         [](BackupTest&) {
             setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Sync; });
         },
         QStringLiteral("2025.eur")},
        {"backup folder cannot be made (a file in its place)",
         [](BackupTest& t) { t.write(QStringLiteral("Backup"), "a file"); },
         QStringLiteral("Backup")},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        tmp = std::make_unique<QTemporaryDir>();
        writeArchives();
        const QByteArray yearBefore = read(path(QStringLiteral("2025.eur")));
        c.arrange(*this);
        const Outcome outcome = makeDailyBackup(program(), kToday);
        setIoFaultHook({});
        EXPECT_EQ(outcome.kind, Outcome::Kind::Failed);
        EXPECT_EQ(outcome.item, path(c.expectedItem));
        EXPECT_FALSE(outcome.reason.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(dayFolder()));
        for (const QString& entry : backupEntries())
            EXPECT_FALSE(entry.endsWith(QStringLiteral(".incompleta")));
        EXPECT_EQ(read(path(QStringLiteral("2025.eur"))), yearBefore);
        // The next start tries again and, the fault gone, succeeds.
        if (c.expectedItem != QStringLiteral("2026.eur") &&
            c.expectedItem != QStringLiteral("Backup")) {
            EXPECT_EQ(makeDailyBackup(program(), kToday).kind, Outcome::Kind::Made);
        }
    }
}

TEST_F(BackupTest, CancelledCopyLeavesNothingComplete) {
    writeArchives();
    std::atomic<bool> cancel{true};
    EXPECT_EQ(makeDailyBackup(program(), kToday, &cancel).kind, Outcome::Kind::Cancelled);
    EXPECT_TRUE(backupEntries().isEmpty());
}

TEST_F(BackupTest, FailureTextNamesWhatAndWhere) {
    Outcome outcome;
    outcome.kind = Outcome::Kind::Failed;
    outcome.folder = QStringLiteral("/prog/Backup/2026-12-10");
    outcome.item = QStringLiteral("/prog/2026.eur");
    outcome.reason = QStringLiteral("non è un file");
    EXPECT_EQ(
        failureText(outcome),
        QStringLiteral(
            "Attenzione: la copia di sicurezza giornaliera degli archivi non è stata completata."
            "\n\r\n\rNon è stato possibile salvare \"/prog/2026.eur\" (non è un file) nella "
            "cartella \"/prog/Backup\".\n\r\n\rGli archivi non sono stati modificati. La copia "
            "sarà ripetuta al prossimo avvio del programma."));
}

}  // namespace
}  // namespace vt::backup
