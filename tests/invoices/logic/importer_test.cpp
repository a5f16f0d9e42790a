#include "invoices/logic/importer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "archive/recordfile.h"
#include "clients/logic/card.h"
#include "einvoices.h"
#include "invoices/logic/wording.h"
#include "movements/logic/attachments.h"
#include "movements/logic/card.h"
#include "support/fakes.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::invoices {
namespace {

namespace ei = test::einvoice;

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Every file under the program folder with its size: what a preview must
// leave exactly as it was.
QMap<QString, qint64> folderState(const QString& dir) {
    QMap<QString, qint64> state;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        state.insert(it.filePath(), it.fileInfo().isDir() ? -1 : it.fileInfo().size());
    }
    return state;
}

class Import : public ::testing::Test {
protected:
    test::FakeSystem system;
    QTemporaryDir downloads;

    void TearDown() override { setIoFaultHook(nullptr); }

    QString put(const QString& name, const QByteArray& bytes) {
        const QString path = downloads.filePath(name);
        EXPECT_TRUE(ei::writeFile(path, bytes));
        return path;
    }
    QString zip(const QString& name, const QList<QPair<QString, QByteArray>>& entries) {
        const QString path = downloads.filePath(name);
        EXPECT_TRUE(ei::writeZip(path, entries));
        return path;
    }
    static Request request(const QStringList& paths) {
        Request r;
        r.paths = paths;
        r.office = OfficeIdentity{ei::kOfficeVat, QString()};
        r.notice = QStringLiteral("7");
        return r;
    }
    static Preview preview(const QStringList& paths) {
        Preview p = buildPreview(request(paths));
        EXPECT_FALSE(p.problem.has_value());
        EXPECT_FALSE(p.cancelled);
        return p;
    }
    QList<card::CardTexts> movements(const QString& year) const {
        QList<card::CardTexts> cards;
        const QString path = yearFilePath(year);
        if (!QFileInfo::exists(path)) return cards;
        EXPECT_TRUE(MovementFile(path).scan([&](qint64 position, QByteArrayView bytes) {
            card::CardTexts c;
            card::decode(MovementRecord(bytes.toByteArray()), position, c);
            cards << c;
            return true;
        }));
        return cards;
    }
    QList<clients::CardTexts> registry() const {
        QList<clients::CardTexts> cards;
        if (!QFileInfo::exists(clientiFilePath())) return cards;
        EXPECT_TRUE(ClientFile(clientiFilePath()).scan([&](qint64 position, QByteArrayView bytes) {
            clients::CardTexts c;
            clients::decode(ClientRecord(bytes.toByteArray()), position, c);
            cards << c;
            return true;
        }));
        return cards;
    }
    static QList<RowState> states(const Preview& p) {
        QList<RowState> s;
        for (const PreviewRow& row : p.rows) s << row.state;
        return s;
    }
};

// ---- Invoices of the tests ------------------------------------------------------

ei::BodyData threeInstalments() {
    ei::BodyData b;
    b.numero = QStringLiteral("FT-88");
    b.data = QStringLiteral("2024-02-10");
    b.totale = QStringLiteral("300.00");
    ei::PaymentData r;
    r.importo = QStringLiteral("100.00");
    r.modalita = QStringLiteral("MP12");
    for (const char* due : {"2024-03-31", "2024-04-30", "2024-05-31"}) {
        r.scadenza = QString::fromLatin1(due);
        b.terms.append(ei::TermsData{QStringLiteral("TP01"), {r}});
    }
    return b;
}

ei::BodyData creditNote() {
    ei::BodyData b = ei::simpleBody(QStringLiteral("NC-3"), QStringLiteral("40.00"),
                                    QStringLiteral("2024-02-29"));
    b.tipo = QStringLiteral("TD04");
    b.data = QStringLiteral("2024-02-20");
    return b;
}

ei::BodyData withPdf() {
    ei::BodyData b = ei::simpleBody(QStringLiteral("2023/77"), QStringLiteral("610.00"),
                                    QStringLiteral("2024-01-31"));
    b.data = QStringLiteral("2023-12-29");
    b.causali = {QStringLiteral("Canone assistenza dicembre")};
    b.attachments = {{QStringLiteral("Fattura 2023-77.pdf"), QStringLiteral("PDF"),
                      QStringLiteral("Copia di cortesia"),
                      QByteArray("%PDF-1.4\nfattura di prova\n%%EOF\n")}};
    return b;
}

// ---- The preview -----------------------------------------------------------------

