#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "app/Guida.h"
#include "archive/recordfile.h"
#include "support/uifakes.h"
#include "unpaid/InsolutiAll.h"
#include "unpaid/InsolutiEnt.h"
#include "unpaid/InsolutiUsc.h"
#include "unpaid/MenuInsoluti.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt {
namespace {

// Today is 09/12/2026 (the fake clock).
MovementRecord movement(bool incoming, const QString& causale, const QString& dataSca, bool settled,
                        const QString& amount = QStringLiteral("80,00")) {
    MovementRecord r;
    r.setFlag(mov::Entrata, incoming);
    r.setFlag(mov::Uscita, !incoming);
    r.setText(mov::Data, QStringLiteral("01/12/2026"));
    r.setText(mov::Causale, causale);
    r.setText(mov::DataSca, dataSca);
    r.setText(mov::Preavviso, QStringLiteral("5"));
    r.setText(mov::Importo, amount);
    r.setText(mov::ImportoSegnato, (incoming ? u'+' : u'-') + amount);
    r.setText(mov::Pagatore, QStringLiteral("Mario Rossi"));
    r.setText(mov::Beneficiario, QStringLiteral("Studio Bianchi"));
    r.setText(mov::Note, QStringLiteral("Sollecitare"));
    r.setFlag(mov::Saldato, settled);
    return r;
}

// A year holding receipts and payments due yesterday, today and tomorrow,
// settled and not.
QList<MovementRecord> mixedYear() {
    QList<MovementRecord> out;
    for (bool incoming : {true, false})
        for (const char* due : {"08/12/2026", "09/12/2026", "10/12/2026"})
            for (bool settled : {false, true})
                out.append(movement(incoming,
                                    QStringLiteral("%1 %2 %3")
                                        .arg(incoming ? "Incasso" : "Pagamento", due,
                                             settled ? "saldato" : "aperto"),
                                    QString::fromLatin1(due), settled));
    return out;
}

class UnpaidLists : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio mainMenu;
    TfrmMenuInsoluti menu;

