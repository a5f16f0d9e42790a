#include "archive/recordfile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <thread>

#include "support/fakes.h"

namespace vt {
namespace {

QByteArray record(char fill, int length = 10) {
    return QByteArray(length, fill);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

class RecordFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("2026.eur"));
    RecordFile file{path, 10};
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST_F(RecordFileTest, MissingFileIsCreatedEmptyByAnyAction) {
    ASSERT_TRUE(file.count());
    EXPECT_EQ(*file.count(), 0);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);

    QFile::remove(path);
    int visited = 0;
    EXPECT_TRUE(file.scan([&](qint64, QByteArrayView) { return ++visited, true; }));
    EXPECT_EQ(visited, 0);
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(RecordFileTest, AppendReadOverwriteAtPositions) {
    EXPECT_EQ(*file.append(record('a')), 1);
    EXPECT_EQ(*file.append(record('b')), 2);
    EXPECT_EQ(*file.append(record('c')), 3);
    EXPECT_EQ(*file.count(), 3);
    EXPECT_EQ(*file.read(2), record('b'));

    ASSERT_TRUE(file.overwrite(2, record('B')));
    EXPECT_EQ(contents(path), record('a') + record('B') + record('c'));
}

TEST_F(RecordFileTest, PositionsOutsideTheFileFail) {
    file.append(record('a'));
    EXPECT_FALSE(file.read(0));
    EXPECT_FALSE(file.read(2));
    EXPECT_FALSE(file.overwrite(2, record('x')));
    EXPECT_FALSE(file.overwrite(1, record('x', 9)));
    EXPECT_EQ(contents(path), record('a'));
}

TEST_F(RecordFileTest, PartialTailIsIgnoredAndOverwrittenByAppend) {
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(record('a') + QByteArray("xyz"));
    }
    EXPECT_EQ(*file.count(), 1);
    QList<qint64> seen;
    file.scan([&](qint64 p, QByteArrayView) { return seen.append(p), true; });
    EXPECT_EQ(seen, QList<qint64>{1});
    EXPECT_EQ(*file.append(record('b')), 2);
    EXPECT_EQ(contents(path), record('a') + record('b'));
}

TEST_F(RecordFileTest, ScanVisitsInFileOrderAcrossBlocksAndCanStop) {
    RecordFile big(path, 3414);
    for (int i = 0; i < 700; ++i) big.append(QByteArray(3414, static_cast<char>('A' + i % 26)));
    qint64 expected = 1;
    bool ordered = true;
    big.scan([&](qint64 p, QByteArrayView r) {
        ordered &= p == expected && r[0] == static_cast<char>('A' + (p - 1) % 26);
        ++expected;
        return true;
    });
    EXPECT_TRUE(ordered);
    EXPECT_EQ(expected, 701);

    int visited = 0;
    EXPECT_TRUE(big.scan([&](qint64, QByteArrayView) { return ++visited < 5; }));
    EXPECT_EQ(visited, 5);
}

// A file another workstation changes while this one scans it: shortened (a
// restored copy) or grown (a card saved there). The scan must end normally.
class ChangingFile : public ::testing::Test {
protected:
    static constexpr int kLength = 10;
    static constexpr qint64 kRecords = 40000;  // several read blocks
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("2026.eur"));
    RecordFile file{path, kLength};

    void SetUp() override {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(fullContent()), kRecords * kLength);
    }
    static QByteArray fullContent() {
        QByteArray all;
        all.reserve(kRecords * kLength);
        for (qint64 p = 1; p <= kRecords; ++p) all += recordAt(p);
        return all;
    }
    static QByteArray recordAt(qint64 position) {
        return QByteArray::number(position).leftJustified(kLength, '.', true);
    }
    // Scans, running `change` (on another thread) when the scan reaches
    // record 100, and waits for it before going on.
    qint64 scanChangedAt100(const std::function<void()>& change, bool* ordered) {
        qint64 visited = 0;
        *ordered = true;
        const FileStatus status = file.scan([&](qint64 p, QByteArrayView r) {
            *ordered &= p == visited + 1 && r == recordAt(p);
            ++visited;
            if (p == 100) std::thread(change).join();
            return true;
        });
        EXPECT_TRUE(status);
        return visited;
    }
};

TEST_F(ChangingFile, AFileShortenedDuringAScanEndsItAtTheNewEnd) {
    for (qint64 newSize : {qint64{20000} * kLength, qint64{20000} * kLength + 5}) {
        SetUp();
        bool ordered = false;
        const qint64 visited =
            scanChangedAt100([&] { ASSERT_TRUE(QFile::resize(path, newSize)); }, &ordered);
        EXPECT_EQ(visited, 20000) << newSize;
        EXPECT_TRUE(ordered);
    }
    // Shortened to nothing at all.
    SetUp();
    bool ordered = false;
    const qint64 visited = scanChangedAt100([&] { ASSERT_TRUE(QFile::resize(path, 0)); }, &ordered);
    EXPECT_GE(visited, 100);
    EXPECT_LT(visited, kRecords);
    EXPECT_TRUE(ordered);
}

TEST_F(ChangingFile, AFileGrownDuringAScanGivesTheRecordsCountedAtTheStart) {
    bool ordered = false;
    const qint64 visited = scanChangedAt100(
        [&] {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::Append));
            for (qint64 p = kRecords + 1; p <= kRecords + 500; ++p) f.write(recordAt(p));
        },
        &ordered);
    EXPECT_EQ(visited, kRecords);
    EXPECT_TRUE(ordered);
    EXPECT_EQ(*file.count(), kRecords + 500);
}

