#include "balance/logic/balance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "archive/recordfile.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::balance {
namespace {

struct Mov {
    QString causale;
    QString data = "10/03/2024";
    QString importo = "+100,00";
};

MovementRecord make(const Mov& m, const QString& pagatore = "Mario Rossi",
                    const QString& beneficiario = "Studio") {
    MovementRecord r;
    r.setFlag(mov::Entrata, m.importo.startsWith(u'+'));
    r.setFlag(mov::Uscita, m.importo.startsWith(u'-'));
    r.setText(mov::Data, m.data);
    r.setText(mov::Causale, m.causale);
    r.setText(mov::DataSca, "31/12/2024");
    r.setText(mov::Preavviso, "0");
    r.setText(mov::Importo, m.importo.mid(1));
    r.setText(mov::ImportoSegnato, m.importo);
    r.setText(mov::Pagatore, pagatore);
    r.setText(mov::Beneficiario, beneficiario);
    r.setFlag(mov::Saldato, true);
    return r;
}

// The causale of each listed line.
QStringList causali(const Result& r) {
    QStringList out;
    for (const QString& line : r.lines) out.append(line.mid(9, 40).trimmed());
    return out;
}

struct Case {
    const char* name;
    std::vector<Mov> movements;
    QString filter;
    QString start, end;
    QStringList listed;
    QString receipts, payments, balance;  // totals as shown; empty when stopped
    qint64 stopAt = 0;                    // position of the movement that stops it
    Stop::Reason reason = Stop::Reason::Date;
};

class Compute : public ::testing::TestWithParam<Case> {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("2024.eur");
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST_P(Compute, SelectsListsAndSums) {
    const Case& c = GetParam();
    for (const Mov& m : c.movements) ASSERT_TRUE(MovementFile(path).append(make(m)));
    const Result r = compute({c.filter, "  " + path + " ", c.start, c.end});
    EXPECT_EQ(causali(r), c.listed);
    EXPECT_FALSE(r.failure);
    if (c.stopAt == 0) {
        ASSERT_TRUE(r.complete());
        EXPECT_EQ(totalText(r.receipts), c.receipts);
        EXPECT_EQ(totalText(r.payments), c.payments);
        EXPECT_EQ(totalText(r.balance), c.balance);
    } else {
        ASSERT_TRUE(r.stop);
        EXPECT_FALSE(r.complete());
        EXPECT_EQ(r.stop->position, c.stopAt);
        EXPECT_EQ(r.stop->reason, c.reason);
    }
}

const QString kJan1 = "01/01/2024", kDec31 = "31/12/2024";

INSTANTIATE_TEST_SUITE_P(
    Table, Compute,
    ::testing::Values(
        Case{"ReceiptsPaymentsAndBalanceOfTheUsualExample",
             {{"Vendita", "02/01/2024", "+100,00"},
              {"Vendita", "03/01/2024", "+50,5"},
              {"Bolletta", "04/01/2024", "-30,25"}},
             "",
             kJan1,
             kDec31,
             {"Vendita", "Vendita", "Bolletta"},
             "150,50 \u20AC",
             "-30,25 \u20AC",
             "120,25 \u20AC"},
        Case{"AnEmptyFileGivesZeroTotals",
             {},
             "",
             kJan1,
             kDec31,
             {},
             "0,00 \u20AC",
             "0,00 \u20AC",
             "0,00 \u20AC"},
        Case{"OnlyPaymentsLeaveTheReceiptsAtZero",
             {{"Bolletta", "04/01/2024", "-80,00"}},
             "",
             kJan1,
             kDec31,
             {"Bolletta"},
             "0,00 \u20AC",
             "-80,00 \u20AC",
             "-80,00 \u20AC"},
        Case{"TheFilterIsFoundAnywhereWithoutRegardToCase",
             {{"Affitto ufficio"}, {"Canone"}, {"Pagamento AFFITTO"}},
             "affitto",
             kJan1,
             kDec31,
             {"Affitto ufficio", "Pagamento AFFITTO"},
             "200,00 \u20AC",
             "0,00 \u20AC",
             "200,00 \u20AC"},
        Case{"ALeadingBlankOfTheFilterCounts",
             {{"Affitto ufficio"}, {"Canone"}, {"Pagamento affitto"}},
             " affitto",
             kJan1,
             kDec31,
             {"Pagamento affitto"},
             "100,00 \u20AC",
             "0,00 \u20AC",
             "100,00 \u20AC"},
        Case{"AFilterOfBlanksIsNoFilter",
             {{"Affitto"}, {"Canone"}},
             "   ",
             kJan1,
             kDec31,
             {"Affitto", "Canone"},
             "200,00 \u20AC",
             "0,00 \u20AC",
             "200,00 \u20AC"},
        Case{"AccentedCapitalsAreLowerCasedToo",
             {{"\u00C8 arrivata la fattura"}, {"Canone"}},
             "\u00E8 arr",
             kJan1,
             kDec31,
             {"\u00C8 arrivata la fattura"},
             "100,00 \u20AC",
             "0,00 \u20AC",
             "100,00 \u20AC"},
        Case{"BothLimitsAreInclusiveCalendarDays",
             {{"Prima", "01/03/2024"},
              {"Inizio", "02/03/2024"},
              {"Fine", "05/03/2024"},
              {"Dopo", "06/03/2024"}},
             "",
             "02/03/2024",
             "05/03/2024",
             {"Inizio", "Fine"},
             "200,00 \u20AC",
             "0,00 \u20AC",
             "200,00 \u20AC"},
        Case{"AOneDayRange",
             {{"Ieri", "09/03/2024"}, {"Oggi", "10/03/2024"}, {"Domani", "11/03/2024"}},
             "",
             "10/03/2024",
             "10/03/2024",
             {"Oggi"},
             "100,00 \u20AC",
             "0,00 \u20AC",
             "100,00 \u20AC"},
        Case{"DatesCompareAsDaysNotAsTexts",
             {{"Dicembre", "01/12/2024"}, {"Febbraio", "15/02/2024"}},
             "",
             "10/02/2024",
             "31/12/2024",
             {"Dicembre", "Febbraio"},
             "200,00 \u20AC",
             "0,00 \u20AC",
             "200,00 \u20AC"},
        Case{"AMovementOfAnotherYearInTheFileIsNeverSelected",
             {{"Vecchio", "15/06/2023"}, {"Nuovo", "15/06/2024"}, {"Futuro", "15/06/2025"}},
             "",
             kJan1,
             kDec31,
             {"Nuovo"},
             "100,00 \u20AC",
             "0,00 \u20AC",
             "100,00 \u20AC"},
        Case{"AnAmountWithoutSignCountsInTheBalanceOnly",
             {{"Senza segno", "10/03/2024", "100,00"}},
             "",
             kJan1,
             kDec31,
             {""},
             "0,00 \u20AC",
             "0,00 \u20AC",
             "100,00 \u20AC"},
        Case{"AnEmptyAmountStops",
             {{"Buono"}, {"Vuoto", "10/03/2024", ""}, {"Dopo"}},
             "",
             kJan1,
             kDec31,
             {"Buono"},
             "",
             "",
             "",
             2,
             Stop::Reason::Amount},
        Case{"AnAmountWithALetterStops",
             {{"Buono"}, {"Lettera", "10/03/2024", "+12a"}},
             "",
             kJan1,
             kDec31,
             {"Buono"},
             "",
             "",
             "",
             2,
             Stop::Reason::Amount},
        Case{"AnAmountWithAFullStopStops",
             {{"Migliaia", "10/03/2024", "+1.000,00"}},
             "",
             kJan1,
             kDec31,
             {},
             "",
             "",
             "",
             1,
             Stop::Reason::Amount},
        Case{"ADateThatDoesNotExistStops",
             {{"Buono"}, {"Impossibile", "31/02/2024"}, {"Dopo"}},
             "",
             kJan1,
             kDec31,
             {"Buono"},
             "",
             "",
             "",
             2,
             Stop::Reason::Date},
        Case{"AnEmptyDateStops",
             {{"Senza data", ""}},
             "",
             kJan1,
             kDec31,
             {},
             "",
             "",
             "",
             1,
             Stop::Reason::Date},
        Case{"ABadRecordLeftOutByTheFilterDoesNotStop",
             {{"Canone", "31/02/2024", "12a"}, {"Affitto"}},
             "affitto",
             kJan1,
             kDec31,
             {"Affitto"},
             "100,00 \u20AC",
             "0,00 \u20AC",
             "100,00 \u20AC"},
        Case{"ABadAmountOutsideTheRangeDoesNotStop",
             {{"Fuori", "10/03/2023", "12a"}, {"Dentro"}},
             "",
             kJan1,
             kDec31,
             {"Dentro"},
             "100,00 \u20AC",
             "0,00 \u20AC",
             "100,00 \u20AC"}),
    [](const ::testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

TEST(BalanceLine, LaysOutFixedColumnsForBothDirections) {
    const MovementRecord in =
        make({"Affitto ufficio di via Roma e spese condominiali", "05/03/2024", "+150,00"},
             "Rossi Mario", "Studio Bianchi e Associati di Milano e Roma");
    EXPECT_EQ(
        balanceLine(in.bytes()),
        "ENTRATA  Affitto ufficio di via Roma e spese cond  Data: 05/03/2024  Da: Rossi Mario" +
            QString(17, u' ') + "  A: Studio Bianchi e Associati d  Importo: +150,00");
    const MovementRecord out = make({"Luce", "06/03/2024", "-80,00"}, "Io", "Enel");
    const QString line = balanceLine(out.bytes());
    EXPECT_TRUE(
        line.startsWith("USCITA   Luce" + QString(36, u' ') + "  Data: 06/03/2024  Da: Io"));
    EXPECT_TRUE(line.endsWith("  A: Enel" + QString(24, u' ') + "  Importo: -80,00"));
    EXPECT_EQ(line.indexOf("Importo:"), balanceLine(in.bytes()).indexOf("Importo:"));
}

TEST(Compute, StopTellsPositionDateAndCausaleAsStored) {
    QTemporaryDir dir;
    const QString path = dir.filePath("2024.eur");
    ASSERT_TRUE(MovementFile(path).append(make({"Buono"})));
    ASSERT_TRUE(MovementFile(path).append(make({"Affitto garage", "31/02/2024"})));
    const Result r = compute({"", path, "01/01/2024", "31/12/2024"});
    ASSERT_TRUE(r.stop);
    const QString text = stopNotice(*r.stop);
    EXPECT_TRUE(text.startsWith(
        "Attenzione: il riepilogo si \u00E8 interrotto alla scheda n. 2 dell'archivio "
        "(data \"31/02/2024\", causale \"Affitto garage\")"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\n\r\n\rI totali non sono stati calcolati"));

    QFile::remove(path);
    ASSERT_TRUE(MovementFile(path).append(make({"Senza importo", "01/02/2024", ""})));
    const Result amount = compute({"", path, "01/01/2024", "31/12/2024"});
    ASSERT_TRUE(amount.stop);
    EXPECT_TRUE(stopNotice(*amount.stop).contains("il suo importo (\"\") non \u00E8 leggibile"));
}

TEST(Compute, MissingFileIsCreatedEmptyAndPartialTailIgnored) {
    QTemporaryDir dir;
    const QString path = dir.filePath("2030.eur");
    Result r = compute({"", path, "01/01/2030", "31/12/2030"});
    EXPECT_TRUE(r.complete());
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);

    ASSERT_TRUE(MovementFile(path).append(make({"Intero", "10/03/2030"})));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(make({"Mezzo", "10/03/2030"}).bytes().left(2000));
    f.close();
    r = compute({"", path, "01/01/2030", "31/12/2030"});
    EXPECT_TRUE(r.complete());
    EXPECT_EQ(causali(r), QStringList{"Intero"});
}

TEST(Compute, AFolderInPlaceOfTheFileOrAReadFaultIsAFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath("2024.eur");
    ASSERT_TRUE(QDir(dir.path()).mkdir("2024.eur"));
    Result r = compute({"", path, "01/01/2024", "31/12/2024"});
    EXPECT_TRUE(r.failure);
    EXPECT_FALSE(r.complete());

    const QString other = dir.filePath("2025.eur");
    ASSERT_TRUE(MovementFile(other).append(make({"Buono", "10/03/2025"})));
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Read; });
    r = compute({"", other, "01/01/2025", "31/12/2025"});
    setIoFaultHook(nullptr);
    EXPECT_TRUE(r.failure);
    EXPECT_FALSE(r.complete());
}

TEST(Compute, FilterTitleAndCount) {
    QTemporaryDir dir;
    const QString path = dir.filePath("2024.eur");
    Result r = compute({"  Affitto  ", path, "01/01/2024", "31/12/2024"});
    EXPECT_EQ(r.filterCount, 1);
    EXPECT_EQ(r.causaleTitle, "Affitto");
    r = compute({"   ", path, "01/01/2024", "31/12/2024"});
    EXPECT_EQ(r.filterCount, 0);
    EXPECT_EQ(r.causaleTitle, "- - -");
    r = compute({"", path, "31/02/2024", "31/12/2024"});
    EXPECT_TRUE(r.invalidLimits);
}

TEST(Compute, SumsInFileOrderWithoutRounding) {
    QTemporaryDir dir;
    const QString path = dir.filePath("2024.eur");
    for (const char* amount : {"+0,10", "+0,20", "-0,30"})
        ASSERT_TRUE(MovementFile(path).append(make({"x", "01/05/2024", amount})));
    const Result r = compute({"", path, "01/01/2024", "31/12/2024"});
    // 0.1 + 0.2 - 0.3 in double precision is not zero; the balance of
    // amounts in cents is shown to the cent.
    EXPECT_EQ(r.balance, 0.1 + 0.2 - 0.3);
    EXPECT_EQ(totalText(r.receipts), "0,30 \u20AC");
    EXPECT_EQ(totalText(r.payments), "-0,30 \u20AC");
    EXPECT_EQ(totalText(r.balance), "0,00 \u20AC");
    EXPECT_EQ(totalText(-0.004), "0,00 \u20AC");
}

TEST(TotalText, KeepsAReadableFormBeyondFifteenDigits) {
    EXPECT_EQ(totalText(0), "0,00 \u20AC");
    EXPECT_EQ(totalText(1234.5), "1234,50 \u20AC");
    EXPECT_EQ(totalText(-80), "-80,00 \u20AC");
    EXPECT_EQ(totalText(999999999999999.0), "999999999999999,00 \u20AC");
    EXPECT_EQ(totalText(1e15), "1000000000000000,00 \u20AC");
    EXPECT_EQ(totalText(12345678901234567.0), "12345678901234600,00 \u20AC");
    EXPECT_EQ(totalText(-2.5e20), "-250000000000000000000,00 \u20AC");
}

TEST(PrintedSheet, AddsSeparatorIntervalAndTotals) {
    QStringList list;
    for (int i = 0; i < 40; ++i) list.append(QStringLiteral("riga %1").arg(i));
    const QStringList printed = printedLines(list, intervalText(" 01/01/2024", "31/01/2024 "),
                                             "150,50 \u20AC", "-30,25 \u20AC", " 120,25 \u20AC ");
    ASSERT_EQ(printed.size(), 45);
    EXPECT_EQ(printed.mid(0, 40), list);
    EXPECT_EQ(printed[40], "- - - - - - - - - - - - - - - -");
    EXPECT_EQ(printed[40].count(u'-'), 16);
    EXPECT_EQ(printed[41], "INTERVALLO SELEZIONATO :      Dal   01/01/2024   al   31/01/2024");
    EXPECT_EQ(printed[42], "TOTALE ENTRATE :              150,50 \u20AC");
    EXPECT_EQ(printed[43], "TOTALE USCITE :               -30,25 \u20AC");
    EXPECT_EQ(printed[44], "BILANCIO ENTRATE E USCITE :   120,25 \u20AC");
    EXPECT_EQ(printedTitle(" Affitto "), "PRIMANOTA E BILANCIO - Causale :  Affitto");
}

}  // namespace
}  // namespace vt::balance
