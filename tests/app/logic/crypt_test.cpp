#include <gtest/gtest.h>

#include <QRegularExpression>
#include <random>

#include "app/logic/crypt.h"

namespace vt::crypt {
namespace {

// Worked by hand from the running key: the first key byte is 0x13
// (5093 = 0x13E5), so 'A' (0x41) scrambles to 0x52.
struct Vector {
    QString plain;
    QString hex;
};
const Vector kVectors[] = {
    {QStringLiteral("A"), QStringLiteral("52")},
    {QStringLiteral("PRIMANOTA"), QStringLiteral("43B38784DBEBEAC801")},
    {QStringLiteral("SEGRETO 1"), QStringLiteral("40A667D9D8963F6783")},
    {QStringLiteral("éè"), QStringLiteral("FA8D")},
    {QString(), QString()},
};

TEST(Crypt, KnownVectorsBothWays) {
    for (const auto& v : kVectors) {
        EXPECT_EQ(scramble(v.plain), v.hex) << v.plain.toStdString();
        EXPECT_EQ(unscramble(v.hex), v.plain) << v.hex.toStdString();
    }
}

TEST(Crypt, RoundTripOfAnyLatin1TextUpTo255Characters) {
    std::mt19937 random(42);
    const QRegularExpression upperHex(QStringLiteral("^([0-9A-F]{2})*$"));
    for (int length : {1, 2, 17, 254, 255}) {
        for (int round = 0; round < 20; ++round) {
            QString plain;
            for (int i = 0; i < length; ++i) plain.append(QChar(static_cast<char16_t>(random() % 256)));
            const QString hex = scramble(plain);
            EXPECT_EQ(hex.size(), 2 * length);
            EXPECT_TRUE(upperHex.match(hex).hasMatch()) << hex.toStdString();
            EXPECT_EQ(unscramble(hex), plain);
        }
    }
    QString everyCode;
    for (int c = 0; c < 256; ++c) everyCode.append(QChar(static_cast<char16_t>(c)));
    EXPECT_EQ(unscramble(scramble(everyCode)), everyCode);
}

TEST(Crypt, OnlyTheLowByteOfACharacterIsScrambled) {
    // The euro sign (U+20AC) keeps only 0xAC, which reads back as '¬'.
    EXPECT_EQ(scramble(QStringLiteral("€")), QStringLiteral("BF"));
    EXPECT_EQ(unscramble(QStringLiteral("BF")), QStringLiteral("¬"));
}

TEST(Crypt, LowerCaseDigitsReadAndAnOddLastDigitIsIgnored) {
    EXPECT_EQ(unscramble(QStringLiteral("43b38784dbebeac801")), QStringLiteral("PRIMANOTA"));
    EXPECT_EQ(unscramble(QStringLiteral("525")), QStringLiteral("A"));
    EXPECT_EQ(unscramble(QStringLiteral("5")), QString());
}

TEST(Crypt, APairThatIsNotHexadecimalFails) {
    for (const char* bad : {"ZZ", "52G0", "5 ", "-1", "0x52", "52,3"})
        EXPECT_FALSE(unscramble(QString::fromLatin1(bad)).has_value()) << bad;
}

}  // namespace
}  // namespace vt::crypt