TEST_F(Import, PreviewWritesNothingInTheProgramFolder) {
    // One year file exists and must stay as it is; the others must not be
    // created, nor the registry, nor the attachment folder.
    ASSERT_TRUE(MovementFile(yearFilePath(QStringLiteral("2024")))
                    .append(card::encode(card::clearedCard(QDate(2024, 1, 2)))));
    const auto before = folderState(system.dir());
    const QString a = put(QStringLiteral("IT01_a.xml"), ei::xml(ei::received({withPdf()})));
    const QString b =
        zip(QStringLiteral("lotto.zip"),
            {{QStringLiteral("IT01_b.xml"), ei::xml(ei::issued({threeInstalments()}))},
             {QStringLiteral("IT01_c.xml"), ei::xml(ei::received({creditNote()}))}});
    const Preview p = preview({a, b});
    EXPECT_EQ(p.newPayments(), 5);
    EXPECT_EQ(folderState(system.dir()), before);
    EXPECT_FALSE(QFileInfo::exists(yearFilePath(QStringLiteral("2023"))));
    EXPECT_FALSE(QFileInfo::exists(clientiFilePath()));
    EXPECT_FALSE(QFileInfo::exists(attach::folder()));
}

TEST_F(Import, PreviewShowsOneRowPerPaymentWithItsMarks) {
    ei::BodyData noTerms = ei::simpleBody(QStringLiteral("9"), QStringLiteral("122.00"), QString());
    noTerms.terms.clear();
    ei::BodyData computed =
        ei::simpleBody(QStringLiteral("10"), QStringLiteral("50.00"), QString());
    computed.terms[0].payments[0].dataRiferimento = QStringLiteral("2024-03-31");
    computed.terms[0].payments[0].giorni = QStringLiteral("30");
    const QString path = put(QStringLiteral("IT01_lotto.xml"),
                             ei::xml(ei::received({noTerms, computed, creditNote()})));
    const Preview p = preview({path});
    ASSERT_EQ(p.rows.size(), 3);

    const PreviewRow& r0 = p.rows[0];
    EXPECT_EQ(r0.file, QStringLiteral("IT01_lotto.xml"));
    EXPECT_EQ(r0.path, path);
    EXPECT_EQ(r0.typeCode, QStringLiteral("TD01"));
    EXPECT_EQ(r0.documentType, QStringLiteral("Fattura"));
    EXPECT_EQ(r0.number, QStringLiteral("9"));
    EXPECT_EQ(r0.date, QStringLiteral("15/03/2024"));
    EXPECT_EQ(r0.counterpart, QStringLiteral("Forniture Bianchi S.p.A."));
    EXPECT_EQ(r0.direction, wording::kOutgoing);
    EXPECT_EQ(r0.amount, QStringLiteral("122,00"));
    EXPECT_EQ(r0.amountNote, wording::kAmountFromTotal);
    EXPECT_EQ(r0.dueDate, QStringLiteral("15/03/2024"));
    EXPECT_EQ(r0.dueNote, wording::kDueMissing);
    EXPECT_EQ(r0.method, QString());
    EXPECT_EQ(r0.year, QStringLiteral("2024"));
    EXPECT_EQ(r0.registry, wording::kRegistryNew);
    EXPECT_EQ(r0.state, RowState::New);
    EXPECT_EQ(r0.stateText(), wording::kStateNew);

    EXPECT_EQ(p.rows[1].dueDate, QStringLiteral("30/04/2024"));
    EXPECT_EQ(p.rows[1].dueNote, wording::kDueComputed);
    EXPECT_EQ(p.rows[1].amountNote, QString());
    EXPECT_EQ(p.rows[1].method, QStringLiteral("Bonifico"));

    EXPECT_EQ(p.rows[2].documentType, QStringLiteral("Nota di credito"));
    EXPECT_EQ(p.rows[2].direction, wording::kIncoming);
    EXPECT_EQ(p.rows[2].dueNote, QString());
    // One new card for the supplier of all three.
    EXPECT_EQ(p.newCards(), 1);
    EXPECT_EQ(p.failedFiles(), 0);
}

TEST_F(Import, FieldsOfTheWindowAreCheckedBeforeAnyFileIsRead) {
    struct Case {
        void (*spoil)(Request&);
        RequestProblem::Field field;
        QString message;
    };
    const QList<Case> cases{
        {[](Request& r) { r.office = {}; }, RequestProblem::Field::VatNumber,
         wording::officeMissing()},
        {[](Request& r) {
             r.office = {QStringLiteral("01234567890"), QString()};
         },
         RequestProblem::Field::VatNumber, wording::vatNumberWrong()},
        {[](Request& r) {
             r.office = {QString(), QStringLiteral("ABC")};
         },
         RequestProblem::Field::FiscalCode, wording::fiscalCodeLength()},
        {[](Request& r) { r.notice = QString(); }, RequestProblem::Field::Notice,
         wording::noticeMissing()},
        {[](Request& r) { r.notice = QStringLiteral("1000"); }, RequestProblem::Field::Notice,
         wording::noticeMissing()},
        {[](Request& r) { r.notice = QStringLiteral("-1"); }, RequestProblem::Field::Notice,
         wording::noticeMissing()},
        {[](Request& r) { r.paths.clear(); }, RequestProblem::Field::Files, wording::noFiles()},
    };
    for (const Case& c : cases) {
        Request r = request({put(QStringLiteral("a.xml"), ei::xml(ei::received({creditNote()})))});
        c.spoil(r);
        const Preview p = buildPreview(r);
        ASSERT_TRUE(p.problem.has_value());
        EXPECT_EQ(p.problem->field, c.field);
        EXPECT_EQ(p.problem->message, c.message);
        EXPECT_TRUE(p.rows.isEmpty());
    }
    Request ok = request({put(QStringLiteral("a.xml"), ei::xml(ei::received({creditNote()})))});
    ok.notice = QStringLiteral(" 30 ");
    EXPECT_FALSE(checkRequest(ok).has_value());
}

