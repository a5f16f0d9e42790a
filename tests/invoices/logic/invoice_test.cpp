#include "invoices/logic/invoice.h"

#include <gtest/gtest.h>

#include "einvoices.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::invoices {
namespace {

namespace ei = test::einvoice;

Invoice invoiceOf(const QByteArray& xml) {
    auto read = readInvoice(xml);
    EXPECT_TRUE(std::holds_alternative<Invoice>(read));
    return std::holds_alternative<Invoice>(read) ? std::get<Invoice>(read) : Invoice{};
}

// An accented supplier in every encoding and with every prefix the
// exchange system delivers: the names come out the same.
struct EncodingCase {
    const char* name;
    const char* encoding;
    bool bom;
    const char* prefix;
};

class Encodings : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Encodings, ReadTheSameInvoice) {
    const auto& c = GetParam();
    ei::InvoiceData doc = ei::received({ei::simpleBody(
        QStringLiteral("7/A"), QStringLiteral("122.00"), QStringLiteral("2024-04-30"))});
    doc.prefix = QString::fromLatin1(c.prefix);
    doc.seller.denominazione = QStringLiteral("Caff\u00E8 Perch\u00E9 S.r.l.");
    doc.bodies[0].causali = {QStringLiteral("Forniture di caff\u00E8")};
    const Invoice invoice = invoiceOf(ei::xml(doc, c.encoding, c.bom));
    EXPECT_EQ(invoice.versione, QStringLiteral("FPR12"));
    EXPECT_EQ(invoice.seller.denominazione, QStringLiteral("Caff\u00E8 Perch\u00E9 S.r.l."));
    ASSERT_EQ(invoice.bodies.size(), 1);
    EXPECT_EQ(invoice.bodies[0].causali, QStringList{QStringLiteral("Forniture di caff\u00E8")});
    EXPECT_EQ(invoice.bodies[0].numero, QStringLiteral("7/A"));
}

