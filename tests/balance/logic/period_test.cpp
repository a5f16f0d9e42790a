#include "balance/logic/period.h"

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::balance {
namespace {

TEST(PeriodLists, DaysAndMonths) {
    const QStringList days = dayItems();
    ASSERT_EQ(days.size(), 31);
    EXPECT_EQ(days.front(), "01");
    EXPECT_EQ(days.back(), "31");
    EXPECT_EQ(monthItems().size(), 12);
    EXPECT_EQ(monthItems()[8], "Settembre");
    EXPECT_EQ(monthNumber(" febbraio "), "02");
    EXPECT_EQ(monthNumber("DICEMBRE"), "12");
    EXPECT_EQ(monthNumber("Feb"), "");
}

TEST(PeriodLists, LeavingAFieldKeepsOnlyListItems) {
    EXPECT_EQ(keptDay("07"), "07");
    EXPECT_EQ(keptDay(" 31 "), " 31 ");
    for (const char* bad : {"7", "32", "00", "ab", "1 2", "007"})
        EXPECT_EQ(keptDay(bad), "") << bad;
    EXPECT_EQ(keptMonth("marzo"), "marzo");
    for (const char* bad : {"Mar", "Marzoo", "13", "x"}) EXPECT_EQ(keptMonth(bad), "") << bad;
}

struct Case {
    const char* name;
    PeriodInput input;
    bool ok;
    PeriodCheck::Kind kind;
    PeriodField focus;
    QString message;
    QString start, end;
};

class Check : public ::testing::TestWithParam<Case> {};

TEST_P(Check, FirstFailingCheckInOrder) {
    const Case& c = GetParam();
    const PeriodCheck r = checkPeriod(c.input);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.startDate, c.start);
    EXPECT_EQ(r.endDate, c.end);
    if (!c.ok) {
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.focus, c.focus);
    }
}

using K = PeriodCheck::Kind;
using F = PeriodField;
const QString kBreak = "\n\r\n\r";
const QString kValidDate =
    kBreak + "Per poter visualizzare il riepilogo \u00E8 necessario indicare una data valida.";

INSTANTIATE_TEST_SUITE_P(
    Table, Check,
    ::testing::Values(
        Case{"WholeYear",
             {"2024", "01", "Gennaio", "2024", "31", "Dicembre", "2024"},
             true,
             K::Warning,
             F::None,
             "",
             "01/01/2024",
             "31/12/2024"},
        Case{"OneDay",
             {"2024", " 05 ", "marzo", "2024", "05", "MARZO", "2024"},
             true,
             K::Warning,
             F::None,
             "",
             "05/03/2024",
             "05/03/2024"},
        Case{"LeapDay",
             {"2024", "29", "Febbraio", "2024", "29", "Febbraio", "2024"},
             true,
             K::Warning,
             F::None,
             "",
             "29/02/2024",
             "29/02/2024"},
        Case{"ShortYear",
             {"202", "01", "Gennaio", "202", "31", "Dicembre", "202"},
             false,
             K::Warning,
             F::Year,
             "Attenzione: indicare l'anno solare utilizzando quattro cifre.",
             "",
             ""},
        Case{"LongPastedYear",
             {"20245", "01", "Gennaio", "20245", "31", "Dicembre", "20245"},
             false,
             K::Warning,
             F::Year,
             "Attenzione: indicare l'anno solare utilizzando quattro cifre.",
             "",
             ""},
        Case{"YearBlanksCount",
             {" 2024", "01", "Gennaio", "2024", "31", "Dicembre", "2024"},
             false,
             K::Warning,
             F::Year,
             "Attenzione: indicare l'anno solare utilizzando quattro cifre.",
             "",
             ""},
        Case{"NoStartDay",
             {"2024", " ", "Gennaio", "2024", "", "", "2024"},
             false,
             K::Warning,
             F::StartDay,
             "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a "
             "cascata.",
             "",
             ""},
        Case{"NoStartMonth",
             {"2024", "01", "", "2024", "", "", "2024"},
             false,
             K::Warning,
             F::StartMonth,
             "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a "
             "cascata.",
             "",
             ""},
        Case{"NoEndDay",
             {"2024", "01", "Gennaio", "2024", "", "Marzo", "2024"},
             false,
             K::Warning,
             F::EndDay,
             "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a "
             "cascata.",
             "",
             ""},
        Case{
            "NoEndMonth",
            {"2024", "01", "Gennaio", "2024", "02", "", "2024"},
            false,
            K::Warning,
            F::EndMonth,
            "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.",
            "",
            ""},
        Case{"StartThirtyFirstOfFebruary",
             {"2024", "31", "Febbraio", "2024", "31", "Dicembre", "2024"},
             false,
             K::Notice,
             F::StartDay,
             "Attenzione: la data 31/02/2024 di inizio intervallo non esiste." + kValidDate,
             "31/02/2024",
             ""},
        Case{"NoLeapDayIn2023",
             {"2023", "01", "Gennaio", "2023", "29", "Febbraio", "2023"},
             false,
             K::Notice,
             F::EndDay,
             "Attenzione: la data 29/02/2023 di fine intervallo non esiste." + kValidDate,
             "01/01/2023",
             "29/02/2023"},
        Case{"LettersInAPastedYear",
             {"20a4", "01", "Gennaio", "20a4", "31", "Dicembre", "20a4"},
             false,
             K::Notice,
             F::StartDay,
             "Attenzione: la data 01/01/20a4 di inizio intervallo non esiste." + kValidDate,
             "01/01/20a4",
             ""},
        Case{"EndBeforeStart",
             {"2024", "02", "Marzo", "2024", "01", "Marzo", "2024"},
             false,
             K::Notice,
             F::None,
             "Attenzione: la data di fine intervallo (01/03/2024) non pu\u00F2 essere anteriore a "
             "quella di inizio "
             "intervallo (02/03/2024)." +
                 kBreak +
                 "Per poter visualizzare il riepilogo \u00E8 necessario indicare un intervallo di "
                 "tempo valido.",
             "02/03/2024",
             "01/03/2024"}),
    [](const ::testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

TEST(Check, YearFileNameUsesTheTrimmedYear) {
    EXPECT_EQ(checkPeriod({"2024", "01", "Gennaio", "2024", "31", "Dicembre", "2024"}).yearFileName,
              "2024.eur");
}

}  // namespace
}  // namespace vt::balance
