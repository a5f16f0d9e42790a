#include "checks/logic/cardnumber.h"

#include <gtest/gtest.h>

#include "checks/generators.h"

namespace vt::checks {
namespace {

using test::CodeGenerator;

const QString kEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
    "controllo.");
const QString kWrong = QStringLiteral(
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.");

QString validText(const QString& shown, const QString& type) {
    return QStringLiteral("Il numero di carta di credito ") + shown +
           QStringLiteral(" risulta valido.\r\n\r\n") +
           QStringLiteral("La carta di credito è del tipo ") + type + u'.';
}

struct CardKind {
    std::string prefix;
    int length;
    int code;
    QString type;  // empty: no type
};

const std::vector<CardKind>& kinds() {
    static const std::vector<CardKind> table{
        {"4", 16, 2, QStringLiteral("Visa")},
        {"4", 13, 2, QStringLiteral("Visa")},
        {"51", 16, 3, QStringLiteral("MasterCard")},
        {"55", 16, 3, QStringLiteral("MasterCard")},
        {"6011", 16, 4, QStringLiteral("Discover")},
        {"65", 16, 4, QStringLiteral("Discover")},
        {"34", 15, 1, QStringLiteral("American Express")},
        {"37", 15, 1, QStringLiteral("American Express")},
        {"30", 14, 1, QStringLiteral("Diner's Club / Carte Blanche")},
        {"36", 14, 1, QStringLiteral("Diner's Club / Carte Blanche")},
        {"38", 14, 1, QStringLiteral("Diner's Club / Carte Blanche")},
        {"31", 16, 1, QStringLiteral("JCB")},
        {"33", 16, 1, QStringLiteral("JCB")},
        {"35", 16, 1, QStringLiteral("JCB")},
        {"32", 16, 1, QString()},
        {"39", 16, 1, QString()},
        {"2", 16, 0, QString()},
        {"0", 16, -2, QString()},
        {"1", 16, -1, QString()},
        {"7", 16, 5, QString()},
        {"8", 16, 6, QString()},
        {"9", 19, 7, QString()},
    };
    return table;
}

TEST(CardNumber, PublishedTestNumbersAndTheirOneDigitChanges) {
    struct Case {
        QString number;
        QString type;  // empty: wrong
    };
    const Case cases[] = {
        {QStringLiteral("4111111111111111"), QStringLiteral("Visa")},
        {QStringLiteral("5555555555554444"), QStringLiteral("MasterCard")},
        {QStringLiteral("378282246310005"), QStringLiteral("American Express")},
        {QStringLiteral("6011111111111117"), QStringLiteral("Discover")},
        {QStringLiteral("30569309025904"), QStringLiteral("Diner's Club / Carte Blanche")},
        {QStringLiteral("3530111333300000"), QStringLiteral("JCB")},
        {QStringLiteral("4111111111111112"), QString()},
        {QStringLiteral("5555555555554445"), QString()},
        {QStringLiteral("378282246310006"), QString()},
        {QStringLiteral("6011111111111127"), QString()},
    };
    for (const auto& c : cases) {
        if (c.type.isEmpty())
            EXPECT_EQ(cardReply(c.number).text, kWrong) << c.number.toStdString();
        else
            EXPECT_EQ(cardReply(c.number).text, validText(c.number, c.type));
    }
}

TEST(CardNumber, GeneratedNumbersGetTheirCodeAndTypeAndAnyChangedDigitIsWrong) {
    CodeGenerator gen(21);
    for (const auto& kind : kinds()) {
        for (int n = 0; n < 20; ++n) {
            const QString number = gen.cardNumber(kind.prefix, kind.length);
            SCOPED_TRACE(number.toStdString());
            ASSERT_TRUE(luhnValid(number));
            EXPECT_EQ(cardNumberTest(number), kind.code);
            const CheckReply reply = cardReply(number);
            EXPECT_TRUE(reply.closes);
            if (!kind.type.isEmpty())
                EXPECT_EQ(reply, (CheckReply{CheckReply::Kind::Information,
                                             validText(number, kind.type), true}));
            else if (kind.code == 1)  // 32 and 39: no message at all
                EXPECT_EQ(reply, (CheckReply{CheckReply::Kind::None, QString(), true}));
            else
                EXPECT_EQ(reply, (CheckReply{CheckReply::Kind::Warning, kWrong, true}));

            for (qsizetype i = 0; i < number.size(); ++i) {
                const QString wrong = gen.changed(number, i);
                EXPECT_EQ(cardNumberTest(wrong), 0) << wrong.toStdString();
                EXPECT_EQ(cardReply(wrong), (CheckReply{CheckReply::Kind::Warning, kWrong, true}));
            }
        }
    }
}

TEST(CardNumber, EmptyOrBlankFieldAsksForTheNumberAndKeepsTheWindowOpen) {
    for (const QString& text :
         {QString(), QStringLiteral(" "), QStringLiteral("     "), QStringLiteral("\t")})
        EXPECT_EQ(cardReply(text), (CheckReply{CheckReply::Kind::Warning, kEmpty, false}));
}

TEST(CardNumber, NoDigitsAtAllIsWrong) {
    EXPECT_EQ(cardNumberTest(u"----"), 0);
    EXPECT_EQ(cardReply(QStringLiteral("- -")),
              (CheckReply{CheckReply::Kind::Warning, kWrong, true}));
}

TEST(CardNumber, BlanksAndDashesBetweenDigitsAreDropped) {
    CodeGenerator gen(22);
    const QString number = gen.cardNumber("4", 16);
    const QString dashed =
        number.left(4) + u'-' + number.mid(4, 4) + u'-' + number.mid(8, 4) + u'-' + number.mid(12);
    const QString spaced =
        number.left(4) + u' ' + number.mid(4, 4) + u' ' + number.mid(8, 4) + u' ' + number.mid(12);
    EXPECT_EQ(cardDigits(dashed), number);
    EXPECT_EQ(cardReply(dashed).text, validText(dashed, QStringLiteral("Visa")));
    EXPECT_EQ(cardReply(spaced).text, validText(spaced, QStringLiteral("Visa")));
    // The shown number is the trimmed field text.
    EXPECT_EQ(cardReply(spaced + QStringLiteral("  ")).text,
              validText(spaced, QStringLiteral("Visa")));
    // Leading blanks take places among the twenty characters read (the
    // window trims its field after every change, so none reach it there).
    EXPECT_EQ(cardReply(QStringLiteral("  ") + spaced).text, kWrong);
    // A separator right after the first digit does not hide the card type.
    const QString amex = gen.cardNumber("37", 15);
    const QString split = amex.left(1) + u' ' + amex.mid(1);
    EXPECT_EQ(cardReply(split).text, validText(split, QStringLiteral("American Express")));
}

TEST(CardNumber, OnlyTheFirstTwentyCharactersCount) {
    CodeGenerator gen(23);
    const QString twenty = gen.cardNumber("4", 20);
    // Two more digits that would spoil the check are not read.
    for (const QString& tail :
         {QStringLiteral("12"), QStringLiteral("7"), QStringLiteral("999999")}) {
        EXPECT_EQ(cardDigits(twenty + tail), twenty);
        EXPECT_EQ(cardNumberTest(twenty + tail), 2);
    }
    // A 22-digit number that passes the check as a whole is wrong when its
    // first twenty digits do not.
    QString whole;
    do whole = gen.cardNumber("4", 22);
    while (luhnValid(whole.left(20)));
    EXPECT_EQ(cardNumberTest(whole), 0);
    EXPECT_EQ(cardReply(whole).text, kWrong);
    // Separators take places among the twenty.
    const QString sixteen = gen.cardNumber("4", 16);
    const QString padded = sixteen.left(1) + QString(5, u'-') + sixteen.mid(1);
    EXPECT_EQ(cardDigits(padded), sixteen.left(15));
}

TEST(CardNumber, ShortLuhnValidNumbersAreAccepted) {
    // "42": 4 doubled is 8, expected last digit 2.
    EXPECT_EQ(cardNumberTest(u"42"), 2);
    EXPECT_EQ(cardReply(QStringLiteral("42")).text,
              validText(QStringLiteral("42"), QStringLiteral("Visa")));
    EXPECT_EQ(cardNumberTest(u"0"), -2);
    EXPECT_EQ(cardNumberTest(u"4"), 0);
}

}  // namespace
}  // namespace vt::checks
