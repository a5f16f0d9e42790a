#include "output/logic/skippedrecords.h"

#include <gtest/gtest.h>

namespace vt::list {
namespace {

const SkipReason kWhy{QStringLiteral("scadenza"), QStringLiteral("la sua data non va"),
                      QStringLiteral("la loro data non va")};

SkippedRecords records(int n) {
    SkippedRecords out;
    for (int i = 1; i <= n; ++i)
        out.append({i * 10, QStringLiteral("3%1/02/2026").arg(i % 10),
                    QStringLiteral("Causale %1").arg(i)});
    return out;
}

TEST(RecordMention, NamesPositionDateAndCausaleAsStored) {
    EXPECT_EQ(recordMention(7, QStringLiteral("data"), QStringLiteral(" 31/02 "),
                            QStringLiteral("Affitto \"box\"")),
              QStringLiteral(
                  "scheda n. 7 dell'archivio (data \" 31/02 \", causale \"Affitto \"box\"\")"));
    // Placeholders inside the stored texts are not expanded again.
    EXPECT_EQ(recordMention({3, QStringLiteral("%1"), QStringLiteral("%2")}, QStringLiteral("x")),
              QStringLiteral("scheda n. 3 dell'archivio (x \"%1\", causale \"%2\")"));
}

TEST(SkippedNotice, NamesEachRecordUpToTenAndCountsTheRest) {
    EXPECT_EQ(skippedNotice({}, kWhy), QString());

    EXPECT_EQ(skippedNotice(records(1), kWhy),
              QStringLiteral("Attenzione: la scheda n. 10 dell'archivio (scadenza \"31/02/2026\", "
                             "causale \"Causale 1\") non compare nel riepilogo, perch\u00E9 la sua "
                             "data non va.\n\r\n\rCorreggere la scheda nel Registro Movimenti e "
                             "riaprire il riepilogo."));

    EXPECT_EQ(skippedNotice(records(2), kWhy),
              QStringLiteral("Attenzione: 2 schede dell'archivio non compaiono nel riepilogo, "
                             "perch\u00E9 la loro data non va:\n\r\n\r"
                             "scheda n. 10 dell'archivio (scadenza \"31/02/2026\", causale "
                             "\"Causale 1\");\n\r"
                             "scheda n. 20 dell'archivio (scadenza \"32/02/2026\", causale "
                             "\"Causale 2\").\n\r\n\r"
                             "Correggere le schede nel Registro Movimenti e riaprire il "
                             "riepilogo."));

    const struct {
        int count;
        const char* tail;  // what follows the tenth record
    } cases[] = {
        {10, "\"Causale 10\")."},
        {11, "\"Causale 10\");\n\re un'altra scheda."},
        {250, "\"Causale 10\");\n\re altre 240 schede."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        const QString text = skippedNotice(records(c.count), kWhy);
        EXPECT_TRUE(text.startsWith(QStringLiteral("Attenzione: %1 schede").arg(c.count)));
        EXPECT_EQ(text.count(QStringLiteral("scheda n. ")), 10);
        EXPECT_FALSE(text.contains(QStringLiteral("Causale 11")));
        EXPECT_TRUE(
            text.contains(QString::fromUtf8(c.tail) + QStringLiteral("\n\r\n\rCorreggere")));
    }
}

}  // namespace
}  // namespace vt::list