// ---- The import ---------------------------------------------------------------------

TEST_F(Import, WritesEachPaymentAsTheCardEditorWouldSaveIt) {
    const QByteArray received = ei::xml(ei::received({withPdf()}), "windows-1252");
    const QByteArray issuedXml = ei::xml(ei::issued({threeInstalments()}));
    const QByteArray signedDer = ei::signDer(issuedXml);
    const QByteArray creditB64 =
        ei::asBase64(ei::signDer(ei::xml(ei::received({creditNote()}))), 64);
    const QString a = put(QStringLiteral("IT12345678903_00001.xml"), received);
    const QString b =
        zip(QStringLiteral("scaricate.zip"),
            {{QStringLiteral("IT01234567897_00007.xml.p7m"), signedDer},
             {QStringLiteral("IT01234567897_00007_MT_001.xml"), QByteArray("<FileMetadati/>")},
             {QStringLiteral("IT01234567897_00007_RC_001.xml"), QByteArray("<RicevutaConsegna/>")},
             {QStringLiteral("IT12345678903_00002.xml.p7m"), creditB64}});
    Preview p = preview({a, b});
    EXPECT_EQ(p.newPayments(), 5);
    EXPECT_EQ(p.count(RowState::Skipped), 2);

    const ImportReport report = importPreview(p);
    EXPECT_EQ(report.stop, ImportReport::Stop::None);
    EXPECT_EQ(report.writtenByYear, (QList<QPair<QString, int>>{{QStringLiteral("2023"), 1},
                                                                {QStringLiteral("2024"), 4}}));
    EXPECT_EQ(report.cardsCreated, 2);
    EXPECT_EQ(report.importedRows.size(), 5);
    EXPECT_EQ(p.count(RowState::Imported), 5);

    // The received invoice of 2023, with its own file and its PDF attached.
    const auto y2023 = movements(QStringLiteral("2023"));
    ASSERT_EQ(y2023.size(), 1);
    card::CardTexts expected = card::clearedCard(QDate(2023, 12, 29));
    expected.incoming = false;
    expected.causale = QStringLiteral("Fattura n. 2023/77 del 29/12/2023");
    expected.promemoria = QStringLiteral("Canone assistenza dicembre");
    expected.dataSca = QStringLiteral("31/01/2024");
    expected.preavviso = QStringLiteral("7");
    expected.importo = QStringLiteral("610,00");
    expected.totale = QStringLiteral("-610,00");
    expected.pagatore = QStringLiteral("Studio Verdi S.r.l.");
    expected.beneficiario = QStringLiteral("Forniture Bianchi S.p.A.");
    expected.recapitoBen = QStringLiteral("Corso Italia 12, 00184 Roma (RM)");
    expected.pagamento =
        QStringLiteral("Bonifico - IBAN IT60X0542811101000000123456 - Banca Esempio");
    expected.note = QStringLiteral("Partita IVA IT12345678903 - File IT12345678903_00001.xml");
    expected.file01 = QStringLiteral("IT12345678903_00001.xml");
    expected.desc01 = QStringLiteral("Fattura elettronica");
    expected.file02 = QStringLiteral("Fattura 2023-77.pdf");
    expected.desc02 = QStringLiteral("Copia di cortesia");
    expected.posizione = QStringLiteral("1");
    EXPECT_EQ(y2023[0], expected);
    EXPECT_FALSE(card::firstFailingCheck(y2023[0]).has_value());
    EXPECT_EQ(contentOf(attach::pathInFolder(expected.file01)), received);
    EXPECT_EQ(contentOf(attach::pathInFolder(expected.file02)),
              QByteArray("%PDF-1.4\nfattura di prova\n%%EOF\n"));

    // The issued invoice in three instalments, then the credit note.
    const auto y2024 = movements(QStringLiteral("2024"));
    ASSERT_EQ(y2024.size(), 4);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(y2024[k].incoming);
        EXPECT_EQ(y2024[k].causale,
                  QStringLiteral("Fattura n. FT-88 del 10/02/2024, rata %1 di 3").arg(k + 1));
        EXPECT_EQ(y2024[k].pagatore, QStringLiteral("Rossi Costruzioni S.n.c."));
        EXPECT_EQ(y2024[k].partitaIva, ei::kCustomerVat);
        EXPECT_EQ(y2024[k].pagamento, QStringLiteral("RIBA"));
        EXPECT_EQ(y2024[k].totale, QStringLiteral("+100,00"));
        EXPECT_EQ(y2024[k].file01, QStringLiteral("IT01234567897_00007.xml.p7m"));
        EXPECT_EQ(y2024[k].file02, QString());
        EXPECT_FALSE(y2024[k].saldato);
    }
    EXPECT_EQ(y2024[0].dataSca, QStringLiteral("31/03/2024"));
    EXPECT_EQ(y2024[2].dataSca, QStringLiteral("31/05/2024"));
    // The signed file is kept as it came, one copy for the three instalments.
    EXPECT_EQ(contentOf(attach::pathInFolder(y2024[0].file01)), signedDer);
    EXPECT_TRUE(y2024[3].incoming);
    EXPECT_EQ(y2024[3].causale, QStringLiteral("Nota di credito n. NC-3 del 20/02/2024"));
    EXPECT_EQ(y2024[3].pagatore, QStringLiteral("Forniture Bianchi S.p.A."));
    EXPECT_EQ(contentOf(attach::pathInFolder(y2024[3].file01)), creditB64);

    // The two counterparts got a card each, the supplier only once.
    const auto cards = registry();
    ASSERT_EQ(cards.size(), 2);
    EXPECT_EQ(cards[0].cliente, QStringLiteral("Forniture Bianchi S.p.A."));
    EXPECT_EQ(cards[0].partitaIva, ei::kSupplierVat);
    EXPECT_EQ(cards[0].iban, QStringLiteral("IT60X0542811101000000123456"));
    EXPECT_EQ(cards[1].cliente, QStringLiteral("Rossi Costruzioni S.n.c."));
    EXPECT_EQ(cards[1].comuneRes, QStringLiteral("Firenze"));
    EXPECT_EQ(cards[1].iban, QString());

    const Summary s = summary(report);
    EXPECT_FALSE(s.error);
    EXPECT_EQ(
        s.text,
        QStringLiteral(
            "L'importazione delle fatture elettroniche \u00E8 terminata.\n\r\n\r"
            "Sono stati registrati 5 pagamenti: 1 nell'archivio dell'anno 2023 e 4 nell'archivio "
            "dell'anno 2024. Sono state create 2 nuove schede nell'archivio anagrafico. Nessun "
            "pagamento era gi\u00E0 presente in archivio. Tutti i file scelti sono stati letti."));
}

