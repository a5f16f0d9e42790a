#include "invoices/logic/envelope.h"

#include <gtest/gtest.h>

#include "einvoices.h"

namespace vt::invoices {
namespace {

namespace ei = test::einvoice;

QByteArray invoiceXml() {
    return ei::xml(
        ei::received({ei::simpleBody(QStringLiteral("1"), QStringLiteral("10.00"), QString())}));
}

// Every form in which a signed invoice arrives gives back the same XML.
struct FormCase {
    const char* name;
    QByteArray (*make)(const QByteArray& der);
};

class SignedForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(SignedForms, GiveBackTheInvoice) {
    const QByteArray xml = invoiceXml();
    const QByteArray der = ei::signDer(xml);
    ASSERT_FALSE(der.isEmpty());
    const QByteArray file = GetParam().make(der);
    EXPECT_TRUE(looksLikeEnvelope(file));
    const auto content = signedContent(file);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(*content, xml);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SignedForms,
    ::testing::Values(
        FormCase{"Der", [](const QByteArray& d) { return d; }},
        FormCase{"Base64OneLine", [](const QByteArray& d) { return ei::asBase64(d); }},
        FormCase{"Base64Lines64", [](const QByteArray& d) { return ei::asBase64(d, 64); }},
        FormCase{"Base64Lines76", [](const QByteArray& d) { return ei::asBase64(d, 76); }},
        FormCase{"PemHeader", [](const QByteArray& d) { return ei::asBase64(d, 64, true); }},
        FormCase{"SignedTwice", [](const QByteArray& d) { return ei::signDer(d); }},
        FormCase{"SignedTwiceInnerBase64",
                 [](const QByteArray& d) { return ei::asBase64(ei::signDer(ei::asBase64(d))); }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SignedContent, RefusesWhatIsNotASignedEnvelope) {
    const QByteArray der = ei::signDer(invoiceXml());
    const QList<QByteArray> bad{
        QByteArray(),
        invoiceXml(),
        QByteArray("questo non \xE8 un file firmato"),
        QByteArray("MIIBIjANBgkqhkiG9w0BAQEFAAOCAQ8AMIIBCgKCAQEA"),  // base64 of something else
        der.left(der.size() / 2),                                    // cut short
        QByteArray("\x30\x03\x02\x01\x05", 5),                       // DER, but not CMS
        QByteArray("-----BEGIN PKCS7-----\n!!!\n-----END PKCS7-----\n"),
    };
    for (const QByteArray& bytes : bad)
        EXPECT_FALSE(signedContent(bytes).has_value()) << bytes.left(40).toStdString();
}

}  // namespace
}  // namespace vt::invoices
