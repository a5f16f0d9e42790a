#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/recordfile.h"
#include "movements/logic/duepayments.h"
#include "movements/logic/searchmovements.h"

namespace vt::due {
namespace {

MovementRecord make(const QString& causale, const QString& dataSca, const QString& preavviso,
                    std::optional<bool> saldato = false) {
    MovementRecord r;
    r.setFlag(mov::Entrata, true);
    r.setFlag(mov::Uscita, false);
    r.setText(mov::Causale, causale);
    r.setText(mov::DataSca, dataSca);
    r.setText(mov::Preavviso, preavviso);
    r.setText(mov::Pagatore, "Rossi");
    r.setText(mov::Beneficiario, "Bianchi");
    r.setText(mov::ImportoSegnato, "+10,00");
    if (saldato)
        r.setFlag(mov::Saldato, *saldato);
    else
        r.setText(mov::Saldato, "si");
    return r;
}

const QDate kToday(2024, 3, 10);

struct Case {
    const char* what;
    QString dataSca, preavviso;
    std::optional<bool> saldato;
    list::Selection expected;
};

TEST(Judge, NoticePeriodSettlementAndUnreadableFields) {
    const Case cases[] = {
        {"notice period begins today", "20/03/2024", "10", false, list::Selection::List},
        {"one day short", "20/03/2024", "9", false, list::Selection::Skip},
        {"due today, no notice", "10/03/2024", "0", false, list::Selection::List},
        {"overdue in a past year", "01/02/2023", "0", false, list::Selection::List},
        {"due tomorrow", "11/03/2024", "0", false, list::Selection::Skip},
        {"settled", "01/01/2024", "0", true, list::Selection::Skip},
        {"unknown settlement flag", "01/01/2024", "0", std::nullopt, list::Selection::Skip},
        {"long notice", "30/11/2024", "999", false, list::Selection::List},
        {"bad due date", "31/02/2024", "0", false, list::Selection::Unreadable},
        {"empty due date", "", "0", false, list::Selection::Unreadable},
        {"empty notice", "01/01/2024", "", false, list::Selection::Unreadable},
        {"letters as notice", "01/01/2024", "1a", false, list::Selection::Unreadable},
        // A settled movement is never due: nothing in it needs reading.
        {"settled with a bad due date", "xx", "0", true, list::Selection::Skip},
        {"settled with letters as notice", "01/01/2024", "1a", true, list::Selection::Skip},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(judge(make("x", c.dataSca, c.preavviso, c.saldato).bytes(), kToday), c.expected);
    }
}

class DueFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("2024.eur");
    void add(const MovementRecord& r) { ASSERT_TRUE(MovementFile(path).append(r)); }
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST_F(DueFile, ListsInFileOrderAndSkipsOnlyTheUnreadableRecords) {
    add(make("Uno", "01/03/2024", "0"));
    add(make("Saldato", "01/03/2024", "0", true));
    add(make("Due", "15/03/2024", "5"));
    add(make("Rotto", "15/13/2024", "5"));
    add(make("Tre", "01/03/2024", "0"));
    add(make("Preavviso in lettere", "01/03/2024", "5g"));
    add(make("Quattro", "01/03/2024", "0"));
    const list::CollectedLines list = dueList(path, kToday);
    EXPECT_FALSE(list.failure);
    // The left-out records are named by position, due date and causale.
    ASSERT_EQ(list.skipped.size(), 2);
    EXPECT_EQ(list.skipped[0].position, 4);
    EXPECT_EQ(list.skipped[0].date, "15/13/2024");
    EXPECT_EQ(list.skipped[0].causale, "Rotto");
    EXPECT_EQ(list.skipped[1].position, 6);
    EXPECT_EQ(list.skipped[1].causale, "Preavviso in lettere");
    ASSERT_EQ(list.lines.size(), 4);
    const char* starts[] = {"Uno ", "Due ", "Tre ", "Quattro "};
    const qint64 positions[] = {1, 3, 5, 7};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(list.lines[i].text.startsWith(starts[i])) << i;
        EXPECT_EQ(list.lines[i].position, positions[i]);
    }
    EXPECT_EQ(list.lines[1].text, movsearch::movementLine(make("Due", "15/03/2024", "5").bytes()));
}

TEST_F(DueFile, EmptyOrMissingYearListsNothing) {
    const list::CollectedLines list = dueList(path, kToday);
    EXPECT_FALSE(list.failure);
    EXPECT_TRUE(list.lines.isEmpty());
}

TEST_F(DueFile, AccessFailureEndsTheListKeepingItsLines) {
    add(make("Uno", "01/03/2024", "0"));
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Close; });
    const list::CollectedLines list = dueList(path, kToday);
    EXPECT_TRUE(list.failure);
    EXPECT_EQ(list.lines.size(), 1);
}

}  // namespace
}  // namespace vt::due
