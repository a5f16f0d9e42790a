#include "checks/logic/fiscalcode.h"

#include <gtest/gtest.h>

#include <QList>

#include "checks/generators.h"

namespace vt::checks {
namespace {

using test::CodeGenerator;

const QString kLength = QStringLiteral(
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

TEST(FiscalCode, GeneratedCodesAreValidAndAnyOneChangedCharacterIsNot) {
    CodeGenerator gen(20261210);
    for (int n = 0; n < 300; ++n) {
        const QString code = n % 2 ? gen.fiscalCode() : gen.fiscalCodeAnyCharacters();
        ASSERT_TRUE(isValidFiscalCode(code)) << code.toStdString();
        EXPECT_EQ(fiscalCodeReply(code), (CheckReply{CheckReply::Kind::Information, kValid, true}));
        for (qsizetype i = 0; i < 16; ++i) {
            const QString wrong = gen.changed(code, i);
            EXPECT_FALSE(isValidFiscalCode(wrong))
                << code.toStdString() << " -> " << wrong.toStdString();
            EXPECT_EQ(fiscalCodeReply(wrong),
                      (CheckReply{CheckReply::Kind::Warning, kWrong, true}));
        }
    }
}

TEST(FiscalCode, PublishedExamplesAndTheirOneCharacterChanges) {
    struct Case {
        QString code;
        bool valid;
    };
    const Case cases[] = {
        {QStringLiteral("RSSMRA80A01H501U"), true},  {QStringLiteral("RSSMRA85T10A562S"), true},
        {QStringLiteral("RSSMRA80A01H501V"), false}, {QStringLiteral("RSSMRA85T10A562T"), false},
        {QStringLiteral("RSSMRA80A02H501U"), false}, {QStringLiteral("RSSMRB85T10A562S"), false},
        {QStringLiteral("RSSMRA80A01H5O1U"), false},  // letter O for the digit 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidFiscalCode(c.code), c.valid) << c.code.toStdString();
}

TEST(FiscalCode, TellingValuesOfTheTables) {
    // Fifteen characters of which only one counts: the check letter tells
    // that character's value at its position.
    struct Case {
        QString first15;
        QChar check;
    };
    const Case cases[] = {
        {QStringLiteral("A@@@@@@@@@@@@@@"), u'B'},  // odd A = 1
        {QStringLiteral("0@@@@@@@@@@@@@@"), u'B'},  // odd 0 = 1
        {QStringLiteral("B@@@@@@@@@@@@@@"), u'A'},  // odd B = 0
        {QStringLiteral("2@@@@@@@@@@@@@@"), u'F'},  // odd 2 = 5
        {QStringLiteral("K@@@@@@@@@@@@@@"), u'C'},  // odd K = 2
        {QStringLiteral("M@@@@@@@@@@@@@@"), u'S'},  // odd M = 18
        {QStringLiteral("X@@@@@@@@@@@@@@"), u'Z'},  // odd X = 25
        {QStringLiteral("Y@@@@@@@@@@@@@@"), u'Y'},  // odd Y = 24
        {QStringLiteral("Z@@@@@@@@@@@@@@"), u'X'},  // odd Z = 23
        {QStringLiteral("@Z@@@@@@@@@@@@@"), u'Z'},  // even Z = 25
        {QStringLiteral("@9@@@@@@@@@@@@@"), u'J'},  // even 9 = 9
        {QStringLiteral(":;<=>?@:;<=>?@:"), u'A'},  // codes 58 to 64 count 0
        {QStringLiteral("AAAAAAAAAAAAAAA"), u'I'},  // 8 odd A's = 8
    };
    for (const auto& c : cases) {
        const auto check = fiscalCodeCheckCharacter(c.first15);
        ASSERT_TRUE(check.has_value()) << c.first15.toStdString();
        EXPECT_EQ(*check, c.check) << c.first15.toStdString();
        EXPECT_TRUE(isValidFiscalCode(c.first15 + c.check));
    }
}

TEST(FiscalCode, LengthOtherThanSixteenKeepsTheWindowOpen) {
    CodeGenerator gen(7);
    const QString code = gen.fiscalCode();
    for (const QString& text : {QString(), code.left(15), code + u'A', QStringLiteral("A")}) {
        EXPECT_EQ(fiscalCodeReply(text), (CheckReply{CheckReply::Kind::Warning, kLength, false}))
            << text.toStdString();
    }
}

TEST(FiscalCode, LowerCaseIsCheckedInUpperCase) {
    CodeGenerator gen(8);
    const QString code = gen.fiscalCode();
    EXPECT_EQ(fiscalCodeReply(code.toLower()).text, kValid);
}

// Only a to z are turned to capitals: fifteen characters ending in a sharp s
// stay fifteen, even where "SS" would complete a valid code.
TEST(FiscalCode, ASharpSIsNeverReadAsTwoLetters) {
    CodeGenerator gen(10);
    QString first14;
    for (int i = 0; i < 2000 && first14.isEmpty(); ++i) {
        const QString candidate = gen.fiscalCode().left(14);
        if (fiscalCodeCheckCharacter(candidate + u'S') == QChar(u'S')) first14 = candidate;
    }
    ASSERT_FALSE(first14.isEmpty());
    ASSERT_TRUE(isValidFiscalCode(first14 + QStringLiteral("SS")));
    EXPECT_EQ(fiscalCodeReply(first14 + QChar(0x00DF)),
              (CheckReply{CheckReply::Kind::Warning, kLength, false}));
    EXPECT_EQ(fiscalCodeReply(first14.toLower() + QStringLiteral("ss")).text, kValid);
}

TEST(FiscalCode, CharactersOutsideTheTablesMakeTheCodeWrongWithoutReadingPastThem) {
    CodeGenerator gen(9);
    const QString code = gen.fiscalCode();
    // Characters below '0', between 'Z' and 'z' after upper-casing, accented
    // letters, non-Latin text and the replacement character: whatever
    // check letter follows, the code is wrong.
    const QList<QChar> strangers{u' ',      u'-',      u'.',      u'/',      u'[',      u'_',
                                 u'\u00C8', u'\u00E0', u'\u20AC', u'\u0416', u'\uFFFD', u'\0'};
    for (QChar stranger : strangers) {
        for (qsizetype pos : {0, 7, 14}) {
            QString first15 = code.left(15);
            first15[pos] = stranger;
            EXPECT_FALSE(fiscalCodeCheckCharacter(first15).has_value());
            for (QChar check = u'A'; check <= u'Z'; check = QChar(check.unicode() + 1))
                EXPECT_FALSE(isValidFiscalCode(first15 + check));
            EXPECT_EQ(fiscalCodeReply(first15 + u'A').text, kWrong);
        }
        // In the check position it simply does not match.
        EXPECT_EQ(fiscalCodeReply(code.left(15) + stranger).text, kWrong);
    }
}

}  // namespace
}  // namespace vt::checks
