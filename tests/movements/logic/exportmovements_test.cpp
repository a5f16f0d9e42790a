#include <gtest/gtest.h>

#include <QFile>

#include "archive/recordfile.h"
#include "movements/logic/exportmovements.h"
#include "support/fakes.h"

namespace vt::expmov {
namespace {

MovementRecord movement(bool incoming, const QString& causale, const QString& amount, bool settled) {
    MovementRecord r;
    r.setFlag(mov::Entrata, incoming);
    r.setFlag(mov::Uscita, !incoming);
    r.setText(mov::Data, QStringLiteral("05/03/2026"));
    r.setText(mov::Causale, causale);
    r.setText(mov::Promemoria, QStringLiteral("promemoria"));
    r.setText(mov::DataSca, QStringLiteral("31/03/2026"));
    r.setText(mov::Preavviso, QStringLiteral("7"));
    r.setText(mov::Importo, amount);
    r.setText(mov::ImportoSegnato, (incoming ? u'+' : u'-') + amount);
    r.setText(mov::Pagatore, QStringLiteral("Mario Rossi"));
    r.setText(mov::RecapitoPag, QStringLiteral("Via Roma 1"));
    r.setText(mov::CodFisc, QStringLiteral("RSSMRA80A01H501U"));
    r.setText(mov::PartitaIva, QStringLiteral("01234567890"));
    r.setText(mov::Categoria, QStringLiteral("Fornitori"));
    r.setText(mov::Email, QStringLiteral("m@r.it"));
    r.setText(mov::Pagamento, QStringLiteral("Bonifico"));
    r.setText(mov::Beneficiario, QStringLiteral("Studio Bianchi"));
    r.setText(mov::RecapitoBen, QStringLiteral("Via Po 2"));
    r.setText(mov::Ricevuta, QStringLiteral("CRO 123"));
    r.setText(mov::Note, QStringLiteral("nota"));
    r.setText(mov::Tariffa, QStringLiteral("ordinaria"));
    r.setFlag(mov::Saldato, settled);
    r.setText(mov::File01, QStringLiteral("fattura.pdf"));
    r.setText(mov::Desc01, QStringLiteral("la fattura"));
    return r;
}

TEST(MovementsExport, TwentyColumnsWithTheirHeadersAndWidths) {
    const auto& d = definition();
    EXPECT_EQ(d.caption, QStringLiteral(" Esporta archivio movimenti in Microsoft Excel"));
    EXPECT_EQ(d.fileName, QStringLiteral("Movimenti.xls"));
    EXPECT_EQ(d.sheetName, QStringLiteral("Riepilogo annuale movimenti"));
    EXPECT_EQ(d.kind, exporting::Kind::Archive);
    QStringList headers;
    QList<int> widths;
    QStringList values;
    for (const auto& c : d.columns) {
        headers.append(c.headerInFile());
        widths.append(c.width);
        EXPECT_FALSE(c.editable);
        if (c.kind == sheet::CellKind::Value) values.append(c.header);
    }
    // Only dates, days and the amount are read as values; codes and free
    // texts stay text.
    EXPECT_EQ(values, (QStringList{"Data operazione", "Data scadenza", "Giorni preavviso", "Importo in euro"}));
    EXPECT_EQ(headers, (QStringList{"Tipo movimento", "Data operazione", "Causale", "Promemoria", "Data scadenza",
                                    "Giorni preavviso", "Importo in euro", "Pagatore", "Recapito", "Codice fiscale",
                                    "Partita IVA", "Categoria", "E-mail", QStringLiteral("Modalit\u00E0 pagamento"),
                                    "Beneficiario", "Recapito", "CRO o Ricevuta n.", "Note", "Tariffa applicata",
                                    "Saldato"}));
    EXPECT_EQ(widths, (QList<int>{150, 180, 300, 300, 180, 150, 150, 250, 250, 200, 180, 250, 250, 250, 250, 250,
                                  250, 300, 250, 120}));
}

TEST(MovementsExport, CellsOfASettledOutgoingPayment) {
    const auto r = movement(false, QStringLiteral("Affitto ufficio"), QStringLiteral("45,00"), true);
    EXPECT_EQ(cells(r.bytes()),
              (QStringList{"Uscita", "05/03/2026", "Affitto ufficio", "promemoria", "31/03/2026", "7", "-45,00",
                           "Mario Rossi", "Via Roma 1", "RSSMRA80A01H501U", "01234567890", "Fornitori", "m@r.it",
                           "Bonifico", "Studio Bianchi", "Via Po 2", "CRO 123", "nota", "ordinaria",
                           QStringLiteral("S\u00EC")}));
}

TEST(MovementsExport, TheTypeColumnFollowsTheIncomingFlagOnly) {
    auto r = movement(true, QStringLiteral("Incasso"), QStringLiteral("10,00"), false);
    EXPECT_EQ(cells(r.bytes()).front(), QStringLiteral("Entrata"));
    EXPECT_EQ(cells(r.bytes()).back(), QStringLiteral("No"));
    // A flag that is neither "Sì" nor "No" gives an empty type.
    r.setText(mov::Entrata, QStringLiteral("si"));
    EXPECT_EQ(cells(r.bytes()).front(), QString());
}

class MovementsExportFile : public ::testing::Test {
protected:
    test::FakeSystem system;
    QString year = system.file(QStringLiteral("2026.eur"));
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST_F(MovementsExportFile, OneRowPerRecordInFileOrder) {
    const MovementFile file(year);
    for (const char* c : {"terzo", "primo", "secondo"})
        ASSERT_TRUE(file.append(movement(true, QString::fromLatin1(c), QStringLiteral("1,00"), false)));
    const auto out = rows(year);
    ASSERT_TRUE(out.rowCount);
    EXPECT_EQ(*out.rowCount, 3);
    ASSERT_EQ(out.rows.size(), 3);
    EXPECT_EQ(out.rows[0][2], QStringLiteral("terzo"));
    EXPECT_EQ(out.rows[1][2], QStringLiteral("primo"));
    EXPECT_EQ(out.rows[2][2], QStringLiteral("secondo"));
}

TEST_F(MovementsExportFile, AMissingYearIsCreatedEmptyAndKeepsTheDesignedGrid) {
    const auto out = rows(year);
    EXPECT_FALSE(out.rowCount);
    EXPECT_TRUE(QFile::exists(year));
    EXPECT_EQ(QFileInfo(year).size(), 0);
}

TEST_F(MovementsExportFile, AReadThatFailsLeavesTheCountedRowsEmpty) {
    const MovementFile file(year);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(file.append(movement(true, QString::number(i), QStringLiteral("1,00"), false)));
    // Counted, then the reading fails: the grid gets its rows, left empty.
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Read; });
    const auto out = rows(year);
    ASSERT_TRUE(out.rowCount);
    EXPECT_EQ(*out.rowCount, 3);
    EXPECT_TRUE(out.rows.isEmpty());
}

TEST_F(MovementsExportFile, AFileThatCannotBeOpenedGivesNoRows) {
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
    const auto out = rows(year);
    EXPECT_FALSE(out.rowCount);
    EXPECT_TRUE(out.rows.isEmpty());
}

TEST(MovementsExportHelp, TitleAndThreeParagraphs) {
    const auto& help = definition().help;
    EXPECT_EQ(help.title, QStringLiteral("Esportazione archivio movimenti in Microsoft Excel."));
    const QStringList paragraphs = help.text.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_TRUE(paragraphs[0].startsWith(QStringLiteral("Il pulsante Esporta archivio consente di esportare tutti")));
    EXPECT_TRUE(paragraphs[0].endsWith(QStringLiteral("Libre Office o Microsoft Office).")));
}

}  // namespace
}  // namespace vt::expmov
