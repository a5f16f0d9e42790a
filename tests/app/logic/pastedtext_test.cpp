#include "app/logic/pastedtext.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

const QString kDigits = QStringLiteral("0123456789");
const QString kAmount = QStringLiteral("0123456789,");

struct Case {
    const char* name;
    const QString* allowed;
    const char16_t* text;
    qsizetype room;
    const char16_t* accepted;  // nullptr: refused whole
};

class AcceptedPaste : public ::testing::TestWithParam<Case> {};

TEST_P(AcceptedPaste, ArrivesWholeOrNotAtAll) {
    const Case& c = GetParam();
    const std::optional<QString> got =
        acceptedPaste(QString::fromUtf16(c.text), *c.allowed, c.room);
    if (c.accepted) {
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, QString::fromUtf16(c.accepted));
    } else {
        EXPECT_FALSE(got.has_value()) << got->toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceptedPaste,
    ::testing::Values(Case{"Amount", &kAmount, u"12,50", -1, u"12,50"},
                      Case{"AmountWithBlanksAtTheEnds", &kAmount, u" 12,50 ", -1, u"12,50"},
                      Case{"AmountFromASpreadsheetCell", &kAmount, u"\t12,50\r\n", -1, u"12,50"},
                      Case{"AmountWithNoBreakSpaces", &kAmount, u"\u00A012,50\u00A0", -1, u"12,50"},
                      // A full stop, a thousands separator, a currency sign, a sign, a
                      // blank inside: each would give another number if dropped.
                      Case{"AmountWithAFullStop", &kAmount, u"12.50", -1, nullptr},
                      Case{"AmountWithThousands", &kAmount, u"1.234,56", -1, nullptr},
                      Case{"AmountInEnglish", &kAmount, u"1,234.56", -1, nullptr},
                      Case{"AmountWithTheEuroSign", &kAmount, u"\u20AC 12,50", -1, nullptr},
                      Case{"AmountWithASign", &kAmount, u"-80", -1, nullptr},
                      Case{"AmountWithABlankInside", &kAmount, u"1 234,56", -1, nullptr},
                      Case{"NoticeInDays", &kDigits, u"15", 3, u"15"},
                      Case{"NoticeWithAComma", &kDigits, u"1,5", 3, nullptr},
                      Case{"NoticeWithAUnit", &kDigits, u"5g", 3, nullptr},
                      Case{"YearWithLetters", &kDigits, u"ab12", 4, nullptr},
                      Case{"YearInAText", &kDigits, u"anno 2026", 4, nullptr},
                      Case{"YearThatFits", &kDigits, u" 2026\n", 4, u"2026"},
                      // Cutting would change the number as much as dropping would.
                      Case{"YearTooLong", &kDigits, u"20265", 4, nullptr},
                      Case{"NoticeFillingTheRoomLeft", &kDigits, u"12", 2, u"12"},
                      Case{"NoRoomLeft", &kDigits, u"1", 0, nullptr},
                      Case{"Empty", &kDigits, u"", -1, nullptr},
                      Case{"OnlyBlanks", &kDigits, u"  \t ", -1, nullptr}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vt
