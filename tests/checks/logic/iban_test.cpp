#include "checks/logic/iban.h"

#include <gtest/gtest.h>

#include "checks/generators.h"

namespace vt::checks {
namespace {

using test::CodeGenerator;

const QString kLength =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const CheckReply kValid{CheckReply::Kind::Information, QStringLiteral("L'IBAN digitato è VALIDO."),
                        true};
const CheckReply kWrong{CheckReply::Kind::Warning,
                        QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"), true};

TEST(Iban, PublishedExampleAndItsOneCharacterChanges) {
    EXPECT_EQ(ibanReply(QStringLiteral("IT60X0542811101000000123456")), kValid);
    EXPECT_EQ(ibanReply(QStringLiteral("IT60 X054 2811 1010 0000 0123 456").remove(u' ')), kValid);
    EXPECT_EQ(ibanReply(QStringLiteral("IT61X0542811101000000123456")), kWrong);
    EXPECT_EQ(ibanReply(QStringLiteral("IT60Y0542811101000000123456")), kWrong);
    EXPECT_EQ(ibanReply(QStringLiteral("IT60X0542811101000000123457")), kWrong);
    EXPECT_EQ(ibanReply(QStringLiteral("IT60X0542811101000000213456")),
              kWrong);  // two digits swapped
}

TEST(Iban, GeneratedItalianIbansAreValidAndAnyChangedCharacterIsWrong) {
    CodeGenerator gen(31);
    for (int n = 0; n < 300; ++n) {
        const QString iban = gen.italianIban();
        ASSERT_EQ(iban.size(), 27);
        EXPECT_EQ(ibanReply(iban), kValid) << iban.toStdString();
        for (qsizetype i = 0; i < 27; ++i) {
            const QString wrong = gen.changed(iban, i);
            EXPECT_EQ(ibanReply(wrong), kWrong) << wrong.toStdString();
        }
    }
}

TEST(Iban, RemainderPieceByPieceMatchesDigitByDigit) {
    CodeGenerator gen(32);
    for (int n = 0; n < 200; ++n) {
        // Long texts of digits, including runs of zeros that make short
        // remainders and so longer pieces.
        std::string digits;
        std::mt19937 rng(static_cast<unsigned>(n));
        const int length = 1 + n % 60;
        for (int i = 0; i < length; ++i)
            digits += static_cast<char>('0' + (rng() % 3 == 0 ? 0 : rng() % 10));
        EXPECT_EQ(mod97(QString::fromStdString(digits)), CodeGenerator::mod97Digitwise(digits))
            << digits;
    }
    EXPECT_EQ(mod97(u"999999999"), 999999999 % 97);
    EXPECT_EQ(mod97(u"9999999999999999999999999999999999999999"),
              CodeGenerator::mod97Digitwise(std::string(40, '9')));
    EXPECT_EQ(mod97(u"97"), 0);
    EXPECT_EQ(mod97(u"98"), 1);
    EXPECT_EQ(mod97(u""), 0);
    // A character other than a digit in any piece makes the remainder 0.
    EXPECT_EQ(mod97(u"1234-5678"), 0);
    EXPECT_EQ(mod97(u"12345678901234567890+1"), 0);
}

TEST(Iban, PreparationMovesTheCountryAndChecksAfterTheAccountAndWritesLettersAsNumbers) {
    EXPECT_EQ(ibanDigits(QStringLiteral("IT60X0542811101000000123456")),
              QStringLiteral("33"
                             "0542811101000000123456"
                             "18"
                             "29"
                             "60"));
    EXPECT_EQ(ibanDigits(QStringLiteral("it60 x054")), QStringLiteral("33"
                                                                      "054"
                                                                      "18"
                                                                      "29"
                                                                      "60"));
}

TEST(Iban, LengthOtherThanTwentySevenKeepsTheWindowOpen) {
    CodeGenerator gen(33);
    const QString iban = gen.italianIban();
    for (const QString& text :
         {QString(), iban.left(26), iban + u'0', iban.left(13) + u' ' + iban.mid(13)})
        EXPECT_EQ(ibanReply(text), (CheckReply{CheckReply::Kind::Warning, kLength, false}))
            << text.toStdString();
    // Leading and trailing blanks do not count.
    EXPECT_EQ(ibanReply(QStringLiteral("  ") + iban + u' '), kValid);
}

TEST(Iban, DashOrAccentedLetterIsWrong) {
    CodeGenerator gen(34);
    const QString iban = gen.italianIban();
    for (QChar stranger : {u'-', u'\u00C8', u'\u00E8', u'/', u'.'}) {
        for (qsizetype i : {0, 2, 4, 15, 26}) {
            QString text = iban;
            text[i] = stranger;
            EXPECT_EQ(ibanReply(text), kWrong) << text.toStdString();
        }
    }
}

TEST(Iban, LowerCaseIsCheckedInUpperCase) {
    CodeGenerator gen(35);
    const QString iban = gen.italianIban();
    EXPECT_EQ(ibanReply(iban.toLower()), kValid);
}

TEST(Iban, TheWordIbanIsLeftOutOnce) {
    // A 22-character IBAN of another country with "IBAN " before it makes 27
    // characters; the word and the blank are removed before the check.
    const QString british = QString::fromStdString(CodeGenerator::iban("GB", "WEST12345698765432"));
    ASSERT_EQ(british.size(), 22);
    EXPECT_EQ(ibanReply(QStringLiteral("IBAN ") + british), kValid);
    EXPECT_EQ(ibanReply(QStringLiteral("iban ") + british), kValid);
    EXPECT_EQ(ibanReply(british.left(4) + QStringLiteral(" IBAN") + british.mid(4)), kValid);
    EXPECT_EQ(ibanReply(QStringLiteral("IBAN:") + british), kWrong);  // the colon stays
    // Only the first "IBAN" is removed: a second one spoils the number.
    const QString twice = QStringLiteral("IBANIBAN") + british.left(19);
    ASSERT_EQ(twice.size(), 27);
    EXPECT_EQ(ibanReply(twice), kWrong);
    // An Italian IBAN with the word before it is too long.
    const QString italian = CodeGenerator(36).italianIban();
    EXPECT_EQ(ibanReply(QStringLiteral("IBAN") + italian),
              (CheckReply{CheckReply::Kind::Warning, kLength, false}));
}

TEST(Iban, BlanksBetweenGroupsAreRemoved) {
    // A 25-character IBAN written with two blanks makes 27 characters.
    const QString iban = QString::fromStdString(CodeGenerator::iban("PT", "000201231234567890154"));
    ASSERT_EQ(iban.size(), 25);
    const QString grouped = iban.left(4) + u' ' + iban.mid(4, 10) + u' ' + iban.mid(14);
    ASSERT_EQ(grouped.size(), 27);
    EXPECT_EQ(ibanReply(grouped), kValid);
    EXPECT_EQ(ibanReply(grouped.toLower()), kValid);
}

}  // namespace
}  // namespace vt::checks
