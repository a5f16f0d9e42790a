#include "unpaid/logic/unpaid.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "archive/recordfile.h"
#include "unpaid/logic/helppages.h"

namespace vt::unpaid {
namespace {

const QDate kToday(2026, 12, 9);

// A movement as the card editor saves it; `flow` is "in", "out" or, for a
// record written by something else, a pair of odd flags.
MovementRecord make(const QString& causale, const QString& dataSca,
                    std::optional<bool> saldato = false, bool incoming = true) {
    MovementRecord r;
    r.setFlag(mov::Entrata, incoming);
    r.setFlag(mov::Uscita, !incoming);
    r.setText(mov::Data, QStringLiteral("01/12/2026"));
    r.setText(mov::Causale, causale);
    r.setText(mov::DataSca, dataSca);
    r.setText(mov::Preavviso, QStringLiteral("30"));
    r.setText(mov::Importo, QStringLiteral("80,00"));
    r.setText(mov::ImportoSegnato,
              (incoming ? QStringLiteral("+") : QStringLiteral("-")) + QStringLiteral("80,00"));
    r.setText(mov::Pagatore, QStringLiteral("Rossi"));
    r.setText(mov::Beneficiario, QStringLiteral("Bianchi"));
    if (saldato)
        r.setFlag(mov::Saldato, *saldato);
    else
        r.setText(mov::Saldato, QStringLiteral("no"));
    return r;
}

struct Case {
    const char* what;
    QString dataSca;
    std::optional<bool> saldato;  // nullopt: a flag that is neither "Sì" nor "No"
    bool incoming;
    Verdict entrate, uscite, tutti;
};

TEST(Judge, DueDaySettlementAndKind) {
    using enum Verdict;
    const Case cases[] = {
        {"receipt due yesterday", "08/12/2026", false, true, List, Skip, List},
        {"payment due yesterday", "08/12/2026", false, false, Skip, List, List},
        {"receipt due today", "09/12/2026", false, true, List, Skip, List},
        {"payment due today", "09/12/2026", false, false, Skip, List, List},
        {"receipt due tomorrow", "10/12/2026", false, true, Skip, Skip, Skip},
        {"payment due tomorrow", "10/12/2026", false, false, Skip, Skip, Skip},
        {"settled receipt long overdue", "01/01/2020", true, true, Skip, Skip, Skip},
        {"settled payment due today", "09/12/2026", true, false, Skip, Skip, Skip},
        {"unknown settled flag counts as settled", "01/01/2026", std::nullopt, true, Skip, Skip,
         Skip},
        {"due in an earlier year", "31/12/2025", false, false, Skip, List, List},
        // An unreadable due date matters only to the lists the movement could
        // belong to: a settled movement, or one of the other kind, is skipped.
        {"receipt due date not a date", "31/02/2026", false, true, Unreadable, Skip, Unreadable},
        {"payment with empty due date", "", false, false, Skip, Unreadable, Unreadable},
        {"settled but unreadable", "ieri", true, true, Skip, Skip, Skip},
        {"unknown flag and unreadable", "ieri", std::nullopt, false, Skip, Skip, Skip},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MovementRecord r = make(QStringLiteral("x"), c.dataSca, c.saldato, c.incoming);
        EXPECT_EQ(judge(r.bytes(), kToday, Kind::Entrate), c.entrate);
        EXPECT_EQ(judge(r.bytes(), kToday, Kind::Uscite), c.uscite);
        EXPECT_EQ(judge(r.bytes(), kToday, Kind::Tutti), c.tutti);
    }
}

TEST(Judge, NoticeDaysPlayNoPartAndOddTypeFlagsMatchNoKind) {
    MovementRecord r = make(QStringLiteral("x"), QStringLiteral("20/12/2026"));
    r.setText(mov::Preavviso, QStringLiteral("999"));
    EXPECT_EQ(judge(r.bytes(), kToday, Kind::Tutti), Verdict::Skip);
    r.setText(mov::Preavviso, QStringLiteral("abc"));
    r.setText(mov::DataSca, QStringLiteral("01/12/2026"));
    EXPECT_EQ(judge(r.bytes(), kToday, Kind::Tutti), Verdict::List);

    // Flags written by hand in lower case, without the accent.
    r.setText(mov::Entrata, QStringLiteral("si"));
    r.setText(mov::Uscita, QStringLiteral("si"));
    EXPECT_EQ(judge(r.bytes(), kToday, Kind::Entrate), Verdict::Skip);
    EXPECT_EQ(judge(r.bytes(), kToday, Kind::Uscite), Verdict::Skip);
    EXPECT_EQ(judge(r.bytes(), kToday, Kind::Tutti), Verdict::List);
}

TEST(Definition, NamesColumnsAndEditableCellsOfEachList) {
    struct Names {
        Kind kind;
        QString caption, file, sheet;
    };
    const Names all[] = {
        {Kind::Entrate, " Pagamenti insoluti in entrata", "Pagamenti_in_Entrata_Insoluti.xls",
         "Pagamenti in entrata insoluti"},
        {Kind::Uscite, " Pagamenti insoluti in uscita", "Pagamenti_in_Uscita_Insoluti.xls",
         "Pagamenti in uscita insoluti"},
        {Kind::Tutti, " Pagamenti insoluti in entrata e in uscita", "Pagamenti_Insoluti.xls",
         "Pagamenti insoluti"},
    };
    const QStringList headers{"Tipo movimento",
                              "Data operazione",
                              "Causale",
                              "Promemoria",
                              "Data scadenza",
                              "Giorni preavviso",
                              "Importo in euro",
                              "Pagatore",
                              "Recapito",
                              "Codice fiscale",
                              "Partita IVA",
                              "Categoria",
                              "E-mail",
                              "Modalit\u00E0 pagamento",
                              "Beneficiario",
                              "Recapito",
                              "CRO o Ricevuta n.",
                              "Note",
                              "Tariffa applicata",
                              "Saldato"};
    const QList<int> widths{150, 180, 300, 300, 180, 150, 150, 250, 250, 200,
                            180, 250, 250, 250, 250, 250, 250, 300, 250, 120};
    for (const Names& n : all) {
        const exporting::Definition& d = definition(n.kind);
        SCOPED_TRACE(n.file.toStdString());
        EXPECT_EQ(d.caption, n.caption);
        EXPECT_EQ(d.fileName, n.file);
        EXPECT_EQ(d.sheetName, n.sheet);
        EXPECT_EQ(d.kind, exporting::Kind::Unpaid);
        EXPECT_EQ(d.help.title, QStringLiteral("Riepilogo pagamenti insoluti."));
        ASSERT_EQ(d.columns.size(), 20);
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(d.columns[i].headerInFile(), headers[i]) << i;
            EXPECT_EQ(d.columns[i].width, widths[i]) << i;
            EXPECT_EQ(d.columns[i].editable, headers[i] == "Note" || headers[i] == "Saldato") << i;
        }
    }
}

TEST(HelpPages, MenuAndListPagesOpenWithTheirExactFirstParagraphs) {
    const QStringList menu = unpaidMenuHelpPage().text.split(kHelpBreak);
    EXPECT_EQ(unpaidMenuHelpPage().title, QStringLiteral("Applicazione Pagamenti Insoluti."));
    ASSERT_EQ(menu.size(), 3);
    EXPECT_TRUE(menu[0].startsWith(
        QStringLiteral("L'applicazione Pagamenti Insoluti \u00E8 studiata per")));
    EXPECT_TRUE(menu[0].endsWith(QStringLiteral("con i propri creditori o con il fisco.")));
    const QStringList list = unpaidListHelpPage().text.split(kHelpBreak);
    ASSERT_EQ(list.size(), 3);
    EXPECT_TRUE(list[0].startsWith(QStringLiteral("E' possibile visualizzare tutti i movimenti")));
    EXPECT_EQ(unpaidHelpPages().size(), 2);
}

class YearFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("2026.eur"));
    void add(const MovementRecord& r) { ASSERT_TRUE(MovementFile(path).append(r)); }
    static QStringList causali(const List& l) {
        QStringList out;
        for (const auto& row : l.rows.rows) out.append(row.value(2));
        return out;
    }
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST_F(YearFile, ListsInFileOrderAndGoesOnPastAnUnreadableDueDate) {
    add(make("Uno", "01/12/2026"));
    add(make("Saldato", "01/12/2026", true));
    add(make("Rotto", "32/12/2026"));
    add(make("Uscita", "02/12/2026", false, false));
    add(make("Domani", "10/12/2026"));
    add(make("Due", "09/12/2026"));
    const List l = list(path, kToday, Kind::Entrate);
    EXPECT_EQ(causali(l), (QStringList{"Uno", "Due"}));
    EXPECT_EQ(l.rows.rowCount, 2);
    ASSERT_EQ(l.skipped.size(), 1);
    EXPECT_EQ(l.skipped[0].position, 3);
    EXPECT_EQ(l.skipped[0].date, QStringLiteral("32/12/2026"));
    EXPECT_EQ(l.skipped[0].causale, QStringLiteral("Rotto"));
    EXPECT_EQ(l.rows.notice, skippedNotice(l.skipped));
    EXPECT_FALSE(l.rows.failure);

    const List both = list(path, kToday, Kind::Tutti);
    EXPECT_EQ(causali(both), (QStringList{"Uno", "Uscita", "Due"}));
    // Every cell of the year's export, the signed amount included.
    EXPECT_EQ(both.rows.rows[1].value(0), QStringLiteral("Uscita"));
    EXPECT_EQ(both.rows.rows[1].value(6), QStringLiteral("-80,00"));
    EXPECT_EQ(both.rows.rows[1].value(19), QStringLiteral("No"));
    EXPECT_EQ(both.rows.rows[1].size(), 20);
}

