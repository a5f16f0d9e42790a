#include "clients/logic/printclient.h"

#include <gtest/gtest.h>

#include <QHash>

namespace vt::cliprint {
namespace {

QStringList valuesOf(const QHash<QString, QString>& card) {
    return values([&](const QString& control) { return card.value(control); });
}

TEST(PrintedCard, TwentyFourCaptionsInOrder) {
    const QStringList c = captions();
    ASSERT_EQ(c.size(), kRows);
    EXPECT_EQ(c.first(), "Cognome e nome:");
    EXPECT_EQ(c[2], "Comune di nascita:");
    EXPECT_EQ(c[7], "Modalit\u00E0 pagamento:");
    EXPECT_EQ(c[15], "Carta di credito:");
    EXPECT_EQ(c[20], "Prodotti e servizi:");
    EXPECT_EQ(c.last(), "Note:");
    EXPECT_EQ(captionMemo(1), "titCampo01");
    EXPECT_EQ(valueMemo(24), "txtCampo24");
}

TEST(PrintedCard, ValuesAreTrimmedAndComposed) {
    QHash<QString, QString> card{
        {"txtCliente", "  Rossi Mario "},
        {"txtComuneNasc", "Milano"},
        {"txtProvNasc", "MI"},
        {"txtComuneRes", " Roma "},
        {"txtProvRes", ""},
        {"txtCarta", "4111111111111111"},
        {"txtScadeCarta", "12/28"},
        {"txtEstremi", "Bonifico"},
        {"txtNote", "ultima"},
        {"txtCapRes", "20100"},
        {"txtCivile", "celibe"},
    };
    const QStringList v = valuesOf(card);
    ASSERT_EQ(v.size(), kRows);
    EXPECT_EQ(v[0], "Rossi Mario");
    EXPECT_EQ(v[2], "Milano MI");
    // An empty province leaves the town followed by one blank.
    EXPECT_EQ(v[6], "Roma ");
    EXPECT_EQ(v[7], "Bonifico");
    EXPECT_EQ(v[15], "N. 4111111111111111  -  Scadenza: 12/28");
    EXPECT_EQ(v[23], "ultima");
    // Postal code and marital status are not printed.
    EXPECT_FALSE(v.contains("20100"));
    EXPECT_FALSE(v.contains("celibe"));
}

TEST(PrintedCard, ABlankCardStillShowsTheFixedWords) {
    const QStringList v = valuesOf({});
    EXPECT_EQ(v[2], " ");
    EXPECT_EQ(v[15], "N.   -  Scadenza: ");
    EXPECT_EQ(v[0], "");
}

TEST(PrintedCard, PdfTexts) {
    EXPECT_EQ(pdfFileName(), "Cliente.pdf");
    EXPECT_EQ(reportName(), "Scheda informativa");
    EXPECT_EQ(title(), "SCHEDA ANAGRAFICA");
    EXPECT_EQ(pdfDoneQuestion(),
              "L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole "
              "aprire il file?");
}

}  // namespace
}  // namespace vt::cliprint
