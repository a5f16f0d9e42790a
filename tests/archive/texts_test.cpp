#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <memory>

#include "archive/texts.h"

namespace vt {
namespace {

struct Case {
    const char* input;
    const char* expected;
};

class NormalizeAmount : public ::testing::TestWithParam<Case> {};

TEST_P(NormalizeAmount, GivesTheStoredForm) {
    EXPECT_EQ(normalizeAmount(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormalizeAmount,
    ::testing::Values(Case{"", "0,00"}, Case{"   ", "0,00"}, Case{"0", "0,00"}, Case{"12", "12,00"},
                      Case{"12,", "12,00"}, Case{",5", "0,50"}, Case{"12,5", "12,50"},
                      Case{"1,999", "2,00"}, Case{"12,344", "12,34"}, Case{"12,345", "12,35"},
                      Case{"0,125", "0,13"}, Case{"2,675", "2,67"}, Case{"1,005", "1,00"},
                      Case{"0,015", "0,01"}, Case{"1,2,3", "0,00"}, Case{"1.000,50", "0,00"},
                      Case{"000012,5", "12,50"}, Case{",", "0,00"}, Case{"abc", "0,00"},
                      Case{"1e5", "0,00"}, Case{" 7,1 ", "7,10"}, Case{"+3", "3,00"},
                      // The direction of a movement is recorded apart: a pasted
                      // minus sign never reaches the amount.
                      Case{"-80", "80,00"}, Case{"-0,015", "0,01"},
                      Case{"999999999999,99", "999999999999,99"}));

class PadAmount : public ::testing::TestWithParam<Case> {};

TEST_P(PadAmount, CompletesToTwoDecimals) {
    EXPECT_EQ(padAmount(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Table, PadAmount,
                         ::testing::Values(Case{"0,00", "0,00"}, Case{"1234,5", "1234,50"},
                                           Case{"-80", "-80,00"}, Case{"150", "150,00"},
                                           Case{"-30,25", "-30,25"}, Case{",", "0,00"},
                                           Case{",5", "0,50"}, Case{"7,", "7,00"}));

TEST(AmountValue, ReadsCommaDecimalsAndSigns) {
    EXPECT_DOUBLE_EQ(*amountValue(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(*amountValue(QStringLiteral("12,")), 12.0);
    EXPECT_DOUBLE_EQ(*amountValue(QStringLiteral("-30,25")), -30.25);
    EXPECT_DOUBLE_EQ(*amountValue(QStringLiteral("+1234,5")), 1234.5);
    for (const char* bad : {"", ",", "-", "1.5", "1,2,3", "1 000", "12a", "1e3", "--1", "\xC2\xBD"})
        EXPECT_FALSE(amountValue(QString::fromUtf8(bad))) << bad;
}

TEST(RoundTo, UsesExtendedPrecisionHalfUp) {
    EXPECT_EQ(roundTo(2.675, 2), 2.67);
    EXPECT_EQ(roundTo(1.005, 2), 1.0);
    EXPECT_EQ(roundTo(12.345, 2), 12.35);
    EXPECT_EQ(roundTo(1234.49, 0), 1234);
    EXPECT_EQ(roundTo(1234.5, 0), 1235);
    EXPECT_EQ(roundTo(150.5, 0), 151);
    EXPECT_EQ(roundTo(150.45, 0), 150);
}

TEST(PlainNumberText, ShortestFormWithComma) {
    EXPECT_EQ(plainNumberText(1234.5), QStringLiteral("1234,5"));
    EXPECT_EQ(plainNumberText(80), QStringLiteral("80"));
    EXPECT_EQ(plainNumberText(-30.25), QStringLiteral("-30,25"));
    EXPECT_EQ(plainNumberText(0), QStringLiteral("0"));
    EXPECT_EQ(plainNumberText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(plainNumberText(100 + 50.5 - 30.25), QStringLiteral("120,25"));
    EXPECT_EQ(padAmount(plainNumberText(100 + 50.5 - 30.25)), QStringLiteral("120,25"));
    EXPECT_EQ(plainNumberText(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(plainNumberText(123456789012345.0), QStringLiteral("123456789012345"));
}

TEST(Dates, ReadOnlyRealCalendarDays) {
    EXPECT_EQ(dateValue(QStringLiteral("29/02/2016")), QDate(2016, 2, 29));
    EXPECT_EQ(dateValue(QStringLiteral("05/03/2014")), QDate(2014, 3, 5));
    for (const char* bad : {"31/02/2014", "29/02/2014", "", "1/1", "2014-03-05", "05/03/14", "aa/bb/cccc",
                            "05/13/2014", "00/01/2014", "05/03/2014/1"})
        EXPECT_FALSE(dateValue(QString::fromUtf8(bad))) << bad;
}

TEST(Dates, TextIsTwoDigitDayAndMonth) {
    EXPECT_EQ(dateText(QDate(2014, 3, 5)), QStringLiteral("05/03/2014"));
    EXPECT_EQ(dateText(QDate(2026, 12, 31)), QStringLiteral("31/12/2026"));
}

// Qt sets the C library's locale from the environment when the program
// starts. Under a locale whose decimal point is neither "." nor ",", or is
// ",", the number texts must still come out as under "C".
class UnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    static inline std::unique_ptr<QTemporaryDir> folder;

    static void SetUpTestSuite() {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("localedef"));
        if (tool.isEmpty()) return;
        folder = std::make_unique<QTemporaryDir>();
        for (const char* name : {"ps_AF", "de_DE"}) {
            QProcess::execute(tool, {QStringLiteral("-c"), QStringLiteral("-i"), QLatin1String(name),
                                     QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                     folder->filePath(QLatin1String(name) + QStringLiteral(".UTF-8"))});
        }
        qputenv("LOCPATH", QFile::encodeName(folder->path()));
    }
    static void TearDownTestSuite() {
        std::setlocale(LC_ALL, "C");
        qunsetenv("LOCPATH");
        folder.reset();
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    static QStringList texts() {
        QStringList out;
        for (const char* input : {"", "12", "12,5", "1234,5", "2,675", "1,005", "0,015", "1.000,50", "000012,5",
                                  "999999999999,99", "0,1"})
            out.append(normalizeAmount(QString::fromLatin1(input)));
        for (double value : {1234.5, 80.0, -30.25, 0.0, 100 + 50.5 - 30.25, 0.1 + 0.2, 1e15, 123456789012345.0})
            out.append(plainNumberText(value));
        out.append(padAmount(plainNumberText(100 + 50.5 - 30.25)));
        out.append(QString::number(*amountValue(QStringLiteral("1234,5")), 'f', 1));
        return out;
    }
};

TEST_P(UnderLocale, NumberTextsAreThoseOfTheCLocale) {
    std::setlocale(LC_ALL, "C");
    const QStringList expected = texts();
    ASSERT_EQ(expected.value(3), QStringLiteral("1234,50"));
    if (!folder) GTEST_SKIP() << "localedef is not installed";
    if (!std::setlocale(LC_ALL, GetParam())) GTEST_SKIP() << "could not generate " << GetParam();
    // The locale really is in force: its decimal point is not ".".
    ASSERT_STRNE(std::localeconv()->decimal_point, ".");
    EXPECT_EQ(texts().join(u'|'), expected.join(u'|'));
}

INSTANTIATE_TEST_SUITE_P(Locales, UnderLocale, ::testing::Values("ps_AF.UTF-8", "de_DE.UTF-8"),
                         [](const auto& p) { return std::string(p.param).substr(0, 5); });

}  // namespace
}  // namespace vt