TEST_F(YearFile, MissingOrEmptyYearKeepsTheDesignedGridAndIsCreated) {
    const List missing = list(path, kToday, Kind::Tutti);
    EXPECT_FALSE(missing.rows.rowCount.has_value());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size(), 0);
    EXPECT_FALSE(list(path, kToday, Kind::Tutti).rows.rowCount.has_value());
}

TEST_F(YearFile, MovementsButNoneUnpaidGiveAnEmptyGrid) {
    add(make("Saldato", "01/12/2026", true));
    add(make("Domani", "10/12/2026"));
    const List l = list(path, kToday, Kind::Tutti);
    ASSERT_TRUE(l.rows.rowCount.has_value());
    EXPECT_EQ(*l.rows.rowCount, 0);
}

TEST_F(YearFile, APartialLastRecordIsNotRead) {
    add(make("Uno", "01/12/2026"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(make("Mezzo", "01/12/2026").bytes().left(1000));
    f.close();
    const List l = list(path, kToday, Kind::Tutti);
    EXPECT_EQ(causali(l), QStringList{"Uno"});
    EXPECT_FALSE(l.rows.failure);
}

TEST_F(YearFile, AFolderInPlaceOfTheFileListsNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2026.eur")));
    const List l = list(path, kToday, Kind::Tutti);
    EXPECT_TRUE(l.rows.failure);
    EXPECT_FALSE(l.rows.rowCount.has_value());
}

TEST_F(YearFile, AReadFailureKeepsTheRowsFoundBeforeIt) {
    add(make("Uno", "01/12/2026"));
    add(make("Due", "01/12/2026"));
    // The count goes through; closing the file after the scan fails.
    int closes = 0;
    setIoFaultHook(
        [&](IoStep step, const QString&) { return step == IoStep::Close && ++closes > 1; });
    const List l = list(path, kToday, Kind::Tutti);
    EXPECT_TRUE(l.rows.failure);
    EXPECT_EQ(causali(l), (QStringList{"Uno", "Due"}));
}

}  // namespace
}  // namespace vt::unpaid