INSTANTIATE_TEST_SUITE_P(Table, Encodings,
                         ::testing::Values(EncodingCase{"Utf8", "UTF-8", false, "p"},
                                           EncodingCase{"Utf8Bom", "UTF-8", true, "p"},
                                           EncodingCase{"Latin1", "ISO-8859-1", false, "p"},
                                           EncodingCase{"Windows1252", "windows-1252", false,
                                                        "ns2"},
                                           EncodingCase{"Utf16Bom", "UTF-16", true, "p"},
                                           EncodingCase{"NoPrefix", "UTF-8", false, ""},
                                           EncodingCase{"OtherPrefix", "UTF-8", true, "a"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ReadInvoice, TakesPartiesBodiesTermsAndAttachments) {
    ei::InvoiceData doc = ei::received({});
    doc.seller.nome = QStringLiteral("Mario");
    doc.seller.cognome = QStringLiteral("Rossi");
    doc.seller.denominazione.clear();
    doc.seller.fiscalCode = QStringLiteral("rssmra80a01h501u");
    ei::BodyData first = ei::simpleBody(QStringLiteral("10"), QStringLiteral("300.00"), QString());
    first.tipo = QStringLiteral("TD06");
    first.causali = {QStringLiteral("Prima riga"), QStringLiteral("Seconda riga")};
    first.descrizioni = {QStringLiteral("Parere"), QStringLiteral("Trasferta")};
    first.riepilogo = {{QStringLiteral("200.00"), QStringLiteral("44.00")},
                       {QStringLiteral("50.00"), QStringLiteral("0.00")}};
    ei::PaymentData rata;
    rata.importo = QStringLiteral("150.00");
    rata.dataRiferimento = QStringLiteral("2024-03-15");
    rata.giorni = QStringLiteral("30");
    first.terms = {ei::TermsData{QStringLiteral("TP01"), {rata, rata}},
                   ei::TermsData{QStringLiteral("TP03"), {rata}}};
    first.attachments = {{QStringLiteral("copia.pdf"), QStringLiteral("PDF"),
                          QStringLiteral("Copia"), QByteArray("%PDF-1.4 prova")}};
    ei::BodyData second =
        ei::simpleBody(QStringLiteral("11"), QStringLiteral("50.00"), QStringLiteral("2024-05-01"));
    doc.bodies = {first, second};

    const Invoice invoice = invoiceOf(ei::xml(doc));
    EXPECT_EQ(invoice.seller.name(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(invoice.seller.fiscalCode, QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(invoice.seller.vatId(), QStringLiteral("IT") + ei::kSupplierVat);
    EXPECT_EQ(invoice.seller.address(), QStringLiteral("Corso Italia 12, 00184 Roma (RM)"));
    EXPECT_EQ(invoice.seller.telefono, QStringLiteral("06 1234567"));
    EXPECT_EQ(invoice.buyer.italianVatNumber(), ei::kOfficeVat);
    ASSERT_EQ(invoice.bodies.size(), 2);
    const Body& b = invoice.bodies[0];
    EXPECT_EQ(b.tipoDocumento, QStringLiteral("TD06"));
    EXPECT_EQ(b.data, QStringLiteral("2024-03-15"));
    EXPECT_EQ(b.importoTotale, QStringLiteral("300.00"));
    EXPECT_EQ(b.causali.size(), 2);
    EXPECT_EQ(b.firstLineDescription, QStringLiteral("Parere"));
    ASSERT_EQ(b.summary.size(), 2);
    EXPECT_EQ(b.summary[1].imponibile, QStringLiteral("50.00"));
    ASSERT_EQ(b.terms.size(), 2);
    EXPECT_EQ(b.terms[0].condizioni, QStringLiteral("TP01"));
    ASSERT_EQ(b.terms[0].details.size(), 2);
    EXPECT_EQ(b.terms[1].details.size(), 1);
    EXPECT_EQ(b.terms[0].details[0].giorni, QStringLiteral("30"));
    EXPECT_EQ(b.terms[0].details[0].modalita, QStringLiteral("MP05"));
    ASSERT_EQ(b.attachments.size(), 1);
    EXPECT_EQ(QByteArray::fromBase64(b.attachments[0].base64), QByteArray("%PDF-1.4 prova"));
    EXPECT_EQ(invoice.bodies[1].numero, QStringLiteral("11"));
    EXPECT_EQ(invoice.bodies[1].terms[0].details[0].iban,
              QStringLiteral("IT60X0542811101000000123456"));
}

TEST(ReadInvoice, ForeignPartyHasNoItalianVatNumberAndShowsItsCountry) {
    Party p;
    p.vatCountry = QStringLiteral("FR");
    p.vatCode = QStringLiteral("12345678901");
    p.indirizzo = QStringLiteral("Rue de Rivoli");
    p.comune = QStringLiteral("Paris");
    p.cap = QStringLiteral("75001");
    p.nazione = QStringLiteral("FR");
    EXPECT_EQ(p.italianVatNumber(), QString());
    EXPECT_EQ(p.vatId(), QStringLiteral("FR12345678901"));
    EXPECT_EQ(p.address(), QStringLiteral("Rue de Rivoli, 75001 Paris, FR"));
}

// Documents that are not invoices, or not whole: each says what is wrong.
struct FaultCase {
    const char* name;
    QByteArray bytes;
    ReadFault fault;
};

class Faults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(Faults, AreToldApart) {
    const auto read = readInvoice(GetParam().bytes);
    ASSERT_TRUE(std::holds_alternative<ReadError>(read));
    EXPECT_EQ(std::get<ReadError>(read).fault, GetParam().fault);
}

const char* const kBroken =
    "<?xml version=\"1.0\"?>\n<p:FatturaElettronica xmlns:p=\"x\">\n<b></p:FatturaElettronica>";

QByteArray goodInvoice() {
    return ei::xml(
        ei::received({ei::simpleBody(QStringLiteral("1"), QStringLiteral("10.00"), QString())}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Faults,
    ::testing::Values(
        FaultCase{"Empty", QByteArray(), ReadFault::NotXml},
        FaultCase{"PlainText", QByteArray("Fattura n. 1 del 15/03/2024"), ReadFault::NotXml},
        FaultCase{"Binary", QByteArray("\x30\x82\x01\x00\xff\xfe", 6), ReadFault::NotXml},
        FaultCase{"Truncated", goodInvoice().left(goodInvoice().size() / 2), ReadFault::Truncated},
        FaultCase{"Broken", QByteArray(kBroken), ReadFault::Malformed},
        FaultCase{"OtherKind",
                  QByteArray("<?xml version=\"1.0\"?><ns:RicevutaConsegna xmlns:ns=\"x\"/>"),
                  ReadFault::OtherKind},
        FaultCase{
            "Dtd",
            QByteArray(
                "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY x \"y\">]><FatturaElettronica/>"),
            ReadFault::ForbiddenDtd},
        FaultCase{"Simplified", QByteArray("<p:FatturaElettronicaSemplificata xmlns:p=\"x\"/>"),
                  ReadFault::Simplified},
        FaultCase{"NoBody",
                  QByteArray("<p:FatturaElettronica xmlns:p=\"x\"><FatturaElettronicaHeader/>"
                             "</p:FatturaElettronica>"),
                  ReadFault::NoBody}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ReadInvoice, MalformedNamesTheLineAndOtherKindItsRoot) {
    const auto broken = readInvoice(QByteArray(kBroken));
    EXPECT_EQ(std::get<ReadError>(broken).line, 3);
    const auto other = readInvoice(QByteArray("<ns:FileMetadati xmlns:ns=\"x\"/>"));
    EXPECT_EQ(std::get<ReadError>(other).rootName, QStringLiteral("FileMetadati"));
}

}  // namespace
}  // namespace vt::invoices
