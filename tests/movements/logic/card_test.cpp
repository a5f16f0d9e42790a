#include <gtest/gtest.h>

#include <QStringList>

#include "archive/texts.h"
#include "movements/logic/card.h"
#include "movements/logic/exportmovements.h"
#include "movements/logic/helppages.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vt::card {
namespace {

const QDate kToday{2026, 12, 9};

// A card that passes every save check.
CardTexts validCard() {
    CardTexts c = clearedCard(kToday);
    c.causale = QStringLiteral("Affitto ufficio");
    c.dataSca = QStringLiteral("31/12/2026");
    c.pagatore = QStringLiteral("Rossi Mario");
    c.beneficiario = QStringLiteral("Immobiliare Bianchi");
    return c;
}

// The raw counted bytes of a field at `offset`: length byte and text.
QByteArray counted(const QByteArray& record, int offset) {
    const int length = static_cast<unsigned char>(record[offset]);
    return record.mid(offset + 1, length);
}

TEST(ClearedCard, HoldsTodayZeroAmountIncomingAndNothingElse) {
    const CardTexts c = clearedCard(kToday);
    EXPECT_EQ(c.data, QStringLiteral("09/12/2026"));
    EXPECT_EQ(c.preavviso, QStringLiteral("0"));
    EXPECT_EQ(c.importo, QStringLiteral("0,00"));
    EXPECT_EQ(c.totale, QStringLiteral("+0,00"));
    EXPECT_TRUE(c.incoming);
    EXPECT_FALSE(c.saldato);
    CardTexts rest = c;
    rest.data = rest.preavviso = rest.importo = rest.totale = QString();
    EXPECT_EQ(rest, CardTexts{});
}

TEST(Encode, PutsEveryFieldAtItsOffsetWithFlagsAndSignedAmount) {
    CardTexts c = validCard();
    c.promemoria = QStringLiteral("Dicembre");
    c.preavviso = QStringLiteral("5");
    c.importo = QStringLiteral("1234,50");
    c.recapitoPag = QStringLiteral("Via Roma 1");
    c.codFisc = QStringLiteral("RSSMRA80A01H501U");
    c.partitaIva = QStringLiteral("12345678901");
    c.categoria = QStringLiteral("Affitti");
    c.email = QStringLiteral("mario@example.it");
    c.pagamento = QStringLiteral("Bonifico");
    c.recapitoBen = QStringLiteral("Milano");
    c.ricevuta = QStringLiteral("CRO 123");
    c.note = QStringLiteral("Nota");
    c.tariffa = QStringLiteral("Mensile");
    c.file01 = QStringLiteral("fattura.pdf");
    c.desc03 = QStringLiteral("Ricevuta firmata");
    c.incoming = false;
    c.saldato = true;
    const QByteArray b = encode(c).bytes();
    ASSERT_EQ(b.size(), 3414);
    EXPECT_EQ(counted(b, 0), QByteArray("No"));
    EXPECT_EQ(counted(b, 3), QByteArray("S\xEC"));
    EXPECT_EQ(counted(b, 6), QByteArray("09/12/2026"));
    EXPECT_EQ(counted(b, 17), QByteArray("Affitto ufficio"));
    EXPECT_EQ(counted(b, 268), QByteArray("Dicembre"));
    EXPECT_EQ(counted(b, 519), QByteArray("31/12/2026"));
    EXPECT_EQ(counted(b, 530), QByteArray("5"));
    EXPECT_EQ(counted(b, 534), QByteArray("1234,50"));
    EXPECT_EQ(counted(b, 550), QByteArray("-1234,50"));
    EXPECT_EQ(counted(b, 566), QByteArray("Rossi Mario"));
    EXPECT_EQ(counted(b, 617), QByteArray("Via Roma 1"));
    EXPECT_EQ(counted(b, 668), QByteArray("RSSMRA80A01H501U"));
    EXPECT_EQ(counted(b, 685), QByteArray("12345678901"));
    EXPECT_EQ(counted(b, 697), QByteArray("Affitti"));
    EXPECT_EQ(counted(b, 748), QByteArray("mario@example.it"));
    EXPECT_EQ(counted(b, 799), QByteArray("Bonifico"));
    EXPECT_EQ(counted(b, 1050), QByteArray("Immobiliare Bianchi"));
    EXPECT_EQ(counted(b, 1101), QByteArray("Milano"));
    EXPECT_EQ(counted(b, 1152), QByteArray("CRO 123"));
    EXPECT_EQ(counted(b, 1403), QByteArray("Nota"));
    EXPECT_EQ(counted(b, 1654), QByteArray("Mensile"));
    EXPECT_EQ(counted(b, 1905), QByteArray("S\xEC"));
    EXPECT_EQ(counted(b, 1908), QByteArray("fattura.pdf"));
    EXPECT_EQ(counted(b, 2159), QByteArray());
    EXPECT_EQ(counted(b, 3163), QByteArray("Ricevuta firmata"));
}

TEST(Encode, IncomingCardIsSignedPlusAndFlagsSwap) {
    CardTexts c = validCard();
    c.importo = QStringLiteral(" 12,50 ");
    const MovementRecord r = encode(c);
    EXPECT_EQ(r.flag(mov::Entrata), Flag::Yes);
    EXPECT_EQ(r.flag(mov::Uscita), Flag::No);
    EXPECT_EQ(r.flag(mov::Saldato), Flag::No);
    EXPECT_EQ(r.text(mov::ImportoSegnato), QStringLiteral("+12,50"));
}

TEST(Encode, CutsLongTextsToTheirCapacity) {
    CardTexts c = validCard();
    c.causale = QString(300, u'c');
    c.pagatore = QString(60, u'p');
    c.pagamento = QString(400, u'm');
    c.codFisc = QString(40, u'X');
    c.file02 = QString(251, u'f');
    const MovementRecord r = encode(c);
    EXPECT_EQ(r.text(mov::Causale), QString(250, u'c'));
    EXPECT_EQ(r.text(mov::Pagatore), QString(50, u'p'));
    EXPECT_EQ(r.text(mov::Pagamento), QString(250, u'm'));
    EXPECT_EQ(r.text(mov::CodFisc), QString(16, u'X'));
    EXPECT_EQ(r.text(mov::File02), QString(250, u'f'));
    // The next field starts where it should, untouched by the long text.
    EXPECT_EQ(r.text(mov::Promemoria), QString());
    EXPECT_EQ(r.text(mov::RecapitoPag), QString());
}

TEST(Encode, FifteenCharacterAmountLosesItsLastDigitOnlyInTheSignedText) {
    CardTexts c = validCard();
    c.importo = QStringLiteral("123456789012,34");
    const MovementRecord r = encode(c);
    EXPECT_EQ(r.text(mov::Importo), QStringLiteral("123456789012,34"));
    EXPECT_EQ(r.text(mov::ImportoSegnato), QStringLiteral("+123456789012,3"));
}

TEST(Encode, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    CardTexts c = validCard();
    c.causale = QStringLiteral("Caff\u00E8 \u20AC \u4E2D\u6587 \U0001F600 fine");
    c.note = QStringLiteral("\u0141\u00F3d\u017A");
    const MovementRecord r = encode(c);
    const QByteArray b = r.bytes();
    EXPECT_EQ(counted(b, 17), QByteArray("Caff\xE8 \x80 ?? ? fine"));
    EXPECT_EQ(r.text(mov::Causale), QStringLiteral("Caff\u00E8 \u20AC ?? ? fine"));
    EXPECT_EQ(r.text(mov::Note), QStringLiteral("?\u00F3d?"));
}

// Pasted amounts reach the record only through the normalisation that every
// save runs first: never with a sign or a separator of thousands.
TEST(Encode, PastedAmountsAreStoredNormalisedAndUnsigned) {
    const struct {
        const char* pasted;
        const char* stored;
    } cases[] = {
        {"1.234,56", "0,00"}, {"abc", "0,00"},   {"1,2,3", "0,00"},  {"-12,5", "12,50"},
        {"+7", "7,00"},       {"12,345", "12,35"}, {"", "0,00"},    {"--5", "0,00"},
        {"1e3", "0,00"},      {" 8,1 ", "8,10"},
    };
    for (const auto& k : cases) {
        for (bool incoming : {true, false}) {
            CardTexts c = validCard();
            c.importo = normalizeAmount(QString::fromUtf8(k.pasted));
            c.incoming = incoming;
            const MovementRecord r = encode(c);
            EXPECT_EQ(r.text(mov::Importo), QString::fromUtf8(k.stored)) << k.pasted;
            EXPECT_FALSE(r.text(mov::Importo).contains(u'-')) << k.pasted;
            EXPECT_EQ(r.text(mov::ImportoSegnato),
                      (incoming ? QStringLiteral("+") : QStringLiteral("-")) + QString::fromUtf8(k.stored))
                << k.pasted;
        }
    }
}

TEST(Decode, RoundTripsEveryFieldAndSetsThePosition) {
    CardTexts c = validCard();
    c.promemoria = QStringLiteral("p");
    c.importo = QStringLiteral("80,00");
    c.codFisc = QStringLiteral("CF");
    c.pagamento = QString(250, u'm');
    c.file03 = QStringLiteral("a.pdf");
    c.desc01 = QStringLiteral("d");
    c.incoming = false;
    c.saldato = true;
    CardTexts shown = clearedCard(kToday);
    decode(encode(c), 7, shown);
    CardTexts expected = c;
    expected.totale = QStringLiteral("-80,00");
    expected.posizione = QStringLiteral("7");
    EXPECT_EQ(shown, expected);
}

// The flags as stored, and what the card shows after loading them over a
// card that was outgoing and settled, or incoming and not settled.
struct FlagCase {
    const char* entrata;
    const char* uscita;
    const char* saldato;
    bool incomingFromOut, incomingFromIn;
    bool saldatoFromSettled, saldatoFromOpen;
};

MovementRecord withFlags(const FlagCase& k) {
    MovementRecord r = encode(validCard());
    r.setText(mov::Entrata, QString::fromUtf8(k.entrata));
    r.setText(mov::Uscita, QString::fromUtf8(k.uscita));
    r.setText(mov::Saldato, QString::fromUtf8(k.saldato));
    return r;
}

class DecodeFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(DecodeFlags, UnreadableFlagsLeaveTheirControlAsItWas) {
    const FlagCase k = GetParam();
    CardTexts before = clearedCard(kToday);
    before.incoming = false;
    before.saldato = true;
    decode(withFlags(k), 1, before);
    EXPECT_EQ(before.incoming, k.incomingFromOut);
    EXPECT_EQ(before.saldato, k.saldatoFromSettled);

