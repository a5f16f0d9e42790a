#include "invoices/logic/copyname.h"

#include <gtest/gtest.h>

#include "archive/records.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::invoices {
namespace {

struct NameCase {
    const char* name;
    QString wanted;
    int n;
    QString expected;
};

class CopyNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(CopyNames, AreNamesTheArchiveCanHold) {
    const auto& c = GetParam();
    const QString name = copyNameCandidate(c.wanted, c.n);
    EXPECT_EQ(name, c.expected);
    // A file-name field keeps it exactly as it is.
    MovementRecord record;
    record.setText(mov::File01, name);
    EXPECT_EQ(record.text(mov::File01), name);
}

const QString kLong = QString(300, u'a') + QStringLiteral(".xml.p7m");

INSTANTIATE_TEST_SUITE_P(
    Table, CopyNames,
    ::testing::Values(
        NameCase{"AsDelivered", QStringLiteral("IT01234567897_a1B2c.xml"), 1,
                 QStringLiteral("IT01234567897_a1B2c.xml")},
        NameCase{"Signed", QStringLiteral("IT01234567897_a1B2c.xml.p7m"), 1,
                 QStringLiteral("IT01234567897_a1B2c.xml.p7m")},
        NameCase{"SecondCandidate", QStringLiteral("IT01234567897_a1B2c.xml.p7m"), 2,
                 QStringLiteral("IT01234567897_a1B2c (2).xml.p7m")},
        NameCase{"Forbidden", QStringLiteral("fattura 1/2024: \"bozza\" <a>|b*?.pdf"), 1,
                 QStringLiteral("fattura 1_2024_ _bozza_ _a__b__.pdf")},
        NameCase{"OutsideTheCodePage", QStringLiteral("fattura \u0141\u00F3d\u017A \u20AC.pdf"), 1,
                 QStringLiteral("fattura _\u00F3d_ \u20AC.pdf")},
        NameCase{"TrailingDots", QStringLiteral("fattura..  "), 1, QStringLiteral("fattura")},
        NameCase{"Empty", QString(), 1, QStringLiteral("fattura")},
        NameCase{"OnlyExtension", QStringLiteral(".pdf"), 1, QStringLiteral("fattura.pdf")},
        NameCase{"DeviceName", QStringLiteral("con.xml"), 1, QStringLiteral("_con.xml")},
        NameCase{"Long", kLong, 1, QString(242, u'a') + QStringLiteral(".xml.p7m")},
        NameCase{"LongNumbered", kLong, 12, QString(237, u'a') + QStringLiteral(" (12).xml.p7m")},
        NameCase{"DotsInside", QStringLiteral("Fatt. n. 12 del 2024.pdf"), 1,
                 QStringLiteral("Fatt. n. 12 del 2024.pdf")}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vt::invoices