TEST_F(Import, TheSameZipTwiceAddsNothing) {
    const QString path =
        zip(QStringLiteral("fatture.zip"),
            {{QStringLiteral("IT01_1.xml"), ei::xml(ei::issued({threeInstalments()}))},
             {QStringLiteral("IT01_2.xml"), ei::xml(ei::received({withPdf()}))}});
    Preview first = preview({path});
    ASSERT_EQ(importPreview(first).written(), 4);
    const auto after = folderState(system.dir());

    Preview again = preview({path});
    EXPECT_EQ(states(again), QList<RowState>(4, RowState::Present));
    EXPECT_EQ(again.rows[0].stateText(), wording::kStatePresent);
    const ImportReport report = importPreview(again);
    EXPECT_EQ(report.written(), 0);
    EXPECT_EQ(report.cardsCreated, 0);
    EXPECT_EQ(report.present, 4);
    EXPECT_EQ(folderState(system.dir()), after);
    EXPECT_EQ(
        summary(report).text,
        QStringLiteral(
            "L'importazione delle fatture elettroniche \u00E8 terminata.\n\r\n\r"
            "Non \u00E8 stato registrato nessun pagamento. Non \u00E8 stata creata nessuna nuova "
            "scheda nell'archivio anagrafico. 4 pagamenti erano gi\u00E0 presenti in archivio e "
            "non sono stati registrati di nuovo. Tutti i file scelti sono stati letti."));

    // Pressing the import a second time on the same preview writes nothing.
    EXPECT_EQ(importPreview(first).written(), 0);
    EXPECT_EQ(folderState(system.dir()), after);
}

TEST_F(Import, APaymentRepeatedInTheChosenFilesIsWrittenOnce) {
    const QByteArray xml = ei::xml(ei::received({creditNote()}));
    const QString plain = put(QStringLiteral("IT01_9.xml"), xml);
    const QString signedCopy = put(QStringLiteral("IT01_9.xml.p7m"), ei::signDer(xml));
    Preview p = preview({plain, signedCopy});
    EXPECT_EQ(states(p), (QList<RowState>{RowState::New, RowState::Repeated}));
    const ImportReport report = importPreview(p);
    EXPECT_EQ(report.written(), 1);
    EXPECT_EQ(report.repeated, 1);
    EXPECT_EQ(movements(QStringLiteral("2024")).size(), 1);
    EXPECT_TRUE(summary(report).text.contains(wording::summaryRepeated(1)));
}