    CardTexts other = clearedCard(kToday);
    decode(withFlags(k), 1, other);
    EXPECT_EQ(other.incoming, k.incomingFromIn);
    EXPECT_EQ(other.saldato, k.saldatoFromOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeFlags,
    ::testing::Values(FlagCase{"Sì", "No", "Sì", true, true, true, true},
                      FlagCase{"No", "Sì", "No", false, false, false, false},
                      // Lower case, no accent, empty: neither "Sì" nor "No".
                      FlagCase{"sì", "si", "Si", false, true, true, false},
                      FlagCase{"", "", "", false, true, true, false},
                      FlagCase{"SI", "NO", "no", false, true, true, false},
                      // Only one of the pair readable.
                      FlagCase{"x", "No", "No", true, true, false, false},
                      FlagCase{"x", "Sì", "Sì", false, false, true, true},
                      FlagCase{"Sì", "x", "x", true, true, true, false},
                      FlagCase{"No", "x", "x", false, false, true, false},
                      // Both set: the later flag wins, as a radio pair would.
                      FlagCase{"Sì", "Sì", "Sì", false, false, true, true},
                      FlagCase{"No", "No", "No", false, false, false, false}));

struct CheckCase {
    const char* name;
    std::function<void(CardTexts&)> change;
    Check::Field field;
    Check::Kind kind;
    QString message;
};

class SaveChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SaveChecks, FirstFailingCheckSaysWhatAndWhere) {
    const CheckCase& k = GetParam();
    CardTexts c = validCard();
    k.change(c);
    const auto failed = firstFailingCheck(c);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->field, k.field);
    EXPECT_EQ(failed->kind, k.kind);
    EXPECT_EQ(failed->message, k.message);
}

