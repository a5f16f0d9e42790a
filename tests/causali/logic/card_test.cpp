#include "causali/logic/card.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "archive/recordfile.h"
#include "archive/texts.h"
#include "causali/logic/exportcausali.h"
#include "causali/logic/helppages.h"
#include "causali/logic/listcausali.h"
#include "causali/logic/printcard.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::causali {
namespace {

CardTexts validCard() {
    CardTexts c = clearedCard();
    c.causale = QStringLiteral("Affitto ufficio");
    c.pagatore = QStringLiteral("Rossi Mario");
    c.beneficiario = QStringLiteral("Immobiliare Bianchi");
    return c;
}

QByteArray counted(const QByteArray& record, int offset) {
    return record.mid(offset + 1, static_cast<unsigned char>(record[offset]));
}

CausaleRecord causale(const QString& text, const QString& payer, const QString& payee,
                      const QString& amount, bool incoming) {
    CardTexts c = clearedCard();
    c.causale = text;
    c.pagatore = payer;
    c.beneficiario = payee;
    c.importo = amount;
    c.incoming = incoming;
    return encode(c);
}

TEST(CausaleCard, NewCardHoldsZeroAmountIncomingAndNothingElse) {
    CardTexts c = clearedCard();
    EXPECT_EQ(c.importo, QStringLiteral("0,00"));
    EXPECT_TRUE(c.incoming);
    c.importo.clear();
    EXPECT_EQ(c, CardTexts{});
}

TEST(CausaleCard, EncodePutsEveryFieldAtItsOffsetWithFlagsAndSignedAmount) {
    CardTexts c = validCard();
    c.promemoria = QStringLiteral("Mensile");
    c.importo = QStringLiteral("12,50");
    c.recapitoPag = QStringLiteral("Via Roma 1");
    c.codFisc = QStringLiteral("RSSMRA80A01H501U");
    c.partitaIva = QStringLiteral("12345678901");
    c.categoria = QStringLiteral("Affitti");
    c.email = QStringLiteral("mario@example.it");
    c.pagamento = QStringLiteral("Bonifico");
    c.recapitoBen = QStringLiteral("Milano");
    c.note = QStringLiteral("  nota  ");
    c.tariffa = QStringLiteral("Tariffa A");
    const QByteArray in = encode(c).bytes();
    ASSERT_EQ(in.size(), 1628);
    EXPECT_EQ(in.mid(0, 3), QByteArray("\x02S\xEC", 3));
    EXPECT_EQ(in.mid(3, 3), QByteArray("\x02No", 3));
    const struct {
        int offset;
        const char* text;
    } fields[] = {{6, "Affitto ufficio"},    {257, "Mensile"},     {508, "12,50"},
                  {524, "+12,50"},           {540, "Rossi Mario"}, {591, "Via Roma 1"},
                  {642, "RSSMRA80A01H501U"}, {659, "12345678901"}, {671, "Affitti"},
                  {722, "mario@example.it"}, {773, "Bonifico"},    {1024, "Immobiliare Bianchi"},
                  {1075, "Milano"},          {1126, "nota"},       {1377, "Tariffa A"}};
    for (const auto& f : fields) EXPECT_EQ(counted(in, f.offset), QByteArray(f.text)) << f.offset;

    c.incoming = false;
    const QByteArray out = encode(c).bytes();
    EXPECT_EQ(out.mid(0, 3), QByteArray("\x02No", 3));
    EXPECT_EQ(out.mid(3, 3), QByteArray("\x02S\xEC", 3));
    EXPECT_EQ(counted(out, 524), QByteArray("-12,50"));
}

TEST(CausaleCard, LongTextsAndAmountsAreCutToTheirFields) {
    CardTexts c = validCard();
    c.causale = QString(300, u'c');
    c.pagatore = QString(60, u'p');
    // More than 12 integer digits: 15 characters stay in Importo, the
    // signed amount loses its last one.
    c.importo = normalizeAmount(QStringLiteral("12345678901234,5"));
    const CausaleRecord r = encode(c);
    EXPECT_EQ(r.text(cau::Causale).size(), 250);
    EXPECT_EQ(r.text(cau::Pagatore).size(), 50);
    EXPECT_EQ(r.text(cau::Importo).size(), 15);
    EXPECT_EQ(r.text(cau::Importo), c.importo.left(15));
    EXPECT_EQ(r.text(cau::ImportoSegnato), (QStringLiteral("+") + c.importo).left(15));
}

TEST(CausaleCard, AmountsAreNormalisedAsOnTheMovementCard) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"12,5", "12,50"}, {"7", "7,00"},       {",5", "0,50"},
                 {"1,999", "2,00"}, {"12,345", "12,35"}, {"2,675", "2,67"},
                 {"1,2,3", "0,00"}, {"", "0,00"},        {"abc", "0,00"}};
    for (const auto& k : cases) {
        CardTexts c = validCard();
        c.importo = normalizeAmount(QString::fromUtf8(k.typed));
        EXPECT_EQ(encode(c).text(cau::Importo), QString::fromUtf8(k.stored)) << k.typed;
    }
}