    void SetUp() override {
        screens::clear();
        screens::add(&mainMenu);
        screens::add(&menu);
        screens::switchTo(&mainMenu, &menu);
        menu.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    }
    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }

    QString yearFile(const QString& year, const QList<MovementRecord>& records) {
        const QString path = desktop.file(year + QStringLiteral(".eur"));
        const MovementFile file(path);
        for (const auto& r : records) EXPECT_TRUE(file.append(r));
        return path;
    }
    QLineEdit* field(const char* name) { return menu.findChild<QLineEdit*>(QLatin1String(name)); }
    QPushButton* pushButton(const char* name) {
        return menu.findChild<QPushButton*>(QLatin1String(name));
    }
    QStringList visible() {
        QStringList out;
        for (QWidget* w : screens::all())
            if (w->isVisible()) out.append(QString::fromLatin1(w->metaObject()->className()));
        return out;
    }

    static QTableView* grid(QWidget& w) {
        return w.findChild<QTableView*>(QStringLiteral("grdRecords"));
    }
    static QString cell(QWidget& w, int row, int column) {
        return grid(w)->model()->index(row, column).data().toString();
    }
    static QStringList column(QWidget& w, int c) {
        QStringList out;
        for (int r = 0; r < grid(w)->model()->rowCount(); ++r) out.append(cell(w, r, c));
        return out;
    }
    static void click(QWidget& w, const char* name) {
        w.findChild<QToolButton*>(QLatin1String(name))->click();
    }
    QByteArray exported(const QString& name) const {
        QFile f(desktop.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Dates, days and amounts are plain cells; every other column is text.
    static QByteArray dataCell(const QByteArray& text) {
        return "<td style=\"text-align: left;\">" + text + "</td>";
    }
    static QByteArray textCell(const QByteArray& text) {
        return "<td style=\"text-align: left; mso-number-format:\\@;\" sdnum=\"1040;0;@\">" + text +
               "</td>";
    }

    // Presses a section's "Visualizza" and hands the list window to `look`.
    template <typename Look>
    void openSection(const char* button, Look look) {
        desktop.dialogs().scripts.push_back([look](QDialog& d) {
            look(d);
            return int(QDialog::Rejected);
        });
        pushButton(button)->click();
    }
};

TEST_F(UnpaidLists, MenuShowsTheCurrentYearInEverySectionOnEveryShowing) {
    EXPECT_EQ(menu.windowTitle(), QStringLiteral(" Vantresa 4.0 - Pagamenti Insoluti"));
    EXPECT_EQ(menu.findChild<QLabel*>(QStringLiteral("lblInfo"))->text(),
              QStringLiteral("In questo ambiente \u00E8 possibile visualizzare i riepiloghi dei "
                             "pagamenti insoluti sia "
                             "in entrata che in uscita."));
    const std::pair<const char*, const char*> sections[] = {
        {"Preventivi", "Pagamenti insoluti in entrata"},
        {"NDC", "Pagamenti insoluti in uscita"},
        {"DDT", "Pagamenti insoluti in entrata e in uscita"},
    };
    for (const auto& [key, caption] : sections) {
        const QString k = QString::fromLatin1(key);
        EXPECT_EQ(menu.findChild<QLabel*>(QStringLiteral("int") + k)->text(),
                  QString::fromUtf8(caption));
        EXPECT_EQ(menu.findChild<QLabel*>(QStringLiteral("titAnno") + k)->text(),
                  QStringLiteral("Anno:"));
        EXPECT_EQ(menu.findChild<QPushButton*>(QStringLiteral("btnApri") + k)->text(),
                  QStringLiteral("Visualizza"));
        auto* year = menu.findChild<QLineEdit*>(QStringLiteral("txtAnno") + k);
        EXPECT_EQ(year->text(), QStringLiteral("2026")) << key;
        EXPECT_EQ(year->maxLength(), 4);
        year->setText(QStringLiteral("19"));
    }
    EXPECT_TRUE(field("txtAnnoPreventivi")->hasFocus());
    EXPECT_EQ(menu.findChild<QLabel*>(QStringLiteral("lblFile"))->text(),
              QStringLiteral("lblFile"));
    EXPECT_FALSE(menu.findChild<QLabel*>(QStringLiteral("lblFile"))->isVisible());

    desktop.clock().day = QDate(2027, 1, 2);
    menu.findChild<QToolButton*>(QStringLiteral("imgEsci"))->click();
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
    screens::switchTo(&mainMenu, &menu);
    for (const char* name : {"txtAnnoPreventivi", "txtAnnoNDC", "txtAnnoDDT"})
        EXPECT_EQ(field(name)->text(), QStringLiteral("2027")) << name;
    menu.close();
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
}

TEST_F(UnpaidLists, YearFieldsTakeDigitsAndEnterMovesToTheirButton) {
    const std::pair<const char*, const char*> pairs[] = {{"txtAnnoPreventivi", "btnApriPreventivi"},
                                                         {"txtAnnoNDC", "btnApriNDC"},
                                                         {"txtAnnoDDT", "btnApriDDT"}};
    for (const auto& [year, button] : pairs) {
        field(year)->clear();
        field(year)->setFocus();
        QTest::keyClicks(field(year), QStringLiteral("2x0 2.5"));
        EXPECT_EQ(field(year)->text(), QStringLiteral("2025"));
        QTest::keyClick(field(year), Qt::Key_Return);
        EXPECT_TRUE(pushButton(button)->hasFocus()) << year;
    }
    EXPECT_TRUE(desktop.dialogs().opened.isEmpty());
}

TEST_F(UnpaidLists, AYearOfOtherThanFourCharactersIsRefused) {
    for (const auto& [year, button] :
         {std::pair{"txtAnnoPreventivi", "btnApriPreventivi"},
          std::pair{"txtAnnoNDC", "btnApriNDC"}, std::pair{"txtAnnoDDT", "btnApriDDT"}}) {
        field(year)->setText(QStringLiteral("202"));
        pushButton(button)->setFocus();
        pushButton(button)->click();
        ASSERT_FALSE(desktop.messages().shown.empty());
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Warning);
        EXPECT_EQ(desktop.messages().last().text,
                  QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        EXPECT_TRUE(field(year)->hasFocus()) << year;
    }
    EXPECT_TRUE(desktop.dialogs().opened.isEmpty());
    EXPECT_FALSE(QFile::exists(desktop.file(QStringLiteral("202.eur"))));
}

TEST_F(UnpaidLists, EachSectionListsItsKindOfUnpaidMovementsOfTheChosenYear) {
    yearFile(QStringLiteral("2026"), mixedYear());
    struct Section {
        const char* button;
        const char* window;
        QString caption;
        QStringList causali;
    };
    const Section sections[] = {
        {"btnApriPreventivi",
         "TfrmInsolutiEnt",
         " Pagamenti insoluti in entrata",
         {"Incasso 08/12/2026 aperto", "Incasso 09/12/2026 aperto"}},
        {"btnApriNDC",
         "TfrmInsolutiUsc",
         " Pagamenti insoluti in uscita",
         {"Pagamento 08/12/2026 aperto", "Pagamento 09/12/2026 aperto"}},
        {"btnApriDDT",
         "TfrmInsolutiAll",
         " Pagamenti insoluti in entrata e in uscita",
         {"Incasso 08/12/2026 aperto", "Incasso 09/12/2026 aperto", "Pagamento 08/12/2026 aperto",
          "Pagamento 09/12/2026 aperto"}},
    };
    for (const Section& s : sections) {
        SCOPED_TRACE(s.window);
        openSection(s.button, [&](QDialog& d) {
            EXPECT_EQ(QString::fromLatin1(d.metaObject()->className()),
                      QString::fromLatin1(s.window));
            EXPECT_EQ(d.windowTitle(), s.caption);
            EXPECT_EQ(column(d, 3), s.causali);
            EXPECT_EQ(column(d, 0).first(), QStringLiteral("1"));
            EXPECT_EQ(column(d, 0).last(), QString::number(s.causali.size()));
        });
        EXPECT_EQ(menu.findChild<QLabel*>(QStringLiteral("lblFile"))->text(),
                  desktop.file(QStringLiteral("2026.eur")));
    }
    EXPECT_EQ(desktop.dialogs().opened,
              (QStringList{"TfrmInsolutiEnt", "TfrmInsolutiUsc", "TfrmInsolutiAll"}));
    // The lists only read: nothing is shown but the lists.
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(UnpaidLists, TheGridShowsEveryFieldAndTellsReceiptsFromPayments) {
    yearFile(QStringLiteral("2026"), mixedYear());
    openSection("btnApriDDT", [&](QDialog& d) {
        QTableView* g = grid(d);
        QAbstractItemModel* m = g->model();
        ASSERT_EQ(m->columnCount(), 21);
        // The headers of the list's definition (checked in its own test), after "N.".
        EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        const auto& columns = unpaid::definition(unpaid::Kind::Tutti).columns;
        for (int c = 1; c < 21; ++c)
            EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), columns[c - 1].header);
        EXPECT_TRUE(g->alternatingRowColors());
        EXPECT_EQ(cell(d, 0, 1), QStringLiteral("Entrata"));
        EXPECT_EQ(cell(d, 0, 7), QStringLiteral("+80,00"));
        EXPECT_EQ(cell(d, 2, 1), QStringLiteral("Uscita"));
        EXPECT_EQ(cell(d, 2, 7), QStringLiteral("-80,00"));
        EXPECT_EQ(cell(d, 2, 5), QStringLiteral("08/12/2026"));
        EXPECT_EQ(cell(d, 2, 6), QStringLiteral("5"));
        EXPECT_EQ(cell(d, 2, 20), QStringLiteral("No"));
        // Only the notes and the settled flag can be changed.
        for (int c = 0; c < 21; ++c)
            EXPECT_EQ(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), c == 18 || c == 20) << c;
    });
}