TEST_F(Import, AnExistingRegistryCardIsReusedAndNeverChanged) {
    clients::CardTexts mine = clients::clearedCard();
    mine.cliente = QStringLiteral("Bianchi (fornitore storico)");
    mine.partitaIva = ei::kSupplierVat;
    mine.note = QStringLiteral("Scheda scritta a mano");
    ASSERT_TRUE(ClientFile(clientiFilePath()).append(clients::encode(mine)));
    const QByteArray before = contentOf(clientiFilePath());

    Preview p =
        preview({put(QStringLiteral("a.xml"), ei::xml(ei::received({creditNote(), withPdf()})))});
    ASSERT_EQ(p.rows.size(), 2);
    EXPECT_EQ(p.rows[0].registry, wording::kRegistryExisting);
    EXPECT_EQ(p.newCards(), 0);
    const ImportReport report = importPreview(p);
    EXPECT_EQ(report.written(), 2);
    EXPECT_EQ(report.cardsCreated, 0);
    EXPECT_EQ(contentOf(clientiFilePath()), before);
}

TEST_F(Import, ACardFoundByFiscalCodeIsReusedToo) {
    clients::CardTexts mine = clients::clearedCard();
    mine.cliente = QStringLiteral("Rossi");
    mine.codFisc = ei::kCustomerVat;  // typed as the fiscal code only
    ASSERT_TRUE(ClientFile(clientiFilePath()).append(clients::encode(mine)));
    Preview p = preview({put(QStringLiteral("a.xml"), ei::xml(ei::issued({threeInstalments()})))});
    EXPECT_EQ(importPreview(p).cardsCreated, 0);
    EXPECT_EQ(registry().size(), 1);
}

TEST_F(Import, CopiesOfTheSameNameAreKeptApart) {
    // A different file of the same name is already in the folder.
    ASSERT_TRUE(QDir().mkpath(attach::folder()));
    ASSERT_TRUE(ei::writeFile(attach::folder() + QStringLiteral("fattura.xml"), "un altro file"));
    Preview p =
        preview({put(QStringLiteral("fattura.xml"), ei::xml(ei::received({creditNote()})))});
    ASSERT_EQ(importPreview(p).written(), 1);
    const auto cards = movements(QStringLiteral("2024"));
    ASSERT_EQ(cards.size(), 1);
    EXPECT_EQ(cards[0].file01, QStringLiteral("fattura (2).xml"));
    EXPECT_EQ(contentOf(attach::folder() + QStringLiteral("fattura.xml")),
              QByteArray("un altro file"));
}

