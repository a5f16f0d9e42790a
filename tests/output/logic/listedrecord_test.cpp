#include "output/logic/listedrecord.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace vt::list {
namespace {

// Records of 8 bytes: a 4-byte key that makes the list line and a 4-byte
// value that does not, so that two records can share a line.
constexpr int kLength = 8;

QByteArray record(const char* key, const char* value) {
    QByteArray r =
        QByteArray(key).leftJustified(4, ' ', true) + QByteArray(value).leftJustified(4, ' ', true);
    return r;
}
QString line(QByteArrayView r) {
    return QString::fromLatin1(r.first(4));
}
QString value(const QByteArray& r) {
    return QString::fromLatin1(r.mid(4)).trimmed();
}

class Listed : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RecordFile file{dir.filePath("lista.dat"), kLength};
    void SetUp() override {
        // Positions 1 to 4: A/1, B/2, A/3, C/4.
        for (const auto& [k, v] : {std::pair{"A", "1"}, {"B", "2"}, {"A", "3"}, {"C", "4"}})
            ASSERT_TRUE(file.append(record(k, v)));
    }
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST_F(Listed, TheLinesPositionDecidesAndTheLastEqualLineIsTheFallback) {
    const struct {
        const char* what;
        ListLine listed;
        qint64 position;
        const char* value;
    } cases[] = {
        {"first of two equal lines", {"A   ", 1}, 1, "1"},
        {"second of two equal lines", {"A   ", 3}, 3, "3"},
        {"compared trimmed", {"  B ", 2}, 2, "2"},
        {"no position", {"A", 0}, 3, "3"},
        {"the position holds another line", {"A", 2}, 3, "3"},
        {"past the end of the file", {"A", 9}, 3, "3"},
        {"a line no record composes", {"Z", 1}, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ListedRecord found = findListedRecord(file, c.listed, &line);
        EXPECT_FALSE(found.failed);
        EXPECT_EQ(found.position, c.position);
        ASSERT_EQ(found.record.has_value(), c.value != nullptr);
        if (c.value) {
            EXPECT_EQ(value(*found.record), c.value);
        }
    }
}

TEST_F(Listed, AFileThatCannotBeReadFindsNothing) {
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
    const ListedRecord found = findListedRecord(file, {"A", 1}, &line);
    EXPECT_TRUE(found.failed);
    EXPECT_FALSE(found.record);
}

TEST_F(Listed, CollectingSkipsUnreadableRecordsAndKeepsPositions) {
    // The rule lists A, skips B and cannot read C.
    const SelectionRule rule = [](QByteArrayView r) {
        switch (r[0]) {
            case 'A':
                return Selection::List;
            case 'B':
                return Selection::Skip;
            default:
                return Selection::Unreadable;
        }
    };
    ASSERT_TRUE(file.append(record("A", "5")));
    const CollectedLines out = collectLines(file, rule, &line);
    EXPECT_FALSE(out.failure);
    // Without a describer a left-out record is named by its position.
    ASSERT_EQ(out.skipped.size(), 1);
    EXPECT_EQ(out.skipped[0].position, 4);
    ASSERT_EQ(out.lines.size(), 3);
    EXPECT_EQ(out.lines[0].position, 1);
    EXPECT_EQ(out.lines[1].position, 3);
    EXPECT_EQ(out.lines[2].position, 5);  // after the unreadable record
    EXPECT_EQ(out.lines[2].text, "A   ");

    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Close; });
    const CollectedLines failed = collectLines(file, rule, &line);
    EXPECT_TRUE(failed.failure);
    EXPECT_EQ(failed.lines.size(), 3);  // what was read stays
}

TEST(ListLines, SortKeepsEachLineWithItsPositionAndEqualLinesInFileOrder) {
    ListLines lines{{"bolletta", 1}, {"Affitto", 2}, {"affitto", 3}, {"Affitto", 4}};
    sortLines(lines);
    EXPECT_EQ(lineTexts(lines), (QStringList{"Affitto", "affitto", "Affitto", "bolletta"}));
    EXPECT_EQ(lines[0].position, 2);
    EXPECT_EQ(lines[1].position, 3);
    EXPECT_EQ(lines[2].position, 4);
    EXPECT_EQ(lines[3].position, 1);
}

}  // namespace
}  // namespace vt::list