TEST(CausaleCard, DecodeFillsTheCardAndKeepsTheDirectionForUnreadableFlags) {
    CardTexts source = validCard();
    source.importo = QStringLiteral("5,00");
    source.incoming = false;
    const CausaleRecord record = encode(source);
    CardTexts shown = clearedCard();
    decode(record, 7, shown);
    source.posizione = QStringLiteral("7");
    EXPECT_EQ(shown, source);

    // Neither "Sì" nor "No" in either flag: the radio pair stays.
    QByteArray bytes = record.bytes();
    bytes.replace(0, 6, QByteArray("\x02xx\x02yy", 6));
    for (bool before : {true, false}) {
        CardTexts c = clearedCard();
        c.incoming = before;
        decode(CausaleRecord(bytes), 1, c);
        EXPECT_EQ(c.incoming, before);
    }
}

TEST(CausaleCard, SaveChecksCausaleThenPayerThenBeneficiary) {
    const QString needs =
        QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");
    CardTexts c = clearedCard();
    auto failed = firstFailingCheck(c);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->field, CheckField::Causale);
    EXPECT_EQ(failed->kind, Check::Kind::Warning);
    EXPECT_EQ(failed->message, needs + QStringLiteral("la causale del pagamento."));
    c.causale = QStringLiteral("  Affitto ");
    c.beneficiario = QStringLiteral("B");
    EXPECT_EQ(firstFailingCheck(c)->field, CheckField::Pagatore);
    EXPECT_EQ(firstFailingCheck(c)->message, needs + QStringLiteral("il nome del pagatore."));
    c.pagatore = QStringLiteral("P");
    c.beneficiario = QStringLiteral("   ");
    EXPECT_EQ(firstFailingCheck(c)->field, CheckField::Beneficiario);
    EXPECT_EQ(firstFailingCheck(c)->message, needs + QStringLiteral("il nome del beneficiario."));
    // An outgoing causale needs both parties too.
    c.incoming = false;
    c.beneficiario = QStringLiteral("B");
    EXPECT_FALSE(firstFailingCheck(c));
}

TEST(CausaleCard, DuplicateNeedsAStoredCardAndKeepsTheData) {
    CardTexts c = validCard();
    EXPECT_FALSE(duplicate(c));
    EXPECT_EQ(c, validCard());
    c.posizione = QStringLiteral("3");
    EXPECT_TRUE(duplicate(c));
    EXPECT_EQ(c, validCard());
}

TEST(ImportIntoMovement, CopiesTheCausaleAndKeepsTheMovementsOwnFields) {
    CardTexts source = validCard();
    source.promemoria = QStringLiteral("Mensile");
    source.importo = QStringLiteral("450,00");
    source.email = QStringLiteral("a@b.it");
    source.note = QStringLiteral("n");
    source.tariffa = QStringLiteral("t");
    source.incoming = false;
    card::CardTexts m = card::clearedCard(QDate(2026, 3, 5));
    m.dataSca = QStringLiteral("31/03/2026");
    m.preavviso = QStringLiteral("5");
    m.ricevuta = QStringLiteral("R1");
    m.saldato = true;
    m.file01 = QStringLiteral("a.pdf");
    m.posizione = QStringLiteral("4");
    m.causale = QStringLiteral("old");
    card::CardTexts expected = m;
    importInto(encode(source), m);
    expected.causale = source.causale;
    expected.promemoria = source.promemoria;
    expected.importo = QStringLiteral("450,00");
    expected.totale = QStringLiteral("-450,00");
    expected.pagatore = source.pagatore;
    expected.beneficiario = source.beneficiario;
    expected.email = source.email;
    expected.note = source.note;
    expected.tariffa = source.tariffa;
    expected.incoming = false;
    EXPECT_EQ(m, expected);
}

