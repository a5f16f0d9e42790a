#include "invoices/logic/payments.h"

#include <gtest/gtest.h>

#include "archive/texts.h"
#include "checks/logic/fiscalcode.h"
#include "einvoices.h"
#include "invoices/logic/wording.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::invoices {
namespace {

namespace ei = test::einvoice;

const OfficeIdentity kOffice{ei::kOfficeVat, QString()};

Invoice parsed(const ei::InvoiceData& doc) {
    auto read = readInvoice(ei::xml(doc));
    EXPECT_TRUE(std::holds_alternative<Invoice>(read));
    return std::holds_alternative<Invoice>(read) ? std::get<Invoice>(read) : Invoice{};
}

std::variant<InvoicePlan, QString> plan(const ei::InvoiceData& doc,
                                        const OfficeIdentity& office = kOffice,
                                        qsizetype body = 0) {
    return planInvoice(parsed(doc), body, office, QStringLiteral("5"),
                       QStringLiteral("IT01_a.xml"));
}

InvoicePlan planned(const ei::InvoiceData& doc, const OfficeIdentity& office = kOffice) {
    auto p = plan(doc, office);
    if (auto* reason = std::get_if<QString>(&p)) ADD_FAILURE() << reason->toStdString();
    return std::holds_alternative<InvoicePlan>(p) ? std::get<InvoicePlan>(p) : InvoicePlan{};
}

QString reasonOf(const ei::InvoiceData& doc, const OfficeIdentity& office = kOffice) {
    auto p = plan(doc, office);
    return std::holds_alternative<QString>(p) ? std::get<QString>(p)
                                              : QStringLiteral("<importabile>");
}

ei::BodyData oneBody() {
    return ei::simpleBody(QStringLiteral("12/A"), QStringLiteral("1234.50"),
                          QStringLiteral("2024-04-30"));
}

TEST(PlanInvoice, ReceivedInvoiceIsAnOutgoingPaymentToTheSupplier) {
    ei::BodyData b = oneBody();
    b.causali = {QStringLiteral("Materiale d'ufficio"), QStringLiteral("marzo")};
    const InvoicePlan p = planned(ei::received({b}));
    EXPECT_FALSE(p.issued);
    ASSERT_EQ(p.payments.size(), 1);
    const card::CardTexts& c = p.payments[0].card;
    card::CardTexts expected = card::clearedCard(QDate(2024, 3, 15));
    expected.incoming = false;
    expected.causale = QStringLiteral("Fattura n. 12/A del 15/03/2024");
    expected.promemoria = QStringLiteral("Materiale d'ufficio marzo");
    expected.dataSca = QStringLiteral("30/04/2024");
    expected.preavviso = QStringLiteral("5");
    expected.importo = QStringLiteral("1234,50");
    expected.totale = QStringLiteral("-1234,50");
    expected.pagatore = QStringLiteral("Studio Verdi S.r.l.");
    expected.beneficiario = QStringLiteral("Forniture Bianchi S.p.A.");
    expected.recapitoBen = QStringLiteral("Corso Italia 12, 00184 Roma (RM)");
    expected.pagamento =
        QStringLiteral("Bonifico - IBAN IT60X0542811101000000123456 - Banca Esempio");
    expected.note = QStringLiteral("Partita IVA IT12345678903 - File IT01_a.xml");
    EXPECT_EQ(c, expected);
    EXPECT_EQ(p.payments[0].due, DueSource::Given);
    EXPECT_EQ(p.payments[0].amount, AmountSource::Payment);
    EXPECT_EQ(p.payments[0].method, QStringLiteral("Bonifico"));
    EXPECT_FALSE(card::firstFailingCheck(c).has_value());

    // The supplier's card carries the account it is paid on.
    const clients::CardTexts& r = p.registryCard;
    EXPECT_EQ(r.cliente, QStringLiteral("Forniture Bianchi S.p.A."));
    EXPECT_EQ(r.indirizzoRes, QStringLiteral("Corso Italia 12"));
    EXPECT_EQ(r.capRes, QStringLiteral("00184"));
    EXPECT_EQ(r.comuneRes, QStringLiteral("Roma"));
    EXPECT_EQ(r.provRes, QStringLiteral("RM"));
    EXPECT_EQ(r.partitaIva, ei::kSupplierVat);
    EXPECT_EQ(r.telUff, QStringLiteral("06 1234567"));
    EXPECT_EQ(r.email, QStringLiteral("amministrazione@bianchi.example"));
    EXPECT_EQ(r.iban, QStringLiteral("IT60X0542811101000000123456"));
    EXPECT_EQ(r.note, QString());
}

TEST(PlanInvoice, IssuedInvoiceIsAnIncomingPaymentFromTheCustomer) {
    ei::BodyData b = oneBody();
    b.causali.clear();
    const InvoicePlan p = planned(ei::issued({b}));
    EXPECT_TRUE(p.issued);
    const card::CardTexts& c = p.payments[0].card;
    EXPECT_TRUE(c.incoming);
    EXPECT_EQ(c.totale, QStringLiteral("+1234,50"));
    EXPECT_EQ(c.promemoria, QStringLiteral("Consulenza"));  // the first line, lacking a causale
    EXPECT_EQ(c.pagatore, QStringLiteral("Rossi Costruzioni S.n.c."));
    EXPECT_EQ(c.recapitoPag, QStringLiteral("Piazza Duomo 3, 50122 Firenze (FI)"));
    EXPECT_EQ(c.codFisc, ei::kCustomerVat);
    EXPECT_EQ(c.partitaIva, ei::kCustomerVat);
    EXPECT_EQ(c.email, QStringLiteral("rossi@example.it"));
    EXPECT_EQ(c.beneficiario, QStringLiteral("Studio Verdi S.r.l."));
    EXPECT_EQ(c.recapitoBen, QString());
    // The account in the terms is the office's own: not the customer's.
    EXPECT_EQ(p.registryCard.iban, QString());
    EXPECT_EQ(p.registryCard.codFisc, ei::kCustomerVat);
}

// Which way the money goes: by who issued the document, its type and the
// sign of its amounts.
struct DirectionCase {
    const char* name;
    bool issued;
    const char* tipo;
    const char* amount;
    bool incoming;
    const char* causale;
};

class Directions : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(Directions, FollowTheMoney) {
    const auto& d = GetParam();
    ei::BodyData b = ei::simpleBody(QStringLiteral("5"), QString::fromLatin1(d.amount),
                                    QStringLiteral("2024-04-30"));
    b.tipo = QString::fromLatin1(d.tipo);
    const InvoicePlan p = planned(d.issued ? ei::issued({b}) : ei::received({b}));
    ASSERT_EQ(p.payments.size(), 1);
    const card::CardTexts& c = p.payments[0].card;
    EXPECT_EQ(c.incoming, d.incoming);
    EXPECT_EQ(c.importo, QStringLiteral("100,00"));
    EXPECT_EQ(c.causale, QString::fromUtf8(d.causale));
    // The counterpart stands where the money comes from or goes to.
    const QString counterpart = d.issued ? QStringLiteral("Rossi Costruzioni S.n.c.")
                                         : QStringLiteral("Forniture Bianchi S.p.A.");
    EXPECT_EQ(d.incoming ? c.pagatore : c.beneficiario, counterpart);
    EXPECT_EQ(d.incoming ? c.beneficiario : c.pagatore, QStringLiteral("Studio Verdi S.r.l."));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Directions,
    ::testing::Values(
        DirectionCase{"ReceivedInvoice", false, "TD01", "100.00", false,
                      "Fattura n. 5 del 15/03/2024"},
        DirectionCase{"IssuedInvoice", true, "TD01", "100.00", true, "Fattura n. 5 del 15/03/2024"},
        DirectionCase{"ReceivedCreditNote", false, "TD04", "100.00", true,
                      "Nota di credito n. 5 del 15/03/2024"},
        DirectionCase{"IssuedCreditNote", true, "TD04", "100.00", false,
                      "Nota di credito n. 5 del 15/03/2024"},
        DirectionCase{"CreditNoteWrittenNegative", false, "TD04", "-100.00", true,
                      "Nota di credito n. 5 del 15/03/2024"},
        DirectionCase{"NegativeInvoice", true, "TD01", "-100.00", false,
                      "Fattura n. 5 del 15/03/2024"},
        DirectionCase{"Parcella", true, "TD06", "100.00", true, "Parcella n. 5 del 15/03/2024"},
        DirectionCase{"DebitNote", false, "TD05", "100.00", false,
                      "Nota di debito n. 5 del 15/03/2024"},
        DirectionCase{"Advance", false, "TD02", "100.00", false,
                      "Acconto su fattura n. 5 del 15/03/2024"},
        DirectionCase{"Deferred", true, "TD24", "100.00", true,
                      "Fattura differita n. 5 del 15/03/2024"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(PlanInvoice, InstalmentsAcrossSeveralTermsAreNumbered) {
    ei::BodyData b = oneBody();
    ei::PaymentData r1, r2, r3;
    r1.importo = QStringLiteral("100.00");
    r1.scadenza = QStringLiteral("2024-04-30");
    r2.importo = QStringLiteral("100.00");
    r2.scadenza = QStringLiteral("2024-05-31");
    r2.modalita = QStringLiteral("MP12");
    r3.importo = QStringLiteral("22.00");
    r3.scadenza = QStringLiteral("2024-06-30");
    r3.modalita = QStringLiteral("MP01");
    b.terms = {ei::TermsData{QStringLiteral("TP01"), {r1, r2}},
               ei::TermsData{QStringLiteral("TP01"), {r3}}};
    const InvoicePlan p = planned(ei::received({b}));
    ASSERT_EQ(p.payments.size(), 3);
    const QStringList causali{QStringLiteral("Fattura n. 12/A del 15/03/2024, rata 1 di 3"),
                              QStringLiteral("Fattura n. 12/A del 15/03/2024, rata 2 di 3"),
                              QStringLiteral("Fattura n. 12/A del 15/03/2024, rata 3 di 3")};
    const QStringList due{QStringLiteral("30/04/2024"), QStringLiteral("31/05/2024"),
                          QStringLiteral("30/06/2024")};
    const QStringList amounts{QStringLiteral("100,00"), QStringLiteral("100,00"),
                              QStringLiteral("22,00")};
    const QStringList methods{QStringLiteral("Bonifico"), QStringLiteral("RIBA"),
                              QStringLiteral("Contanti")};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(p.payments[k].card.causale, causali[k]);
        EXPECT_EQ(p.payments[k].card.dataSca, due[k]);
        EXPECT_EQ(p.payments[k].card.importo, amounts[k]);
        EXPECT_EQ(p.payments[k].card.pagamento, methods[k]);
        EXPECT_EQ(p.payments[k].instalment, k + 1);
        EXPECT_EQ(p.payments[k].instalments, 3);
    }
}

// The due date: given, computed from the terms, or the invoice date.
struct DueCase {
    const char* name;
    const char* scadenza;
    const char* riferimento;
    const char* giorni;
    const char* expected;
    DueSource source;
};

class DueDates : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueDates, ComeFromTheTerms) {
    const auto& d = GetParam();
    ei::BodyData b = oneBody();
    b.terms[0].payments[0].scadenza = QString::fromLatin1(d.scadenza);
    b.terms[0].payments[0].dataRiferimento = QString::fromLatin1(d.riferimento);
    b.terms[0].payments[0].giorni = QString::fromLatin1(d.giorni);
    const InvoicePlan p = planned(ei::received({b}));
    ASSERT_EQ(p.payments.size(), 1);
    EXPECT_EQ(p.payments[0].card.dataSca, QString::fromLatin1(d.expected));
    EXPECT_EQ(p.payments[0].due, d.source);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DueDates,
    ::testing::Values(
        DueCase{"Given", "2024-04-30", "2024-03-31", "60", "30/04/2024", DueSource::Given},
        DueCase{"ReferencePlusDays", "", "2024-03-31", "60", "30/05/2024", DueSource::Computed},
        DueCase{"ReferenceOnly", "", "2024-03-31", "", "31/03/2024", DueSource::Computed},
        DueCase{"DaysFromTheInvoiceDate", "", "", "30", "14/04/2024", DueSource::Computed},
        DueCase{"AcrossTheYear", "", "2024-12-15", "30", "14/01/2025", DueSource::Computed},
        DueCase{"Nothing", "", "", "", "15/03/2024", DueSource::InvoiceDate},
        DueCase{"WithTimeZone", "2024-04-30+02:00", "", "", "30/04/2024", DueSource::Given}),
    [](const auto& p) { return std::string(p.param.name); });

// Amounts of the file become the program's amount texts.
struct AmountCase {
    const char* name;
    const char* text;
    const char* expected;
};

class Amounts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(Amounts, BecomeAmountTexts) {
    const auto& a = GetParam();
    ei::BodyData b = oneBody();
    b.terms[0].payments[0].importo = QString::fromLatin1(a.text);
    const InvoicePlan p = planned(ei::received({b}));
    ASSERT_EQ(p.payments.size(), 1);
    EXPECT_EQ(p.payments[0].card.importo, QString::fromLatin1(a.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, Amounts,
                         ::testing::Values(AmountCase{"TwoDecimals", "1234.50", "1234,50"},
                                           AmountCase{"EightDecimals", "100.00000000", "100,00"},
                                           AmountCase{"RoundedUp", "10.125", "10,13"},
                                           AmountCase{"Whole", "80", "80,00"},
                                           AmountCase{"Zero", "0.00", "0,00"},
                                           AmountCase{"Large", "99999999999.99", "99999999999,99"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(PlanInvoice, WithoutTermsOnePaymentOfTheTotalOrOfTheSummary) {
    ei::BodyData b = oneBody();
    b.terms.clear();
    b.totale = QStringLiteral("244.00");
    InvoicePlan p = planned(ei::received({b}));
    ASSERT_EQ(p.payments.size(), 1);
    EXPECT_EQ(p.payments[0].card.importo, QStringLiteral("244,00"));
    EXPECT_EQ(p.payments[0].amount, AmountSource::DocumentTotal);
    EXPECT_EQ(p.payments[0].due, DueSource::InvoiceDate);
    EXPECT_EQ(p.payments[0].card.dataSca, QStringLiteral("15/03/2024"));
    EXPECT_EQ(p.payments[0].card.pagamento, QString());
    EXPECT_EQ(p.payments[0].card.causale, QStringLiteral("Fattura n. 12/A del 15/03/2024"));

    b.totale.clear();
    b.riepilogo = {{QStringLiteral("100.00"), QStringLiteral("22.00")},
                   {QStringLiteral("50.10"), QStringLiteral("0.00")}};
    p = planned(ei::received({b}));
    ASSERT_EQ(p.payments.size(), 1);
    EXPECT_EQ(p.payments[0].card.importo, QStringLiteral("172,10"));
    EXPECT_EQ(p.payments[0].amount, AmountSource::Summary);
}

TEST(PlanInvoice, SeveralBodiesArePlannedOneByOne) {
    const Invoice invoice =
        parsed(ei::issued({oneBody(), ei::simpleBody(QStringLiteral("13"), QStringLiteral("50.00"),
                                                     QStringLiteral("2024-05-15"))}));
    auto second =
        planInvoice(invoice, 1, kOffice, QStringLiteral("0"), QStringLiteral("lotto.xml"));
    ASSERT_TRUE(std::holds_alternative<InvoicePlan>(second));
    EXPECT_EQ(std::get<InvoicePlan>(second).payments[0].card.causale,
              QStringLiteral("Fattura n. 13 del 15/03/2024"));
    EXPECT_EQ(std::get<InvoicePlan>(second).payments[0].card.preavviso, QStringLiteral("0"));
}

// What stops an invoice, with the reason its row shows.
struct RefusalCase {
    const char* name;
    void (*spoil)(ei::InvoiceData& doc);
    QString (*reason)();
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, GiveTheirReason) {
    ei::InvoiceData doc = ei::received({oneBody()});
    GetParam().spoil(doc);
    EXPECT_EQ(reasonOf(doc), GetParam().reason());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    ::testing::Values(
        RefusalCase{"NoNumber", [](ei::InvoiceData& s) { s.bodies[0].numero.clear(); },
                    &wording::missingNumber},
        RefusalCase{"NoDate", [](ei::InvoiceData& s) { s.bodies[0].data.clear(); },
                    &wording::missingDate},
        RefusalCase{"ImpossibleDate",
                    [](ei::InvoiceData& s) { s.bodies[0].data = QStringLiteral("2023-02-29"); },
                    [] {
                        return wording::impossibleDate(QStringLiteral("della fattura"),
                                                       QStringLiteral("2023-02-29"));
                    }},
        RefusalCase{"ItalianDate",
                    [](ei::InvoiceData& s) { s.bodies[0].data = QStringLiteral("15/03/2024"); },
                    [] {
                        return wording::impossibleDate(QStringLiteral("della fattura"),
                                                       QStringLiteral("15/03/2024"));
                    }},
        RefusalCase{"ImpossibleDueDate",
                    [](ei::InvoiceData& s) {
                        s.bodies[0].terms[0].payments[0].scadenza = QStringLiteral("2024-04-31");
                    },
                    [] {
                        return wording::impossibleDate(QStringLiteral("di scadenza"),
                                                       QStringLiteral("2024-04-31"));
                    }},
        RefusalCase{"NoPaymentAmount",
                    [](ei::InvoiceData& s) { s.bodies[0].terms[0].payments[0].importo.clear(); },
                    [] { return wording::missingPaymentAmount(1, 1); }},
        RefusalCase{"NoAmountOfTheSecondInstalment",
                    [](ei::InvoiceData& s) {
                        ei::PaymentData second = s.bodies[0].terms[0].payments[0];
                        second.importo.clear();
                        s.bodies[0].terms[0].payments << second;
                    },
                    [] { return wording::missingPaymentAmount(2, 2); }},
        RefusalCase{"AmountNotANumber",
                    [](ei::InvoiceData& s) {
                        s.bodies[0].terms[0].payments[0].importo = QStringLiteral("1.234,50");
                    },
                    [] { return wording::amountNotNumber(QStringLiteral("1.234,50")); }},
        RefusalCase{"AmountWithLetters",
                    [](ei::InvoiceData& s) {
                        s.bodies[0].terms[0].payments[0].importo = QStringLiteral("12.50 EUR");
                    },
                    [] { return wording::amountNotNumber(QStringLiteral("12.50 EUR")); }},
        RefusalCase{"DaysNotANumber",
                    [](ei::InvoiceData& s) {
                        s.bodies[0].terms[0].payments[0].scadenza.clear();
                        s.bodies[0].terms[0].payments[0].giorni = QStringLiteral("trenta");
                    },
                    [] { return wording::daysNotNumber(QStringLiteral("trenta")); }},
        RefusalCase{"NothingToPay",
                    [](ei::InvoiceData& s) {
                        s.bodies[0].terms.clear();
                        s.bodies[0].totale.clear();
                        s.bodies[0].riepilogo.clear();
                    },
                    &wording::noAmountAtAll},
        RefusalCase{"Dollars",
                    [](ei::InvoiceData& s) { s.bodies[0].divisa = QStringLiteral("USD"); },
                    [] { return wording::foreignCurrency(QStringLiteral("USD")); }},
        RefusalCase{"ReverseChargeIntegration",
                    [](ei::InvoiceData& s) { s.bodies[0].tipo = QStringLiteral("TD17"); },
                    [] { return wording::vatOnlyDocument(QStringLiteral("TD17")); }},
        RefusalCase{"OfficeNeitherParty", [](ei::InvoiceData& s) { s.buyer = ei::customer(); },
                    &wording::officeNeitherParty},
        RefusalCase{"OfficeBothParties", [](ei::InvoiceData& s) { s.seller = ei::office(); },
                    &wording::officeBothParties},
        RefusalCase{
            "NoNames",
            [](ei::InvoiceData& s) {
                s.seller.denominazione.clear();
                s.seller.vat.clear();
                s.seller.fiscalCode.clear();
            },
            [] {
                return QStringLiteral(
                    "Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del "
                    "beneficiario.");
            }}),
    [](const auto& p) { return std::string(p.param.name); });

// The office is found by its VAT number or its fiscal code, on either side.
TEST(PlanInvoice, OfficeIsFoundByVatNumberOrFiscalCode) {
    QString code = QStringLiteral("VRDLGU70A41F205");
    code += *checks::fiscalCodeCheckCharacter(code);
    ei::InvoiceData doc = ei::issued({oneBody()});
    doc.seller.vat.clear();
    doc.seller.fiscalCode = code;
    EXPECT_TRUE(planned(doc, OfficeIdentity{QString(), code}).issued);
    EXPECT_EQ(reasonOf(doc, kOffice), wording::officeNeitherParty());
    // A company's fiscal code is its number: found by the VAT field too.
    ei::InvoiceData company = ei::received({oneBody()});
    company.buyer.vat.clear();
    EXPECT_FALSE(planned(company, kOffice).issued);
    EXPECT_FALSE(planned(company, OfficeIdentity{QString(), ei::kOfficeVat}).issued);
    EXPECT_FALSE(
        planned(company, OfficeIdentity{QStringLiteral("it ") + ei::kOfficeVat, QString()}).issued);
}

TEST(PlanInvoice, ForeignSupplierIsKnownByItsVatIdInTheNotes) {
    ei::InvoiceData doc = ei::received({oneBody()});
    doc.seller.country = QStringLiteral("DE");
    doc.seller.vat = QStringLiteral("123456789");
    doc.seller.nazione = QStringLiteral("DE");
    const InvoicePlan p = planned(doc);
    EXPECT_EQ(p.registryCard.partitaIva, QString());
    EXPECT_EQ(p.registryCard.note, QStringLiteral("Partita IVA DE123456789"));
    EXPECT_EQ(p.payments[0].card.note, QStringLiteral("Partita IVA DE123456789 - File IT01_a.xml"));

    RegistryIndex index;
    EXPECT_FALSE(index.has(p.counterpart));
    index.add(p.registryCard);
    EXPECT_TRUE(index.has(p.counterpart));
}

TEST(PlanInvoice, CarriedPdfIsTakenForTheSecondSlot) {
    ei::BodyData b = oneBody();
    b.attachments = {
        {QStringLiteral("dettaglio.txt"), QStringLiteral("TXT"), QString(), QByteArray("testo")},
        {QStringLiteral("Fattura_12A"), QStringLiteral("PDF"), QString(),
         QByteArray("%PDF-1.7\n...")}};
    const InvoicePlan p = planned(ei::received({b}));
    ASSERT_TRUE(p.pdf.has_value());
    EXPECT_EQ(p.pdf->name, QStringLiteral("Fattura_12A.pdf"));
    EXPECT_EQ(p.pdf->description, wording::kCarriedFileDescription);
    EXPECT_EQ(p.pdf->bytes, QByteArray("%PDF-1.7\n..."));
}

TEST(RegistryIndex, MatchesByVatNumberThenFiscalCodeNeverByEmptyCodes) {
    RegistryIndex index;
    clients::CardTexts byVat;
    byVat.cliente = QStringLiteral("A");
    byVat.partitaIva = ei::kSupplierVat;
    clients::CardTexts byCode;
    byCode.cliente = QStringLiteral("B");
    byCode.codFisc = QStringLiteral("RSSMRA80A01H501U");
    clients::CardTexts noCodes;
    noCodes.cliente = QStringLiteral("Forniture Bianchi S.p.A.");
    index.add(byVat);
    index.add(byCode);
    index.add(noCodes);

    Party p;
    p.vatCountry = QStringLiteral("IT");
    p.vatCode = ei::kSupplierVat;
    EXPECT_TRUE(index.has(p));
    p.vatCode = ei::kCustomerVat;
    EXPECT_FALSE(index.has(p));
    p.fiscalCode = QStringLiteral("RSSMRA80A01H501U");
    EXPECT_TRUE(index.has(p));
    // An Italian party with codes is never matched by its name alone.
    Party named;
    named.vatCountry = QStringLiteral("IT");
    named.vatCode = ei::kCustomerVat;
    named.denominazione = QStringLiteral("Forniture Bianchi S.p.A.");
    EXPECT_FALSE(index.has(named));
    EXPECT_FALSE(RegistryIndex().has(Party{}));
}

TEST(PaymentKey, TellsPaymentsApartByTheirSixTexts) {
    const InvoicePlan p = planned(ei::received({oneBody()}));
    const card::CardTexts base = p.payments[0].card;
    const QString key = paymentKey(card::encode(base));
    card::CardTexts same = base;
    same.note = QStringLiteral("altro");
    same.file01 = QStringLiteral("x.xml");
    same.preavviso = QStringLiteral("30");
    EXPECT_EQ(paymentKey(card::encode(same)), key);
    const QList<void (*)(card::CardTexts&)> changes{
        [](card::CardTexts& c) { c.incoming = !c.incoming; },
        [](card::CardTexts& c) { c.data = QStringLiteral("16/03/2024"); },
        [](card::CardTexts& c) { c.causale += u'.'; },
        [](card::CardTexts& c) { c.beneficiario += u'.'; },
        [](card::CardTexts& c) { c.importo = QStringLiteral("1234,51"); },
        [](card::CardTexts& c) { c.dataSca = QStringLiteral("01/05/2024"); },
    };
    for (auto change : changes) {
        card::CardTexts other = base;
        change(other);
        EXPECT_NE(paymentKey(card::encode(other)), key);
    }
}

}  // namespace
}  // namespace vt::invoices
