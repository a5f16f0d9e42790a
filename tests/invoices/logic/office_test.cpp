#include "invoices/logic/office.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "checks/logic/fiscalcode.h"
#include "einvoices.h"
#include "invoices/logic/wording.h"
#include "support/fakes.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::invoices {
namespace {

namespace ei = test::einvoice;

QString validFiscalCode() {
    QString code = QStringLiteral("VRDLGU70A41F205");
    return code + *checks::fiscalCodeCheckCharacter(code);
}

struct CheckCase {
    const char* name;
    QString vat;
    QString fiscal;
    std::optional<OfficeProblem::Field> field;
    QString (*message)();
};

class OfficeChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(OfficeChecks, UseTheProgramsOwnChecks) {
    const auto& c = GetParam();
    const auto problem = checkOffice(OfficeIdentity{c.vat, c.fiscal});
    ASSERT_EQ(problem.has_value(), c.field.has_value());
    if (!problem) return;
    EXPECT_EQ(problem->field, *c.field);
    EXPECT_EQ(problem->message, c.message());
}

QString none() {
    return {};
}

using F = OfficeProblem::Field;
INSTANTIATE_TEST_SUITE_P(
    Table, OfficeChecks,
    ::testing::Values(
        CheckCase{"VatNumber", ei::kOfficeVat, QString(), std::nullopt, &none},
        CheckCase{"VatNumberWithCountry", QStringLiteral(" IT") + ei::kOfficeVat, QString(),
                  std::nullopt, &none},
        CheckCase{"PersonsFiscalCode", QString(), validFiscalCode(), std::nullopt, &none},
        CheckCase{"LowerCaseFiscalCode", QString(), validFiscalCode().toLower(), std::nullopt,
                  &none},
        CheckCase{"CompanysFiscalCode", QString(), ei::kOfficeVat, std::nullopt, &none},
        CheckCase{"Both", ei::kOfficeVat, validFiscalCode(), std::nullopt, &none},
        CheckCase{"Neither", QStringLiteral("  "), QString(), F::VatNumber,
                  &wording::officeMissing},
        CheckCase{"ShortVatNumber", QStringLiteral("0123456789"), QString(), F::VatNumber,
                  &wording::vatNumberLength},
        CheckCase{"WrongVatNumber", QStringLiteral("01234567890"), QString(), F::VatNumber,
                  &wording::vatNumberWrong},
        CheckCase{"LettersInVatNumber", QStringLiteral("0123456789A"), QString(), F::VatNumber,
                  &wording::vatNumberWrong},
        CheckCase{"ShortFiscalCode", QString(), QStringLiteral("VRDLGU70A41F20"), F::FiscalCode,
                  &wording::fiscalCodeLength},
        CheckCase{"WrongFiscalCode", QString(), QStringLiteral("VRDLGU70A41F205A"), F::FiscalCode,
                  &wording::fiscalCodeWrong},
        CheckCase{"WrongCompanyCode", ei::kOfficeVat, QStringLiteral("01234567890"), F::FiscalCode,
                  &wording::fiscalCodeWrong}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(OfficeSettings, AreRememberedInTheirOwnFileBesideTheProgram) {
    test::FakeSystem system;
    EXPECT_EQ(settingsPath(), system.file(kSettingsFileName));
    // Nothing stored yet: empty fields, and nothing is created by reading.
    EXPECT_EQ(readOffice(), OfficeIdentity{});
    EXPECT_FALSE(QFileInfo::exists(settingsPath()));

    ASSERT_TRUE(
        writeOffice(OfficeIdentity{QStringLiteral("it 01234567897"), validFiscalCode().toLower()}));
    EXPECT_EQ(readOffice(), (OfficeIdentity{ei::kOfficeVat, validFiscalCode()}));
    ASSERT_TRUE(writeOffice(OfficeIdentity{QString(), ei::kOfficeVat}));
    EXPECT_EQ(readOffice(), (OfficeIdentity{QString(), ei::kOfficeVat}));
    // The password store is not touched.
    EXPECT_FALSE(QFileInfo::exists(system.file(QStringLiteral("unins000.dll"))));
}

TEST(OfficeSettings, AFileThatCannotBeWrittenKeepsTheOldValues) {
    test::FakeSystem system;
    ASSERT_TRUE(writeOffice(OfficeIdentity{ei::kOfficeVat, QString()}));
    // A folder in place of the settings file cannot be replaced.
    const QString blocked = system.file(QStringLiteral("bloccato.ini"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    EXPECT_FALSE(writeOffice(OfficeIdentity{ei::kSupplierVat, QString()}, blocked));
    EXPECT_FALSE(readOffice(blocked).has_value());
    EXPECT_EQ(readOffice(), (OfficeIdentity{ei::kOfficeVat, QString()}));
}

}  // namespace
}  // namespace vt::invoices