TEST_F(ChangingFile, ScansSurviveASecondThreadShorteningAndRestoringTheFile) {
    // No synchronisation at all: whatever the moment of each cut, every scan
    // ends normally with records in order from position 1.
    std::atomic<bool> stop = false;
    const QByteArray content = fullContent();
    std::thread other([&] {
        const QByteArray native = QFile::encodeName(path);
        qint64 cut = 1;
        while (!stop) {
            cut = (cut * 7919 + 13) % (kRecords * kLength);
            if (::truncate(native.constData(), cut) != 0) break;
            QFile f(path);
            if (!f.open(QIODevice::ReadWrite)) break;
            f.seek(cut);
            f.write(content.mid(cut));
        }
    });
    for (int round = 0; round < 30; ++round) {
        qint64 visited = 0;
        bool ordered = true;
        const FileStatus status = file.scan([&](qint64 p, QByteArrayView) {
            ordered &= p == visited + 1;
            ++visited;
            return true;
        });
        EXPECT_TRUE(status);
        EXPECT_TRUE(ordered);
        EXPECT_LE(visited, kRecords);
    }
    stop = true;
    other.join();
}

TEST_F(RecordFileTest, PathBelowARegularFileFailsForEveryAction) {
    // Permission bits do not stop root; a path below a regular file stops
    // everyone.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    QFile(blocker).open(QIODevice::WriteOnly);
    RecordFile bad(blocker + QStringLiteral("/2026.eur"), 10);
    EXPECT_FALSE(bad.count());
    EXPECT_FALSE(bad.read(1));
    EXPECT_FALSE(bad.append(record('a')));
    EXPECT_FALSE(bad.overwrite(1, record('a')));
    EXPECT_FALSE(bad.scan([](qint64, QByteArrayView) { return true; }));
    EXPECT_FALSE(bad.touch());
    EXPECT_EQ(QFileInfo(blocker).size(), 0);
}

TEST_F(RecordFileTest, ReadOnlyFileFailsForOrdinaryUsers) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    file.append(record('a'));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_FALSE(file.count());
    EXPECT_FALSE(file.append(record('b')));
    EXPECT_EQ(contents(path), record('a'));
}

TEST_F(RecordFileTest, FolderWithoutWritePermissionFailsForOrdinaryUsers) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(file.count());
    EXPECT_FALSE(file.append(record('a')));
    EXPECT_FALSE(QFileInfo::exists(path));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(RecordFileTest, AnExistingThingThatCannotBeOpenedIsNeverReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2026.eur")));
    EXPECT_FALSE(file.count());
    EXPECT_FALSE(file.append(record('a')));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(RecordFileTest, FullDeviceMakesAppendFail) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP();
    RecordFile full(QStringLiteral("/dev/full"), 10);
    EXPECT_FALSE(full.append(record('a')));
}

class InjectedFault : public RecordFileTest, public ::testing::WithParamInterface<IoStep> {};

TEST_P(InjectedFault, WriteActionsReportTheFailureAndLeaveOtherRecordsAlone) {
    file.append(record('a'));
    file.append(record('b'));
    const QByteArray before = contents(path);
    const IoStep failing = GetParam();
    setIoFaultHook([failing](IoStep step, const QString&) { return step == failing; });

    EXPECT_FALSE(file.append(record('c')));
    EXPECT_FALSE(file.overwrite(1, record('z')));
    setIoFaultHook(nullptr);

    const QByteArray after = contents(path);
    if (failing == IoStep::Sync || failing == IoStep::Close) {
        // The bytes may have reached the file, but the save was not
        // confirmed, so it was reported as failed. Record 2 is untouched.
        EXPECT_EQ(after.mid(10, 10), record('b'));
    } else {
        EXPECT_EQ(after, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, InjectedFault,
                         ::testing::Values(IoStep::Open, IoStep::Stat, IoStep::Write, IoStep::Sync,
                                           IoStep::Close));

TEST_F(RecordFileTest, ReadFailureEndsReading) {
    file.append(record('a'));
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Read; });
    EXPECT_FALSE(file.read(1));
    EXPECT_FALSE(file.scan([](qint64, QByteArrayView) { return true; }));
}

TEST(ArchivePaths, BesideTheProgram) {
    test::FakeSystem system;
    EXPECT_EQ(yearFilePath(QStringLiteral("2014")), system.file(QStringLiteral("2014.eur")));
    EXPECT_EQ(yearFilePath(QStringLiteral("0000")), system.file(QStringLiteral("0000.eur")));
    EXPECT_EQ(causaliFilePath(), system.file(QStringLiteral("Causali.pro")));
    EXPECT_EQ(clientiFilePath(), system.file(QStringLiteral("Clienti.pro")));
}

TEST(TypedFiles, MovementRoundTrip) {
    test::FakeSystem system;
    MovementFile file(yearFilePath(QStringLiteral("2026")));
    MovementRecord r;
    r.setText(mov::Causale, QStringLiteral("Affitto"));
    r.setFlag(mov::Entrata, true);
    EXPECT_EQ(*file.append(r), 1);
    const auto back = file.read(1);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text(mov::Causale), QStringLiteral("Affitto"));
    EXPECT_EQ(back->flag(mov::Entrata), Flag::Yes);
    EXPECT_EQ(QFileInfo(file.raw().path()).size(), 3414);
}

TEST(AccessFailureMessage, TwoParagraphsSeparatedByTheMessageBreak) {
    EXPECT_EQ(accessFailureMessage(),
              QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                             "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                             "del programma."));
}

}  // namespace
}  // namespace vt