TEST_F(UnpaidLists, EditedNotesAndFlagsAreExportedButNeverWrittenBack) {
    const QString path = yearFile(QStringLiteral("2026"), mixedYear());
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();

    desktop.messages().confirmations = {true, true};
    openSection("btnApriPreventivi", [&](QDialog& d) {
        QTableView* g = grid(d);
        // Typing on a note cell replaces its text, as in a spreadsheet.
        g->setCurrentIndex(g->model()->index(0, 18));
        QTest::keyClicks(g, QStringLiteral("T"));
        auto* editor = g->viewport()->findChild<QLineEdit*>();
        ASSERT_TRUE(editor);
        QTest::keyClicks(editor, QStringLiteral("elefonato il 9"));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the grid takes the text back after the key
        ASSERT_TRUE(g->model()->setData(g->model()->index(1, 20), QStringLiteral("S\u00EC")));
        EXPECT_EQ(cell(d, 0, 18), QStringLiteral("Telefonato il 9"));
        click(d, "cmdEsporta");
        EXPECT_TRUE(d.isVisible());
    });
    const QByteArray file = exported(QStringLiteral("Pagamenti_in_Entrata_Insoluti.xls"));
    EXPECT_TRUE(file.contains("<x:Name>Pagamenti in entrata insoluti</x:Name>"));
    EXPECT_TRUE(file.contains(textCell("Telefonato il 9")));
    EXPECT_TRUE(file.contains(textCell("S\xEC") + "</tr></table>"));
    EXPECT_EQ(file.count("<tr>"), 3);
    // The row number is not exported: each row starts with the movement's type.
    EXPECT_TRUE(file.contains("</tr><tr>" + textCell("Entrata") + dataCell("01/12/2026")));
    EXPECT_TRUE(file.contains("width=150>Tipo movimento</td><td"));
    EXPECT_TRUE(file.contains("width=120>Saldato</td></tr>"));
    EXPECT_EQ(
        desktop.messages().texts(),
        (QStringList{"L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a "
                     "seconda del numero "
                     "di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?",
                     "Esportazione in Excel effettuata con successo.\r\n\r\nSi vuole aprire il "
                     "file .XLS?"}));
    EXPECT_EQ(desktop.shell().opened,
              QStringList{u'"' +
                          QDir::toNativeSeparators(
                              desktop.file(QStringLiteral("Pagamenti_in_Entrata_Insoluti.xls"))) +
                          u'"'});

    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
}