// Every bad file is a row naming it with its reason; the good files around
// it are all imported.
TEST_F(Import, BadFilesAreRowsWithTheirReasonAndEveryOtherFileImports) {
    const QByteArray good1 = ei::xml(ei::received({creditNote()}));
    const QByteArray good2 = ei::xml(ei::issued({threeInstalments()}));
    QByteArray big = ei::xml(ei::received({withPdf()}));
    big.insert(big.indexOf("</Descrizione>"), QByteArray(50 * 1024 * 1024, 'x'));
    const QString bomb = zip(QStringLiteral("bomba.zip"),
                             {{QStringLiteral("a.xml"), good1}, {QStringLiteral("b.xml"), good2}});
    ASSERT_TRUE(ei::declareSize(bomb, 400u * 1024 * 1024));
    const QString corrupt =
        put(QStringLiteral("rotto.zip"), QByteArray("PK\x03\x04 non un archivio"));
    auto spoiled = [](void (*spoil)(ei::BodyData&)) {
        ei::BodyData b = ei::simpleBody(QStringLiteral("5"), QStringLiteral("10.00"),
                                        QStringLiteral("2024-04-30"));
        spoil(b);
        return ei::xml(ei::received({b}));
    };

    struct Bad {
        QString name;
        QByteArray bytes;  // empty: the path is made apart
        QString reason;
    };
    const QList<Bad> bad{
        {QStringLiteral("testo.xml"), QByteArray("non sono una fattura"), wording::notXml()},
        {QStringLiteral("troncata.xml"), good1.left(good1.size() * 2 / 3), wording::truncated()},
        {QStringLiteral("ricevuta.xml"),
         QByteArray("<?xml version=\"1.0\"?><ns:RicevutaConsegna xmlns:ns=\"x\"/>"),
         wording::otherKind(QStringLiteral("RicevutaConsegna"))},
        {QStringLiteral("senza-numero.xml"), spoiled([](ei::BodyData& b) { b.numero.clear(); }),
         wording::missingNumber()},
        {QStringLiteral("senza-data.xml"), spoiled([](ei::BodyData& b) { b.data.clear(); }),
         wording::missingDate()},
        {QStringLiteral("senza-importo.xml"),
         spoiled([](ei::BodyData& b) { b.terms[0].payments[0].importo.clear(); }),
         wording::missingPaymentAmount(1, 1)},
        {QStringLiteral("importo-lettere.xml"),
         spoiled([](ei::BodyData& b) { b.terms[0].payments[0].importo = QStringLiteral("dieci"); }),
         wording::amountNotNumber(QStringLiteral("dieci"))},
        {QStringLiteral("data-impossibile.xml"),
         spoiled([](ei::BodyData& b) { b.data = QStringLiteral("2024-02-30"); }),
         wording::impossibleDate(QStringLiteral("della fattura"), QStringLiteral("2024-02-30"))},
        {QStringLiteral("falsa.xml.p7m"), QByteArray("MIIfalso"), wording::notSigned()},
        {QStringLiteral("enorme.xml"), big, wording::tooLarge(ReadLimits{}.maxDocumentBytes)},
    };
    QStringList paths{put(QStringLiteral("buona1.xml"), good1)};
    for (const Bad& b : bad) paths << put(b.name, b.bytes);
    paths << corrupt << bomb << QStringLiteral("/proc/self/mem")
          << put(QStringLiteral("buona2.xml"), good2);

    Preview p = preview(paths);
    const QList<QPair<QString, QString>> expectedFailures = [&] {
        QList<QPair<QString, QString>> f;
        for (const Bad& b : bad) f << qMakePair(b.name, b.reason);
        f << qMakePair(QStringLiteral("rotto.zip"), wording::zipDamaged())
          << qMakePair(QStringLiteral("bomba.zip"), wording::zipTooLarge(ReadLimits{}.maxZipBytes))
          << qMakePair(QStringLiteral("mem"), wording::unreadable());
        return f;
    }();
    QList<QPair<QString, QString>> failures;
    for (const PreviewRow& row : p.rows)
        if (row.state == RowState::NotImportable) failures << qMakePair(row.file, row.reason);
    EXPECT_EQ(failures, expectedFailures);
    EXPECT_EQ(p.failedFiles(), expectedFailures.size());
    EXPECT_EQ(p.newPayments(), 4);

    const ImportReport report = importPreview(p);
    EXPECT_EQ(report.written(), 4);
    EXPECT_EQ(report.failedFiles, expectedFailures.size());
    EXPECT_EQ(movements(QStringLiteral("2024")).size(), 4);
    EXPECT_TRUE(summary(report).text.endsWith(
        QStringLiteral("13 file non sono stati importati: i motivi sono indicati nell'elenco.")));
}

TEST_F(Import, AnInvoiceOfSomeoneElseIsNotImportedAndItsRowSaysWhy) {
    ei::InvoiceData foreign = ei::issued({creditNote()});
    foreign.seller = ei::supplier();
    Preview p = preview({put(QStringLiteral("altrui.xml"), ei::xml(foreign))});
    ASSERT_EQ(p.rows.size(), 1);
    EXPECT_EQ(p.rows[0].state, RowState::NotImportable);
    EXPECT_EQ(p.rows[0].reason, wording::officeNeitherParty());
    EXPECT_EQ(p.rows[0].number, QStringLiteral("NC-3"));
    EXPECT_EQ(p.rows[0].date, QStringLiteral("20/02/2024"));
    EXPECT_EQ(importPreview(p).written(), 0);
    EXPECT_FALSE(QFileInfo::exists(yearFilePath(QStringLiteral("2024"))));
}

// ---- Faults while importing ------------------------------------------------------------