const QString kNeeds = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");
QString invalid(const char* date) {
    return QStringLiteral("Attenzione: la data ") + QString::fromUtf8(date) +
           QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda \u00E8 necessario indicare una data "
                          "valida nel formato gg/mm/aaaa.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveChecks,
    ::testing::Values(
        CheckCase{"cleared", [](CardTexts& c) { c = clearedCard(kToday); }, Check::Field::Causale,
                  Check::Kind::Warning, kNeeds + QStringLiteral("la causale del pagamento.")},
        CheckCase{"blankCausale", [](CardTexts& c) { c.causale = QStringLiteral("  \t"); }, Check::Field::Causale,
                  Check::Kind::Warning, kNeeds + QStringLiteral("la causale del pagamento.")},
        CheckCase{"onlyCausale",
                  [](CardTexts& c) {
                      const QString causale = c.causale;
                      c = clearedCard(kToday);
                      c.causale = causale;
                  },
                  Check::Field::DataSca, Check::Kind::Warning,
                  kNeeds + QStringLiteral("la data di scadenza del pagamento.")},
        CheckCase{"causaleAndDue",
                  [](CardTexts& c) {
                      const CardTexts keep = c;
                      c = clearedCard(kToday);
                      c.causale = keep.causale;
                      c.dataSca = keep.dataSca;
                  },
                  Check::Field::Pagatore, Check::Kind::Warning, kNeeds + QStringLiteral("il nome del pagatore.")},
        CheckCase{"noDate", [](CardTexts& c) { c.data.clear(); }, Check::Field::Data, Check::Kind::Warning,
                  kNeeds + QStringLiteral("la data di registrazione dell'operazione.")},
        CheckCase{"badDate", [](CardTexts& c) { c.data = QStringLiteral(" 31/02/2014 "); }, Check::Field::Data,
                  Check::Kind::Notice, invalid("31/02/2014")},
        CheckCase{"notLeap", [](CardTexts& c) { c.data = QStringLiteral("29/02/2014"); }, Check::Field::Data,
                  Check::Kind::Notice, invalid("29/02/2014")},
        CheckCase{"badDateBeforeDue",
                  [](CardTexts& c) {
                      c.data = QStringLiteral("xx");
                      c.dataSca.clear();
                  },
                  Check::Field::Data, Check::Kind::Notice, invalid("xx")},
        CheckCase{"badDue", [](CardTexts& c) { c.dataSca = QStringLiteral("32/01/2026"); }, Check::Field::DataSca,
                  Check::Kind::Notice, invalid("32/01/2026")},
        CheckCase{"noNotice", [](CardTexts& c) { c.preavviso = QStringLiteral(" "); }, Check::Field::Preavviso,
                  Check::Kind::Warning,
                  kNeeds + QStringLiteral("il numero di giorni di preavviso della scadenza del pagamento.")},
        // A notice pasted with letters would end the due list: refused like an empty one.
        CheckCase{"lettersInNotice", [](CardTexts& c) { c.preavviso = QStringLiteral("5g"); },
                  Check::Field::Preavviso, Check::Kind::Warning,
                  kNeeds + QStringLiteral("il numero di giorni di preavviso della scadenza del pagamento.")},
        CheckCase{"signedNotice", [](CardTexts& c) { c.preavviso = QStringLiteral("-5"); },
                  Check::Field::Preavviso, Check::Kind::Warning,
                  kNeeds + QStringLiteral("il numero di giorni di preavviso della scadenza del pagamento.")},
        CheckCase{"noPayer", [](CardTexts& c) { c.pagatore.clear(); }, Check::Field::Pagatore,
                  Check::Kind::Warning, kNeeds + QStringLiteral("il nome del pagatore.")},
        CheckCase{"noBeneficiary", [](CardTexts& c) { c.beneficiario = QStringLiteral(" "); },
                  Check::Field::Beneficiario, Check::Kind::Warning,
                  kNeeds + QStringLiteral("il nome del beneficiario.")}),
    [](const ::testing::TestParamInfo<CheckCase>& p) { return std::string(p.param.name); });

