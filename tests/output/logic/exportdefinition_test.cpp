#include <gtest/gtest.h>

#include "output/logic/exportdefinition.h"

namespace vt::exporting {
namespace {

TEST(ExportTexts, QuestionsUseTextBreaksAndTheNoticeAMessageBreak) {
    EXPECT_EQ(startQuestion(),
              QStringLiteral("L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del "
                             "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"));
    EXPECT_EQ(finishQuestion(Kind::Archive),
              QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                             "Si vuole aprire il file di Excel?"));
    EXPECT_EQ(finishQuestion(Kind::Unpaid),
              QStringLiteral("Esportazione in Excel effettuata con successo.\r\n\r\nSi vuole aprire il file .XLS?"));
    EXPECT_EQ(failureNotice(), QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                              "Accertarsi che il file di Excel non sia gi\u00E0 aperto."));
    EXPECT_EQ(exportHint(Kind::Archive), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    EXPECT_EQ(exportHint(Kind::Unpaid), QStringLiteral("Esporta i dati in formato Microsoft Excel."));
}

TEST(ExportWorksheet, TakesTheFileHeadersAndTheGridRows) {
    Definition d;
    d.sheetName = QStringLiteral("Archivio Anagrafico");
    d.columns = {{QStringLiteral("Cognome e nome"), 250},
                 {QStringLiteral("Comune / Stato estero di nascita"), 250, false, QStringLiteral("Comune di nascita")},
                 {.header = QStringLiteral("Importo"), .width = 90, .kind = sheet::CellKind::Value}};
    const auto sheet = worksheet(d, {{"Rossi", "Roma RM"}});
    EXPECT_EQ(sheet.name, d.sheetName);
    ASSERT_EQ(sheet.columns.size(), 3);
    EXPECT_EQ(sheet.columns[0].header, QStringLiteral("Cognome e nome"));
    EXPECT_EQ(sheet.columns[1].header, QStringLiteral("Comune di nascita"));
    EXPECT_EQ(sheet.columns[1].width, 250);
    // Columns are text unless declared values.
    EXPECT_EQ(sheet.columns[1].kind, sheet::CellKind::Text);
    EXPECT_EQ(sheet.columns[2].kind, sheet::CellKind::Value);
    EXPECT_EQ(sheet.rows, (QList<QStringList>{{"Rossi", "Roma RM"}}));
}

}  // namespace
}  // namespace vt::exporting