TEST(CausaliList, LineHasFixedPiecesAndTheSignedAmount) {
    const CausaleRecord r = causale(QString(60, u'c'), QString(40, u'p'), QStringLiteral("Bianchi"),
                                    QStringLiteral("12,50"), false);
    const QString line = causlist::causaleLine(r.bytes());
    EXPECT_EQ(line, QString(48, u'c') + QStringLiteral("  Da: ") + QString(34, u'p') +
                        QStringLiteral("  A: ") + QStringLiteral("Bianchi") + QString(27, u' ') +
                        QStringLiteral("  Importo: -12,50"));
}

class CausaliFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Causali.pro"));
    void store(const CausaleRecord& r) { ASSERT_TRUE(CausaliFile(path).append(r).ok()); }
};

TEST_F(CausaliFileTest, ListLeavesBlankCausaliOutAndEachEqualLineFindsItsOwnRecord) {
    store(causale(QStringLiteral("Luce"), QStringLiteral("P"), QStringLiteral("B"),
                  QStringLiteral("1,00"), true));
    store(causale(QStringLiteral("   "), QStringLiteral("P"), QStringLiteral("B"),
                  QStringLiteral("2,00"), true));
    CausaleRecord twin = causale(QStringLiteral("Affitto"), QStringLiteral("P"),
                                 QStringLiteral("B"), QStringLiteral("3,00"), true);
    store(twin);
    twin.setText(cau::Note, QStringLiteral("later"));
    store(twin);
    const list::ListLines lines = causlist::lines(path).lines;
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].text.startsWith(QStringLiteral("Luce")));
    EXPECT_EQ(lines[0].position, 1);
    ASSERT_EQ(lines[1].text, lines[2].text);
    // Two equal lines: each leads to its own record.
    const auto first = causlist::findLine(path, lines[1]);
    ASSERT_TRUE(first.record);
    EXPECT_EQ(first.position, 3);
    EXPECT_EQ(first.record->text(cau::Note), QString());
    const auto second = causlist::findLine(path, lines[2]);
    ASSERT_TRUE(second.record);
    EXPECT_EQ(second.position, 4);
    EXPECT_EQ(second.record->text(cau::Note), QStringLiteral("later"));
    // A line without a position (or whose record changed) is looked up by
    // its text, trimmed: the last equal line in file order wins.
    const auto byText =
        causlist::findLine(path, {QStringLiteral("  ") + lines[1].text + QStringLiteral("  "), 0});
    ASSERT_TRUE(byText.record);
    EXPECT_EQ(byText.position, 4);
    EXPECT_FALSE(causlist::findLine(path, {QStringLiteral("nessuna"), 0}).record);
}

TEST_F(CausaliFileTest, MissingFileIsCreatedEmptyAndAPartialTailIsNotCounted) {
    EXPECT_TRUE(causlist::lines(path).lines.isEmpty());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(expcau::rows(path).rowCount);
    store(causale(QStringLiteral("Luce"), QStringLiteral("P"), QStringLiteral("B"),
                  QStringLiteral("1,00"), true));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(700, '\xFF'));  // a partial record of garbage
    }
    EXPECT_EQ(causlist::lines(path).lines.size(), 1);
    EXPECT_EQ(expcau::rows(path).rowCount, 1);
    // A save appends over the partial tail.
    store(causale(QStringLiteral("Gas"), QStringLiteral("P"), QStringLiteral("B"),
                  QStringLiteral("1,00"), true));
    EXPECT_EQ(QFileInfo(path).size(), 2 * 1628);
}