// Three invoices in order: 2023, 2024 in two instalments, 2023 again.
TEST_F(Import, AYearFileThatCannotBeWrittenStopsTheImportWithAnExactAccount) {
    ei::BodyData early = withPdf();
    ei::BodyData twoRates = threeInstalments();
    twoRates.terms.removeLast();
    ei::BodyData late = ei::simpleBody(QStringLiteral("2023/80"), QStringLiteral("5.00"),
                                       QStringLiteral("2024-02-01"));
    late.data = QStringLiteral("2023-12-30");
    const QStringList paths{put(QStringLiteral("a.xml"), ei::xml(ei::received({early}))),
                            put(QStringLiteral("b.xml"), ei::xml(ei::issued({twoRates}))),
                            put(QStringLiteral("c.xml"), ei::xml(ei::received({late})))};
    Preview p = preview(paths);
    ASSERT_EQ(p.newPayments(), 4);

    const QString blocked = yearFilePath(QStringLiteral("2024"));
    setIoFaultHook(
        [&](IoStep step, const QString& path) { return step == IoStep::Write && path == blocked; });
    const ImportReport report = importPreview(p);
    setIoFaultHook(nullptr);

    EXPECT_EQ(report.stop, ImportReport::Stop::Archive);
    EXPECT_EQ(report.stopFile, QStringLiteral("2024.eur"));
    EXPECT_EQ(report.writtenByYear, (QList<QPair<QString, int>>{{QStringLiteral("2023"), 1}}));
    EXPECT_EQ(states(p),
              (QList<RowState>{RowState::Imported, RowState::New, RowState::New, RowState::New}));
    // Exactly what was reported is in the files, and no partial record.
    EXPECT_EQ(movements(QStringLiteral("2023")).size(), 1);
    EXPECT_EQ(QFileInfo(blocked).size() % mov::kLength, 0);
    EXPECT_EQ(movements(QStringLiteral("2024")).size(), 0);
    // The supplier's card went in with its invoice; the customer's card too,
    // since it is written before the payments that failed.
    EXPECT_EQ(report.cardsCreated, 2);
    EXPECT_EQ(registry().size(), 2);

    const Summary s = summary(report);
    EXPECT_TRUE(s.error);
    EXPECT_EQ(s.text,
              accessFailureMessage() + QStringLiteral("\n\r\n\r") +
                  QStringLiteral(
                      "L'importazione delle fatture elettroniche \u00E8 stata interrotta. "
                      "L'importazione si \u00E8 fermata all'archivio 2024.eur.\n\r\n\r"
                      "\u00C8 stato registrato 1 pagamento nell'archivio dell'anno 2023. Sono "
                      "state create 2 nuove schede nell'archivio anagrafico. Nessun pagamento era "
                      "gi\u00E0 presente in archivio. Tutti i file scelti sono stati letti."));

    // Once the file can be written, importing the same files again writes
    // exactly what is missing.
    Preview retry = preview(paths);
    EXPECT_EQ(states(retry),
              (QList<RowState>{RowState::Present, RowState::New, RowState::New, RowState::New}));
    const ImportReport rest = importPreview(retry);
    EXPECT_EQ(rest.written(), 3);
    EXPECT_EQ(rest.cardsCreated, 0);
    EXPECT_EQ(movements(QStringLiteral("2023")).size(), 2);
    EXPECT_EQ(movements(QStringLiteral("2024")).size(), 2);
}

TEST_F(Import, ARegistryThatCannotBeWrittenStopsBeforeThePaymentsOfThatInvoice) {
    Preview p = preview({put(QStringLiteral("a.xml"), ei::xml(ei::received({creditNote()})))});
    const QString blocked = clientiFilePath();
    setIoFaultHook(
        [&](IoStep step, const QString& path) { return step == IoStep::Write && path == blocked; });
    const ImportReport report = importPreview(p);
    setIoFaultHook(nullptr);
    EXPECT_EQ(report.stop, ImportReport::Stop::Archive);
    EXPECT_EQ(report.stopFile, QStringLiteral("Clienti.pro"));
    EXPECT_EQ(report.written(), 0);
    EXPECT_EQ(report.cardsCreated, 0);
    EXPECT_EQ(movements(QStringLiteral("2024")).size(), 0);
    EXPECT_EQ(registry().size(), 0);
    const Summary s = summary(report);
    EXPECT_TRUE(s.error);
    EXPECT_TRUE(s.text.startsWith(accessFailureMessage()));
    EXPECT_TRUE(s.text.contains(QStringLiteral("all'archivio Clienti.pro.")));
    EXPECT_TRUE(s.text.contains(QStringLiteral("Non \u00E8 stato registrato nessun pagamento.")));
}

TEST_F(Import, AnAttachmentFolderThatCannotBeWrittenStopsBeforeAnyRecord) {
    // A file where the folder should be: nothing can be copied into it.
    ASSERT_TRUE(ei::writeFile(system.file(QStringLiteral("Documenti_Allegati")), "x"));
    Preview p = preview({put(QStringLiteral("a.xml"), ei::xml(ei::received({creditNote()})))});
    const ImportReport report = importPreview(p);
    EXPECT_EQ(report.stop, ImportReport::Stop::Copy);
    EXPECT_EQ(report.written(), 0);
    EXPECT_FALSE(QFileInfo::exists(yearFilePath(QStringLiteral("2024"))));
    EXPECT_FALSE(QFileInfo::exists(clientiFilePath()));
    const Summary s = summary(report);
    EXPECT_TRUE(s.error);
    EXPECT_TRUE(s.text.startsWith(wording::copyFailed(QStringLiteral("a.xml"))));
}