TEST(SaveChecks, AcceptZeroAmountOtherYearDueBeforeDateAndEmptyOptionals) {
    CardTexts c = validCard();
    c.importo = QStringLiteral("0,00");
    c.data = QStringLiteral("29/02/2016");
    c.dataSca = QStringLiteral("01/01/2000");
    EXPECT_FALSE(firstFailingCheck(c).has_value());
}

struct MoveCase {
    Move move;
    const char* posizione;
    qint64 count;
    Step step;
};

class Navigation : public ::testing::TestWithParam<MoveCase> {};

TEST_P(Navigation, LeadsWhereTheButtonSays) {
    const MoveCase& k = GetParam();
    EXPECT_EQ(decideMove(k.move, QString::fromUtf8(k.posizione), k.count), k.step)
        << static_cast<int>(k.move) << " from '" << k.posizione << "' of " << k.count;
}

using K = Step::Kind;
INSTANTIATE_TEST_SUITE_P(
    Cases, Navigation,
    ::testing::Values(
        // Empty year: every button says so; only next empties the position.
        MoveCase{Move::First, "", 0, {K::EmptyArchive}}, MoveCase{Move::Last, "3", 0, {K::EmptyArchive}},
        MoveCase{Move::Next, "3", 0, {K::EmptyArchiveClear}}, MoveCase{Move::Next, "", 0, {K::EmptyArchiveClear}},
        MoveCase{Move::Previous, "", 0, {K::EmptyArchive}}, MoveCase{Move::Previous, "3", 0, {K::EmptyArchive}},
        // Previous from record 1 does nothing, even in an empty year.
        MoveCase{Move::Previous, "1", 0, {K::Nothing}}, MoveCase{Move::Previous, " 1 ", 5, {K::Nothing}},
        // A new card in a year of five: previous and next both show record 1.
        MoveCase{Move::Previous, "", 5, {K::Load, 1}}, MoveCase{Move::Next, "", 5, {K::Load, 1}},
        MoveCase{Move::First, "4", 5, {K::Load, 1}}, MoveCase{Move::Last, "", 5, {K::Load, 5}},
        MoveCase{Move::Next, "2", 5, {K::Load, 3}}, MoveCase{Move::Previous, "3", 5, {K::Load, 2}},
        // At the last record next does nothing.
        MoveCase{Move::Next, "5", 5, {K::Nothing}}, MoveCase{Move::Next, "9", 5, {K::Nothing}},
        MoveCase{Move::Previous, "9", 5, {K::Load, 5}}));