TEST_F(CausaliFileTest, GarbageLengthBytesAreReadWithinTheirFields) {
    QByteArray garbage(1628, '\xFF');
    ASSERT_TRUE(CausaliFile(path).raw().append(garbage).ok());
    ASSERT_EQ(causlist::lines(path).lines.size(), 1);
    EXPECT_EQ(expcau::rows(path).rows.value(0).size(), 15);
    CardTexts c = clearedCard();
    decode(CausaleRecord(garbage), 1, c);
    EXPECT_EQ(c.causale.size(), 250);
    EXPECT_EQ(c.pagatore.size(), 50);
}

TEST_F(CausaliFileTest, ExportHasEveryRecordInFileOrderWithTheSignedAmount) {
    store(causale(QStringLiteral("Luce"), QStringLiteral("P"), QStringLiteral("B"),
                  QStringLiteral("1,00"), false));
    store(causale(QString(), QStringLiteral("P2"), QString(), QStringLiteral("2,00"), true));
    CausaleRecord odd;
    odd.setText(cau::Entrata, QStringLiteral("?"));
    store(odd);
    const exporting::Rows rows = expcau::rows(path);
    ASSERT_EQ(rows.rowCount, 3);
    ASSERT_EQ(rows.rows.size(), 3);
    EXPECT_EQ(rows.rows[0], (QStringList{"Uscita", "Luce", "", "-1,00", "P", "", "", "", "", "", "",
                                         "B", "", "", ""}));
    EXPECT_EQ(rows.rows[1][0], QStringLiteral("Entrata"));
    EXPECT_EQ(rows.rows[1][1], QString());
    EXPECT_EQ(rows.rows[1][4], QStringLiteral("P2"));
    EXPECT_EQ(rows.rows[2][0], QString());
}

TEST(CausaliExport, DefinitionNamesFileSheetAndFifteenColumns) {
    const auto& d = expcau::definition();
    EXPECT_EQ(d.caption, QStringLiteral(" Esporta archivio causali in Microsoft Excel"));
    EXPECT_EQ(d.fileName, QStringLiteral("Causali.xls"));
    EXPECT_EQ(d.sheetName, QStringLiteral("Riepilogo causali movimenti"));
    ASSERT_EQ(d.columns.size(), 15);
    EXPECT_EQ(d.columns[0].header, QStringLiteral("Tipo movimento"));
    EXPECT_EQ(d.columns[3].header, QStringLiteral("Importo in euro"));
    EXPECT_EQ(d.columns[10].header, QStringLiteral("Modalit\u00E0 pagamento"));
    EXPECT_EQ(d.columns[14].header, QStringLiteral("Tariffa applicata"));
    EXPECT_EQ(d.help.title, QStringLiteral("Esportazione archivio causali in Microsoft Excel."));
    EXPECT_EQ(d.help.text.split(kHelpBreak).size(), 3);
}

TEST(CausaliHelp, CardPageHasSixParagraphsAndTheManualGetsBothPages) {
    const HelpPage page = causaliHelpPage();
    EXPECT_EQ(page.title, QStringLiteral("Applicazione Archivio Causali."));
    const QStringList paragraphs = page.text.split(kHelpBreak);
    ASSERT_EQ(paragraphs.size(), 6);
    EXPECT_TRUE(paragraphs[0].startsWith(
        QStringLiteral("L'applicazione Archivio Causali \u00E8 studiata")));
    EXPECT_TRUE(
        paragraphs[0].endsWith(QStringLiteral("importando i dati dall'archivio delle causali.")));
    EXPECT_EQ(causaliHelpPages().size(), 2);
}

TEST(CausalePrint, SheetHasFifteenRowsAndItsFooterAt83) {
    const auto& s = cauprint::sheet();
    EXPECT_EQ(s.name, QStringLiteral("Scheda Causale"));
    EXPECT_EQ(s.title, QStringLiteral("SCHEDA INFORMATIVA CAUSALE MOVIMENTO"));
    EXPECT_EQ(s.footerTop, 83);
    ASSERT_EQ(s.rows.size(), 15);
    EXPECT_EQ(s.rows.front().memo, QStringLiteral("txtTipo"));
    EXPECT_EQ(s.rows[13].caption, QStringLiteral("Tariffa applicata:"));
    EXPECT_EQ(s.rows[14].memo, QStringLiteral("txtNote"));
}

}  // namespace
}  // namespace vt::causali