TEST_F(Import, AYearFileThatCannotBeOpenedMakesItsRowsNotImportableWithoutCreatingIt) {
    const QString blocked = yearFilePath(QStringLiteral("2024"));
    ASSERT_TRUE(ei::writeFile(blocked, QByteArray()));
    setIoFaultHook(
        [&](IoStep step, const QString& path) { return step == IoStep::Open && path == blocked; });
    Preview p =
        preview({put(QStringLiteral("a.xml"), ei::xml(ei::received({creditNote(), withPdf()})))});
    setIoFaultHook(nullptr);
    ASSERT_EQ(p.rows.size(), 2);
    EXPECT_EQ(p.rows[0].state, RowState::NotImportable);
    EXPECT_EQ(p.rows[0].reason, wording::yearFileUnreadable(QStringLiteral("2024")));
    EXPECT_EQ(p.rows[1].state, RowState::New);
    EXPECT_FALSE(QFileInfo::exists(yearFilePath(QStringLiteral("2023"))));
}

// ---- Progress and cancelling -------------------------------------------------------------

TEST_F(Import, ProgressRunsToTheEndAndCancellingStopsBetweenInvoices) {
    QList<QPair<QString, QByteArray>> entries;
    for (int i = 0; i < 20; ++i) {
        ei::BodyData b = ei::simpleBody(QStringLiteral("P%1").arg(i), QStringLiteral("10.00"),
                                        QStringLiteral("2024-06-30"));
        entries.append({QStringLiteral("f%1.xml").arg(i), ei::xml(ei::issued({b}))});
    }
    entries.append({QStringLiteral("rate.xml"), ei::xml(ei::issued({threeInstalments()}))});
    const QString path = zip(QStringLiteral("molte.zip"), entries);

    QList<int> seen;
    Preview p = buildPreview(request({path}), [&](int t) {
        seen << t;
        return true;
    });
    ASSERT_EQ(p.newPayments(), 23);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 1000);

    // A cancelled preview shows nothing.
    const Preview stopped = buildPreview(request({path}), [](int t) { return t < 500; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.rows.isEmpty());

    // Cancelled while the copies are made: nothing is written, and no
    // half-made copy is left behind.
    const ImportReport none = importPreview(p, [](int t) { return t < 100; });
    EXPECT_EQ(none.stop, ImportReport::Stop::Cancelled);
    EXPECT_EQ(none.written(), 0);
    EXPECT_FALSE(QFileInfo::exists(yearFilePath(QStringLiteral("2024"))));
    EXPECT_TRUE(QFileInfo(attach::folder()).isDir());
    EXPECT_TRUE(QDir(attach::folder()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    // Cancelled while the records are written: whole invoices only.
    const ImportReport report = importPreview(p, [&](int t) { return t < 600; });
    EXPECT_EQ(report.stop, ImportReport::Stop::Cancelled);
    EXPECT_GT(report.written(), 0);
    EXPECT_LT(report.written(), 23);
    EXPECT_EQ(movements(QStringLiteral("2024")).size(), report.written());
    const bool instalmentsTogether = report.written() <= 20 || report.written() == 23;
    EXPECT_TRUE(instalmentsTogether) << report.written();
    EXPECT_FALSE(summary(report).error);
    EXPECT_TRUE(summary(report).text.startsWith(wording::summaryCancelled()));

    // The rest comes with the next import.
    seen.clear();
    const ImportReport rest = importPreview(p, [&](int t) {
        seen << t;
        return true;
    });
    EXPECT_EQ(rest.written() + report.written(), 23);
    EXPECT_EQ(seen.back(), 1000);
}

// ---- The summary's sentences ------------------------------------------------------------

TEST(Summary, SpeaksInSingularAndPlural) {
    ImportReport r;
    r.writtenByYear = {
        {QStringLiteral("2022"), 2}, {QStringLiteral("2023"), 1}, {QStringLiteral("2024"), 3}};
    r.cardsCreated = 1;
    r.present = 1;
    r.failedFiles = 1;
    EXPECT_EQ(
        summary(r).text,
        QStringLiteral(
            "L'importazione delle fatture elettroniche \u00E8 terminata.\n\r\n\r"
            "Sono stati registrati 6 pagamenti: 2 nell'archivio dell'anno 2022, 1 nell'archivio "
            "dell'anno 2023 e 3 nell'archivio dell'anno 2024. \u00C8 stata creata 1 nuova scheda "
            "nell'archivio anagrafico. 1 pagamento era gi\u00E0 presente in archivio e non \u00E8 "
            "stato registrato di nuovo. 1 file non \u00E8 stato importato: il motivo \u00E8 "
            "indicato "
            "nell'elenco."));
    r.writtenByYear = {{QStringLiteral("2024"), 3}};
    EXPECT_TRUE(summary(r).text.contains(
        QStringLiteral("Sono stati registrati 3 pagamenti nell'archivio dell'anno 2024.")));
}

}  // namespace
}  // namespace vt::invoices
