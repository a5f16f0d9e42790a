#include "checks/logic/openingrule.h"

#include <gtest/gtest.h>

namespace vt::checks {
namespace {

TEST(FiscalFieldCheck, DigitsOnlyOpenTheVatNumberCheck) {
    struct Case {
        QString text;
        FiscalFieldCheck expected;
    };
    const Case cases[] = {
        {QStringLiteral("01234567897"), FiscalFieldCheck::VatNumber},
        {QStringLiteral("  01234567897 "), FiscalFieldCheck::VatNumber},  // trimmed first
        {QStringLiteral("0"), FiscalFieldCheck::VatNumber},
        {QStringLiteral("1234567890123456"), FiscalFieldCheck::VatNumber},
        {QString(), FiscalFieldCheck::FiscalCode},
        {QStringLiteral("   "), FiscalFieldCheck::FiscalCode},
        {QStringLiteral("RSSMRA85T10A562S"), FiscalFieldCheck::FiscalCode},
        {QStringLiteral("0123456789 7"), FiscalFieldCheck::FiscalCode},  // blank inside
        {QStringLiteral("IT01234567897"), FiscalFieldCheck::FiscalCode},
        {QStringLiteral("0123-4567"), FiscalFieldCheck::FiscalCode},
        {QStringLiteral("\u0661\u0662\u0663"),
         FiscalFieldCheck::FiscalCode},  // digits of another script
    };
    for (const auto& c : cases)
        EXPECT_EQ(fiscalFieldCheck(c.text), c.expected) << c.text.toStdString();
}

}  // namespace
}  // namespace vt::checks