TEST_F(UnpaidLists, EachListExportsUnderItsOwnNameAndExportingAgainOverwrites) {
    yearFile(QStringLiteral("2026"), mixedYear());
    const std::tuple<const char*, const char*, const char*> lists[] = {
        {"btnApriNDC", "Pagamenti_in_Uscita_Insoluti.xls", "Pagamenti in uscita insoluti"},
        {"btnApriDDT", "Pagamenti_Insoluti.xls", "Pagamenti insoluti"},
    };
    for (const auto& [button, fileName, sheet] : lists) {
        for (int round = 0; round < 2; ++round) {
            desktop.messages().confirmations = {true, false};
            openSection(button, [&](QDialog& d) { click(d, "cmdEsporta"); });
        }
        const QByteArray file = exported(QString::fromLatin1(fileName));
        EXPECT_TRUE(file.contains("<x:Name>" + QByteArray(sheet) + "</x:Name>")) << fileName;
        EXPECT_EQ(file.count("<html"), 1);
    }
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(UnpaidLists, AMissingYearIsCreatedAndShowsAndExportsTenEmptyRows) {
    desktop.messages().confirmations = {true, false};
    openSection("btnApriDDT", [&](QDialog& d) {
        EXPECT_EQ(grid(d)->model()->rowCount(), 10);
        EXPECT_EQ(column(d, 0), QStringList(10, QString()));
        click(d, "cmdEsporta");
    });
    EXPECT_TRUE(QFile::exists(desktop.file(QStringLiteral("2026.eur"))));
    QByteArray emptyRow = "<tr>";
    for (int i = 0; i < 20; ++i) emptyRow += (i == 1 || (i >= 4 && i <= 6)) ? dataCell("") : textCell("");
    emptyRow += "</tr>";
    const QByteArray file = exported(QStringLiteral("Pagamenti_Insoluti.xls"));
    EXPECT_EQ(file.count(emptyRow), 10);
    EXPECT_EQ(file.count("<tr>"), 11);
}

TEST_F(UnpaidLists, AYearWithNothingUnpaidExportsOnlyTheHeaderRow) {
    yearFile(QStringLiteral("2026"),
             {movement(true, QStringLiteral("Saldato"), QStringLiteral("01/01/2026"), true),
              movement(true, QStringLiteral("Domani"), QStringLiteral("10/12/2026"), false)});
    desktop.messages().confirmations = {true, false};
    openSection("btnApriPreventivi", [&](QDialog& d) {
        EXPECT_EQ(grid(d)->model()->rowCount(), 0);
        click(d, "cmdEsporta");
    });
    EXPECT_EQ(exported(QStringLiteral("Pagamenti_in_Entrata_Insoluti.xls")).count("<tr>"), 1);
}

TEST_F(UnpaidLists, AnUnreadableDueDateHidesOnlyItsOwnMovementAndTheNoticeNamesIt) {
    yearFile(QStringLiteral("2026"),
             {movement(true, QStringLiteral("Primo"), QStringLiteral("01/12/2026"), false),
              movement(true, QStringLiteral("Rotto"), QStringLiteral("31/02/2026"), false),
              movement(true, QStringLiteral("Dopo"), QStringLiteral("02/12/2026"), false),
              movement(false, QStringLiteral("Spesa rotta"), QStringLiteral("ieri"), false),
              movement(true, QStringLiteral("Saldato rotto"), QStringLiteral("ieri"), true)});
    const QString receipt = QStringLiteral(
        "scheda n. 2 dell'archivio (scadenza \"31/02/2026\", causale \"Rotto\")");
    const QString payment = QStringLiteral(
        "scheda n. 4 dell'archivio (scadenza \"ieri\", causale \"Spesa rotta\")");
    const QString advice = QStringLiteral("\n\r\n\rCorreggere ");
    const struct {
        const char* button;
        QStringList listed;
        QString notice;
    } sections[] = {
        {"btnApriPreventivi",
         {"Primo", "Dopo"},
         QStringLiteral("Attenzione: la ") + receipt +
             QStringLiteral(" non compare nel riepilogo, perch\u00E9 la sua data di scadenza non "
                            "\u00E8 una data valida.") +
             advice + QStringLiteral("la scheda nel Registro Movimenti e riaprire il riepilogo.")},
        {"btnApriNDC",
         {},
         QStringLiteral("Attenzione: la ") + payment +
             QStringLiteral(" non compare nel riepilogo, perch\u00E9 la sua data di scadenza non "
                            "\u00E8 una data valida.") +
             advice + QStringLiteral("la scheda nel Registro Movimenti e riaprire il riepilogo.")},
        {"btnApriDDT",
         {"Primo", "Dopo"},
         QStringLiteral("Attenzione: 2 schede dell'archivio non compaiono nel riepilogo, "
                        "perch\u00E9 la loro data di scadenza non \u00E8 una data valida:\n\r\n\r") +
             receipt + QStringLiteral(";\n\r") + payment + QStringLiteral(".") + advice +
             QStringLiteral("le schede nel Registro Movimenti e riaprire il riepilogo.")},
    };
    for (const auto& s : sections) {
        SCOPED_TRACE(s.button);
        desktop.messages().shown.clear();
        QStringList shownWhileOpen;
        openSection(s.button, [&](QDialog& d) {
            // The notice comes once the list is on the screen, over it.
            EXPECT_TRUE(desktop.messages().shown.empty());
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
            EXPECT_EQ(grid(d)->model()->rowCount(), s.listed.size());
            if (!s.listed.isEmpty()) {
                EXPECT_EQ(column(d, 3), s.listed);
            }
            shownWhileOpen = desktop.messages().texts();
        });
        EXPECT_EQ(shownWhileOpen, QStringList{s.notice});
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    }
}

TEST_F(UnpaidLists, AFolderInPlaceOfTheYearFileIsReportedAndNotExported) {
    ASSERT_TRUE(QDir(desktop.dir()).mkdir(QStringLiteral("2026.eur")));
    openSection("btnApriDDT", [&](QDialog& d) {
        EXPECT_EQ(grid(d)->model()->rowCount(), 10);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        EXPECT_EQ(desktop.messages().texts(), QStringList{accessFailureMessage()});
        click(d, "cmdEsporta");
    });
    EXPECT_EQ(desktop.messages().texts(), QStringList(2, accessFailureMessage()));
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_FALSE(QFile::exists(desktop.file(QStringLiteral("Pagamenti_Insoluti.xls"))));
}

TEST_F(UnpaidLists, MarkupAccentsAndLeadingZerosReachTheFileIntact) {
    MovementRecord r = movement(true, QStringLiteral("Caff\u00E8 & pi\u00F9 < 100 \u20AC > 50"),
                                QStringLiteral("01/12/2026"), false);
    r.setText(mov::PartitaIva, QStringLiteral("00123456789"));
    yearFile(QStringLiteral("2026"), {r});
    desktop.messages().confirmations = {true, false};
    openSection("btnApriPreventivi", [&](QDialog& d) { click(d, "cmdEsporta"); });
    const QByteArray file = exported(QStringLiteral("Pagamenti_in_Entrata_Insoluti.xls"));
    EXPECT_TRUE(file.contains(textCell("Caff\xE8 &amp; pi\xF9 &lt; 100 \x80 &gt; 50")));
    EXPECT_TRUE(file.contains(textCell("00123456789")));
    EXPECT_TRUE(file.contains("00123456789"));
}

TEST_F(UnpaidLists, AnExportFileThatCannotBeWrittenIsReportedAndTheWindowGoesOn) {
    yearFile(QStringLiteral("2026"), mixedYear());
    openSection("btnApriNDC", [&](QDialog& d) {
        ASSERT_TRUE(QDir(desktop.dir()).mkdir(QStringLiteral("Pagamenti_in_Uscita_Insoluti.xls")));
        desktop.messages().confirmations = {true};
        click(d, "cmdEsporta");
        ASSERT_FALSE(desktop.messages().shown.empty());
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
        EXPECT_EQ(
            desktop.messages().last().text,
            QStringLiteral(
                "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                "file di Excel non sia gi\u00E0 aperto."));
        EXPECT_TRUE(d.isVisible());
        ASSERT_TRUE(QDir(desktop.dir()).rmdir(QStringLiteral("Pagamenti_in_Uscita_Insoluti.xls")));
        desktop.messages().confirmations = {true, false};
        click(d, "cmdEsporta");
        EXPECT_TRUE(
            exported(QStringLiteral("Pagamenti_in_Uscita_Insoluti.xls")).endsWith("</html>"));
    });
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(UnpaidLists, HoverHintsAndHelpPages) {
    openSection("btnApriDDT", [&](QDialog& d) {
        auto* panInfo = d.findChild<QLabel*>(QStringLiteral("panInfo"));
        EXPECT_EQ(panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        auto move = [](QWidget* w) {
            QMouseEvent event(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &event);
        };
        const std::pair<const char*, const char*> hints[] = {
            {"cmdEsporta", "Esporta i dati in formato Microsoft Excel."},
            {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
            {"cmdEsci", "Esci da questo ambiente di lavoro."},
        };
        for (const auto& [name, hint] : hints) {
            move(d.findChild<QToolButton*>(QLatin1String(name)));
            EXPECT_EQ(panInfo->text(), QString::fromUtf8(hint)) << name;
            move(&d);
            EXPECT_EQ(panInfo->text(), QString()) << name;
        }
    });
    QStringList titles;
    auto title = [&](QDialog& d) {
        if (auto* help = qobject_cast<TfrmGuida*>(&d)) titles.append(help->title());
        return int(QDialog::Rejected);
    };
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        desktop.dialogs().scripts.push_back(title);
        click(d, "cmdGuida");
        return int(QDialog::Rejected);
    });
    pushButton("btnApriPreventivi")->click();
    desktop.dialogs().scripts.push_back(title);
    menu.findChild<QToolButton*>(QStringLiteral("imgGuida"))->click();
    EXPECT_EQ(titles,
              (QStringList{"Riepilogo pagamenti insoluti.", "Applicazione Pagamenti Insoluti."}));
}

}  // namespace
}  // namespace vt
