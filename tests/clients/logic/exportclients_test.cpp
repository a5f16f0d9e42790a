#include "clients/logic/exportclients.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/recordfile.h"

namespace vt::expcli {
namespace {

TEST(RegistryExport, DefinitionNamesFileSheetAndTwentyFiveColumns) {
    const exporting::Definition& d = definition();
    EXPECT_EQ(d.caption, " Esporta archivio pagatori e beneficiari in Microsoft Excel");
    EXPECT_EQ(d.fileName, "Anagrafica.xls");
    EXPECT_EQ(d.sheetName, "Archivio Anagrafico");
    ASSERT_EQ(d.columns.size(), 25);
    QStringList inFile;
    QList<int> widths;
    for (const auto& c : d.columns) {
        inFile.append(c.headerInFile());
        widths.append(c.width);
    }
    EXPECT_EQ(inFile, (QStringList{"Cognome e nome",
                                   "Data di nascita",
                                   "Comune di nascita",
                                   "Recapito preferenziale",
                                   "Indirizzo di residenza",
                                   "Comune di residenza",
                                   "Modalit\u00E0 di pagamento",
                                   "Tel. casa",
                                   "Tel. ufficio",
                                   "Tel. cellulare",
                                   "Fax",
                                   "E-mail",
                                   "Codice fiscale",
                                   "Partita IVA",
                                   "Carta di credito n.",
                                   "Scadenza",
                                   "IBAN",
                                   "Estremi documento",
                                   "Occupazione",
                                   "Stato civile",
                                   "Titoli e qualifiche",
                                   "Prodotti e servizi di interesse",
                                   "Zona di appartenenza",
                                   "Questioni in sospeso",
                                   "Note"}));
    EXPECT_EQ(widths, (QList<int>{250, 200, 250, 250, 300, 250, 250, 250, 250, 250, 250, 250, 250,
                                  250, 300, 150, 300, 280, 250, 250, 280, 300, 250, 300, 300}));
    EXPECT_EQ(d.columns[2].header, "Comune / Stato estero di nascita");
    EXPECT_EQ(d.help.title, "Esportazione archivio pagatori e beneficiari in Microsoft Excel.");
}

TEST(RegistryExport, CellsJoinTownAndProvinceAndLeaveOutWhatIsNotExported) {
    ClientRecord r;
    const cli::Field all[] = {
        cli::Cliente,    cli::DataNasc, cli::ComuneNasc, cli::Recapito,    cli::IndirizzoRes,
        cli::ComuneRes,  cli::Estremi,  cli::TelCasa,    cli::TelUff,      cli::TelCel,
        cli::Fax,        cli::Email,    cli::CodFisc,    cli::PartitaIva,  cli::Carta,
        cli::ScadeCarta, cli::Iban,     cli::Documento,  cli::Occupazione, cli::Civile,
        cli::Titoli,     cli::Prodotti, cli::Zona,       cli::Questioni,   cli::Note};
    for (cli::Field f : all) r.setText(f, QStringLiteral(" v%1 ").arg(static_cast<int>(f)));
    r.setText(cli::ProvNasc, "MI");
    r.setText(cli::ProvRes, "");
    r.setText(cli::Sesso, "F");
    r.setText(cli::CapRes, "20100");
    r.setText(cli::Ricontatta, "S\u00EC");
    r.setText(cli::File01, "a.pdf");
    const QStringList c = cells(r.bytes());
    ASSERT_EQ(c.size(), 25);
    EXPECT_EQ(c[0], "v0");
    EXPECT_EQ(c[2], QStringLiteral("v%1 MI").arg(static_cast<int>(cli::ComuneNasc)));
    // An empty province leaves the town followed by one blank.
    EXPECT_EQ(c[5], QStringLiteral("v%1 ").arg(static_cast<int>(cli::ComuneRes)));
    EXPECT_EQ(c[24], QStringLiteral("v%1").arg(static_cast<int>(cli::Note)));
    for (const QString& cell : c) {
        EXPECT_NE(cell, "F");
        EXPECT_NE(cell, "20100");
        EXPECT_NE(cell, "a.pdf");
    }
}

TEST(RegistryExport, RowsInFileOrderAndNoneForAnEmptyArchive) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Clienti.pro");
    EXPECT_FALSE(rows(path).rowCount.has_value());
    for (const char* name : {"Zeta", "Alfa", "Beta"}) {
        ClientRecord r;
        r.setText(cli::Cliente, QString::fromLatin1(name));
        ASSERT_TRUE(ClientFile(path).append(r));
    }
    const exporting::Rows out = rows(path);
    ASSERT_EQ(out.rowCount, 3);
    ASSERT_EQ(out.rows.size(), 3);
    EXPECT_EQ(out.rows[0][0], "Zeta");
    EXPECT_EQ(out.rows[2][0], "Beta");
}

}  // namespace
}  // namespace vt::expcli
