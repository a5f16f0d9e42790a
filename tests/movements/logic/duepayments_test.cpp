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
    Verdict expected;
};

TEST(Judge, NoticePeriodSettlementAndUnreadableFields) {
    const Case cases[] = {
        {"notice period begins today", "20/03/2024", "10", false, Verdict::List},
        {"one day short", "20/03/2024", "9", false, Verdict::Skip},
        {"due today, no notice", "10/03/2024", "0", false, Verdict::List},
        {"overdue in a past year", "01/02/2023", "0", false, Verdict::List},
        {"due tomorrow", "11/03/2024", "0", false, Verdict::Skip},
        {"settled", "01/01/2024", "0", true, Verdict::Skip},
        {"unknown settlement flag", "01/01/2024", "0", std::nullopt, Verdict::Skip},
        {"long notice", "30/11/2024", "999", false, Verdict::List},
        {"bad due date", "31/02/2024", "0", false, Verdict::Stop},
        {"empty due date", "", "0", false, Verdict::Stop},
        {"empty notice", "01/01/2024", "", false, Verdict::Stop},
        {"letters as notice", "01/01/2024", "1a", false, Verdict::Stop},
        {"settled but unreadable", "xx", "0", true, Verdict::Stop},
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

TEST_F(DueFile, ListsInFileOrderAndStopsAtAnUnreadableRecord) {
    add(make("Uno", "01/03/2024", "0"));
    add(make("Saldato", "01/03/2024", "0", true));
    add(make("Due", "15/03/2024", "5"));
    add(make("Rotto", "15/13/2024", "5"));
    add(make("Tre", "01/03/2024", "0"));
    const DueList list = dueList(path, kToday);
    EXPECT_TRUE(list.stopped);
    ASSERT_EQ(list.lines.size(), 2);
    EXPECT_TRUE(list.lines[0].startsWith("Uno "));
    EXPECT_TRUE(list.lines[1].startsWith("Due "));
    EXPECT_EQ(list.lines[1], movsearch::movementLine(make("Due", "15/03/2024", "5").bytes()));
}

TEST_F(DueFile, EmptyOrMissingYearListsNothing) {
    const DueList list = dueList(path, kToday);
    EXPECT_FALSE(list.stopped);
    EXPECT_TRUE(list.lines.isEmpty());
}

TEST_F(DueFile, AccessFailureEndsTheListSilently) {
    add(make("Uno", "01/03/2024", "0"));
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Close; });
    const DueList list = dueList(path, kToday);
    EXPECT_TRUE(list.stopped);
    EXPECT_EQ(list.lines.size(), 1);
}

}  // namespace
}  // namespace vt::due