TEST(StoredPosition, EmptyOrUnreadableIsANewCard) {
    EXPECT_EQ(storedPosition(QString()), std::nullopt);
    EXPECT_EQ(storedPosition(QStringLiteral("  ")), std::nullopt);
    EXPECT_EQ(storedPosition(QStringLiteral("x")), std::nullopt);
    EXPECT_EQ(storedPosition(QStringLiteral("0")), std::nullopt);
    EXPECT_EQ(storedPosition(QStringLiteral(" 12 ")), 12);
}

TEST(Duplicate, KeepsContentsButNotDatesSettlementAttachmentsOrPosition) {
    CardTexts c = validCard();
    c.data = QStringLiteral("01/03/2026");
    c.importo = QStringLiteral("99,00");
    c.totale = QStringLiteral("-99,00");
    c.incoming = false;
    c.saldato = true;
    c.file01 = c.file02 = c.file03 = QStringLiteral("f");
    c.desc01 = c.desc02 = c.desc03 = QStringLiteral("d");
    c.posizione = QStringLiteral("4");
    CardTexts expected = c;
    expected.data = QStringLiteral("09/12/2026");
    expected.dataSca.clear();
    expected.saldato = false;
    expected.file01 = expected.file02 = expected.file03 = QString();
    expected.desc01 = expected.desc02 = expected.desc03 = QString();
    expected.posizione.clear();
    ASSERT_TRUE(duplicate(c, kToday));
    EXPECT_EQ(c, expected);

    CardTexts fresh = validCard();
    const CardTexts untouched = fresh;
    EXPECT_FALSE(duplicate(fresh, kToday));
    EXPECT_EQ(fresh, untouched);
}

