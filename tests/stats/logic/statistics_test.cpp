#include "stats/logic/statistics.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "archive/recordfile.h"
#include "stats/logic/helppages.h"
#include "support/fakes.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::stats {
namespace {

struct Movement {
    QString entrata = kYes;
    QString uscita = kNo;
    QString data;
    QString importo;
};

Movement in(const QString& data, const QString& importo) {
    return {kYes, kNo, data, importo};
}
Movement out(const QString& data, const QString& importo) {
    return {kNo, kYes, data, importo};
}

class YearFile : public ::testing::Test {
protected:
    test::FakeSystem system;
    QString path = system.file(QStringLiteral("2026.eur"));

    void write(const QList<Movement>& movements) {
        const MovementFile file(path);
        for (const Movement& m : movements) {
            MovementRecord r;
            r.setText(mov::Entrata, m.entrata);
            r.setText(mov::Uscita, m.uscita);
            r.setText(mov::Data, m.data);
            r.setText(mov::Importo, m.importo);
            ASSERT_TRUE(file.append(r).ok());
        }
    }
    MonthTexts months(Direction d = Direction::Receipts,
                      const QString& year = QStringLiteral("2026")) {
        const auto totals = monthlyTotals(path, year, d);
        EXPECT_TRUE(totals.ok());
        return totals.ok() ? totals.value() : MonthTexts{};
    }
};

TEST(MonthOf, ReadsTheMonthAndYearByTheirPositions) {
    const struct {
        const char* data;
        const char* year;
        int month;
    } cases[] = {
        {"15/03/2026", "2026", 3}, {"01/12/2026", "2026", 12}, {"31/01/2026", " 2026 ", 1},
        {"15/03/2025", "2026", 0},  // another year in the chosen year's file
        {"15/3/2026", "2026", 0},   // the month is not at its place
        {"2026-03-15", "2026", 0}, {"15/13/2026", "2026", 0},  {"15/00/2026", "2026", 0},
        {"", "2026", 0},           {"15/03", "2026", 0},       {"15/03/26", "26", 3},
        {"xx/03/2026", "2026", 3},  // the day plays no part
    };
    for (const auto& c : cases)
        EXPECT_EQ(monthOf(QString::fromLatin1(c.data), QString::fromLatin1(c.year)), c.month)
            << c.data;
}

TEST(WholeEuros, RoundsHalfUpInExtendedPrecision) {
    const struct {
        const char* sum;
        const char* whole;
    } cases[] = {{"150,5", "151"},    {"150,45", "150"},
                 {"1234,49", "1234"}, {"1234,5", "1235"},
                 {"0", "0"},          {"", "0"},
                 {"0,5", "1"},        {"999999999999,99", "1000000000000"}};
    for (const auto& c : cases)
        EXPECT_EQ(wholeEuros(QString::fromLatin1(c.sum)), QString::fromLatin1(c.whole)) << c.sum;
}

TEST_F(YearFile, MarchReceiptsAddUpAndRoundToTheEuro) {
    write({in("01/03/2026", "100,25"), in("20/03/2026", "50,25"), in("05/04/2026", "100,25"),
           in("06/04/2026", "50,20")});
    const MonthTexts m = months();
    EXPECT_EQ(m[2], QStringLiteral("151"));  // 150,50 rounded up
    EXPECT_EQ(m[3], QStringLiteral("150"));  // 150,45 rounded down
    for (int i : {0, 1, 4, 5, 6, 7, 8, 9, 10, 11}) EXPECT_EQ(m[i], QStringLiteral("0")) << i;
}

TEST_F(YearFile, OnlyTheChosenYearAndFlagCount) {
    write({in("15/03/2025", "999,00"),  // another year in this file
           out("15/03/2026", "70,00"),  // an expense
           {kYes, kYes, QStringLiteral("10/05/2026"), QStringLiteral("10,00")},  // both flags
           {kNo, kNo, QStringLiteral("10/05/2026"), QStringLiteral("20,00")},    // neither
           {QStringLiteral("si"), kNo, QStringLiteral("10/06/2026"),
            QStringLiteral("30,00")},  // not "Sì"
           in("2026/06/10", "40,00"),  // other positions
           in(" 10/07/2026", "1,40"),
           in("11/07/2026", "abc"),  // an unreadable amount is left out
           in("12/07/2026", "")});
    const MonthTexts receipts = months(Direction::Receipts);
    const MonthTexts expenses = months(Direction::Expenses);
    EXPECT_EQ(receipts[2], QStringLiteral("0"));
    EXPECT_EQ(expenses[2], QStringLiteral("70"));
    EXPECT_EQ(receipts[4], QStringLiteral("10"));
    EXPECT_EQ(expenses[4], QStringLiteral("10"));
    EXPECT_EQ(receipts[5], QStringLiteral("0"));
    EXPECT_EQ(receipts[6], QStringLiteral("1"));
    EXPECT_EQ(months(Direction::Receipts, QStringLiteral("2025"))[2], QStringLiteral("999"));
}

TEST_F(YearFile, AMissingFileIsCreatedEmptyAndGivesTwelveZeroes) {
    ASSERT_FALSE(QFile::exists(path));
    const MonthTexts m = months();
    for (const QString& t : m) EXPECT_EQ(t, QStringLiteral("0"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    const auto totals = balanceTotals(path);
    ASSERT_TRUE(totals.ok() && totals->has_value());
    EXPECT_EQ((*totals)->receipts, QStringLiteral("0"));
    EXPECT_EQ((*totals)->expenses, QStringLiteral("0"));
}

TEST_F(YearFile, APartialLastRecordIsNotRead) {
    write({in("01/02/2026", "10,00")});
    MovementRecord tail;
    tail.setText(mov::Entrata, kYes);
    tail.setText(mov::Data, QStringLiteral("01/02/2026"));
    tail.setText(mov::Importo, QStringLiteral("500,00"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(tail.bytes().left(600));
    file.close();
    EXPECT_EQ(months()[1], QStringLiteral("10"));
    EXPECT_EQ(balanceTotals(path).value()->receipts, QStringLiteral("10"));
}

TEST_F(YearFile, AFolderInPlaceOfTheFileIsAFailure) {
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(monthlyTotals(path, QStringLiteral("2026"), Direction::Receipts).ok());
    EXPECT_FALSE(balanceTotals(path).ok());
}

TEST_F(YearFile, TheBalanceCountsEveryRecordWhateverItsDate) {
    write({in("01/01/2026", "1000,40"),
           in("02/02/2019", "200,20"),
           out("", "300,50"),
           {kYes, kYes, QStringLiteral("03/03/2026"), QStringLiteral("1,00")},
           {kNo, kNo, QStringLiteral("03/03/2026"), QStringLiteral("not a number")}});
    const auto totals = balanceTotals(path);
    ASSERT_TRUE(totals.ok() && totals->has_value());
    EXPECT_EQ((*totals)->receipts, QStringLiteral("1202"));  // 1201,60
    EXPECT_EQ((*totals)->expenses, QStringLiteral("302"));   // 301,50
}

TEST_F(YearFile, AnUnreadableAmountLeavesTheBalanceWithoutPoints) {
    write({in("01/01/2026", "1000,40"), out("01/01/2026", "12.50")});
    const auto totals = balanceTotals(path);
    ASSERT_TRUE(totals.ok());
    EXPECT_FALSE(totals->has_value());
}

TEST(Points, MonthsHaveTheirNamesAndColoursInCalendarOrder) {
    MonthTexts texts;
    texts.fill(QStringLiteral("0"));
    texts[2] = QStringLiteral("151");
    const auto points = monthlyPoints(texts);
    ASSERT_EQ(points.size(), 12);
    const QRgb colours[] = {0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
                            0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};
    const char* names[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                           "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(points[i].label, QString::fromLatin1(names[i]));
        EXPECT_EQ(points[i].colour, colours[i]) << names[i];
        EXPECT_EQ(points[i].value, i == 2 ? 151 : 0);
    }
    const auto balance = balancePoints({QStringLiteral("1201"), QStringLiteral("301")});
    ASSERT_EQ(balance.size(), 2);
    EXPECT_EQ(balance[0].label, QStringLiteral("Entrate"));
    EXPECT_EQ(balance[0].colour, 0xFF008000u);
    EXPECT_EQ(balance[0].value, 1201);
    EXPECT_EQ(balance[1].label, QStringLiteral("Uscite"));
    EXPECT_EQ(balance[1].colour, 0xFFFF0000u);
    EXPECT_EQ(balance[1].value, 301);
}

TEST(Copies, AnAnswerThatIsNotAPlainCountProposesOne) {
    const struct {
        const char* answer;
        int copies;
    } cases[] = {{"1", 1},     {"2", 2},   {"", 1},      {"   ", 1},  {" 2", 1},
                 {"2 ", 1},    {"2a", 1},  {"-2", 1},    {"+2", 1},   {"0", 1},
                 {"000", 1},   {"007", 7}, {"999", 999}, {"1000", 1}, {"999999999999", 1},
                 {"\u0662", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(proposedCopies(QString::fromUtf8(c.answer)), c.copies) << c.answer;
}

TEST(Help, SixParagraphsWithTheMenusOwnSecond) {
    const HelpPage menu = statsHelpPage(StatsHelpFor::Menu);
    const HelpPage chart = statsHelpPage(StatsHelpFor::Chart);
    EXPECT_EQ(menu.title, QStringLiteral("Applicazione Grafici Statistici."));
    EXPECT_EQ(chart.title, menu.title);
    const QStringList m = menu.text.split(kHelpBreak);
    const QStringList c = chart.text.split(kHelpBreak);
    ASSERT_EQ(m.size(), 6);
    ASSERT_EQ(c.size(), 6);
    EXPECT_EQ(m[0],
              QStringLiteral(
                  "L'applicazione Grafici Statistici si compone di tre ambienti che permettono di "
                  "visualizzare in maniera grafica l'andamento mensile delle entrate, quello delle "
                  "uscite e, infine, il bilancio annuale degli incassi e degli esborsi."));
    EXPECT_TRUE(m[1].contains(QStringLiteral(" attivo o in passivo in base agli incassi")));
    EXPECT_TRUE(c[1].contains(QStringLiteral(" attivo o passivo in base agli incassi")));
    for (int i : {0, 2, 3, 4, 5}) EXPECT_EQ(m[i], c[i]);
    EXPECT_TRUE(m[5].contains(QStringLiteral("Stampa grafico")));
    EXPECT_EQ(statsHelpPages().size(), 1);
}

}  // namespace
}  // namespace vt::stats
