#include "output/logic/exportrows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace vt::exporting {
namespace {

constexpr int kLength = 4;

QStringList cells(QByteArrayView record) {
    return {QString::fromLatin1(record).trimmed()};
}

class FileRows : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("archivio.dat"));
    RecordFile file{path, kLength};
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST_F(FileRows, AReadFailureComesBackWithTheRowsReadBeforeIt) {
    for (const char* r : {"uno ", "due ", "tre "}) ASSERT_TRUE(file.append(QByteArray(r)));
    const Rows whole = fileRows(file, cells);
    EXPECT_FALSE(whole.failure);
    EXPECT_EQ(whole.rows, (QList<QStringList>{{"uno"}, {"due"}, {"tre"}}));

    struct Case {
        const char* what;
        IoStep step;
        int passes;  // steps of that kind that still go through
        std::optional<qsizetype> rowCount;
        qsizetype rows;
    };
    const Case cases[] = {
        {"cannot be opened", IoStep::Open, 0, std::nullopt, 0},
        {"cannot be measured", IoStep::Stat, 0, std::nullopt, 0},
        {"opened to count, not to read", IoStep::Open, 1, 3, 0},
        {"fails on reading", IoStep::Read, 0, 3, 0},
        {"fails on closing after the read", IoStep::Close, 1, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int seen = 0;
        setIoFaultHook(
            [&](IoStep step, const QString&) { return step == c.step && seen++ >= c.passes; });
        const Rows rows = fileRows(file, cells);
        EXPECT_TRUE(rows.failure);
        EXPECT_EQ(rows.rowCount, c.rowCount);
        EXPECT_EQ(rows.rows.size(), c.rows);
    }
}

TEST_F(FileRows, AFolderInPlaceOfTheFileIsAFailureNotAnEmptyArchive) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("archivio.dat")));
    const Rows rows = fileRows(file, cells);
    EXPECT_TRUE(rows.failure);
    EXPECT_FALSE(rows.rowCount);
}

}  // namespace
}  // namespace vt::exporting