TEST(FieldRules, FiscalCodeUpperCasedEmailTrimmedMailTarget) {
    EXPECT_EQ(fiscalCodeAfterKey(QStringLiteral(" rssmra80a01h501u ")), QStringLiteral("RSSMRA80A01H501U"));
    // Only a to z: other letters keep their form and the code its length.
    EXPECT_EQ(fiscalCodeAfterKey(QStringLiteral("stra\u00DFe \u00E8")), QStringLiteral("STRA\u00DFE \u00E8"));
    EXPECT_EQ(emailAfterKey(QStringLiteral(" a@b.it ")), QStringLiteral("a@b.it"));
    EXPECT_EQ(mailTarget(QStringLiteral(" a@b.it ")), QStringLiteral("\"mailto:a@b.it\""));
    EXPECT_EQ(mailTarget(QStringLiteral("   ")), std::nullopt);
    EXPECT_EQ(signedAmount(QStringLiteral(" 5,00"), false), QStringLiteral("-5,00"));
    EXPECT_EQ(amountCaption(true), QStringLiteral("Importo in entrata: \u20AC"));
    EXPECT_EQ(amountCaption(false), QStringLiteral("Importo in uscita: \u20AC"));
}

TEST(YearChoice, OnlyTheLengthCounts) {
    EXPECT_TRUE(acceptableYear(QStringLiteral("2026")));
    EXPECT_TRUE(acceptableYear(QStringLiteral("0000")));
    EXPECT_FALSE(acceptableYear(QStringLiteral("202")));
    EXPECT_FALSE(acceptableYear(QStringLiteral("20266")));
    EXPECT_FALSE(acceptableYear(QString()));
    EXPECT_EQ(editorCaption(QStringLiteral("0123")), QStringLiteral(" Vantresa 4.0 - Registro movimenti anno 0123"));
}

TEST(Messages, DuplicationHasTwoParagraphs) {
    EXPECT_EQ(duplicatedMessage(),
              QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl "
                             "termine premere Salva per inserire la scheda in archivio."));
}

TEST(Help, TitleAndThirteenParagraphsStartingWithTheRegister) {
    const auto [title, text] = movementsRegisterHelpPage();
    EXPECT_EQ(title, QStringLiteral("Applicazione Registro Movimenti."));
    const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(paragraphs.size(), 13);
    EXPECT_EQ(paragraphs.front(),
              QStringLiteral("L'applicazione Registro Movimenti \u00E8 l'ambiente in cui bisogna annotare tutte le "
                             "operazioni relative ai pagamenti in dare e in avere che confluiranno nel registro di "
                             "primanota della propria azienda."));
    for (const QString& p : paragraphs) {
        EXPECT_FALSE(p.trimmed().isEmpty());
        EXPECT_FALSE(p.contains(u'\r') || p.contains(u'\n'));
    }
    EXPECT_FALSE(text.endsWith(QStringLiteral("\r\n")));
    // The manual takes the register's page first, then the export's.
    const QList<HelpPage> pages = movementsHelpPages();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages.front().title, title);
    EXPECT_EQ(pages.back().title, expmov::definition().help.title);
}

}  // namespace
}  // namespace vt::card
