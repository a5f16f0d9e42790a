#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QFile>
#include <QTest>

#include "archive/recordfile.h"
#include "movements/Movimenti.h"
#include "movements/TrovaMovimenti.h"
#include "movements/logic/searchmovements.h"
#include "output/ListPrint.h"
#include "report/Report.h"
#include "support/uifakes.h"

namespace vt {
namespace {

MovementRecord movement(const QString& causale, const QString& pagatore, const QString& data = "01/03/2024",
                        bool entrata = true) {
    MovementRecord r;
    r.setFlag(mov::Entrata, entrata);
    r.setFlag(mov::Uscita, !entrata);
    r.setText(mov::Data, data);
    r.setText(mov::Causale, causale);
    r.setText(mov::DataSca, "31/03/2024");
    r.setText(mov::Preavviso, "5");
    r.setText(mov::Importo, "10,00");
    r.setText(mov::ImportoSegnato, entrata ? "+10,00" : "-10,00");
    r.setText(mov::Pagatore, pagatore);
    r.setText(mov::Beneficiario, "Studio");
    r.setText(mov::Note, "nota " + causale);
    r.setFlag(mov::Saldato, true);
    return r;
}

template <typename T>
T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

class Search : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmMovimenti card;
    QString path = desktop.file("2024.eur");

    void SetUp() override {
        screens::add(&card);
        child<QLabel>(card, "lblFile")->setText("  " + path + " ");
    }
    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }
    void add(const MovementRecord& r) { ASSERT_TRUE(MovementFile(path).append(r)); }

    // Opens the search as the card does and runs `drive` on it.
    void open(const std::function<void(QDialog&)>& drive, const QString& memory = "movimenti") {
        desktop.dialogs().scripts.push_back([drive](QDialog& d) {
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            drive(d);
            return 0;
        });
        openDialog<TfrmTrovaMovimenti>(&card, [&](TfrmTrovaMovimenti& d) { d.setMemory(memory); });
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
    }
    static QStringList lines(QDialog& d) {
        QStringList out;
        auto* list = child<QListWidget>(d, "lstRecords");
        for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text());
        return out;
    }
    static void doubleClick(QDialog& d, int row) {
        test::doubleClickRow(child<QListWidget>(d, "lstRecords"), row);
    }
};

TEST_F(Search, BlankFieldsListEveryMovementSortedWithTheCount) {
    add(movement("bolletta", "Rossi"));
    add(movement("Affitto", "Verdi"));
    add(movement("canone", "Bianchi"));
    open([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Trova movimenti in archivio");
        EXPECT_TRUE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_FALSE(child<QWidget>(d, "panContainer")->isVisible());
        EXPECT_TRUE(child<QLineEdit>(d, "txtData")->hasFocus());
        child<QPushButton>(d, "btnCerca")->click();
        EXPECT_FALSE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_TRUE(child<QWidget>(d, "panContainer")->isVisible());
        EXPECT_EQ(child<QLabel>(d, "lblConta")->text(), "0");
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), "Il presente riepilogo contiene 3 schede.");
        const QStringList l = lines(d);
        ASSERT_EQ(l.size(), 3);
        EXPECT_TRUE(l[0].startsWith("Affitto "));
        EXPECT_TRUE(l[1].startsWith("bolletta "));
        EXPECT_TRUE(l[2].startsWith("canone "));
        EXPECT_TRUE(child<QLineEdit>(d, "txtTrova")->hasFocus());
        auto* list = child<QListWidget>(d, "lstRecords");
        EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_GE(list->item(0)->sizeHint().width(), 1600);
        EXPECT_EQ(list->palette().color(QPalette::Text), QColor(0xFF000000u));
        child<QPushButton>(d, "btnChiudi")->click();
        EXPECT_EQ(list->count(), 0);
    });
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Search, FilledFieldsMustAllOccur) {
    add(movement("Affitto ufficio", "Mario ROSSI"));
    add(movement("Affitto garage", "Verdi"));
    add(movement("Bolletta", "Rossi"));
    open([](QDialog& d) {
        QTest::keyClicks(child<QLineEdit>(d, "txtCausale"), "AFFITTO");
        QTest::keyClicks(child<QLineEdit>(d, "txtPagatore"), "rossi");
        child<QPushButton>(d, "btnCerca")->click();
        EXPECT_EQ(child<QLabel>(d, "lblConta")->text(), "2");
        const QStringList l = lines(d);
        ASSERT_EQ(l.size(), 1);
        EXPECT_TRUE(l[0].startsWith("Affitto ufficio "));
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), "Il presente riepilogo contiene 1 schede.");
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

TEST_F(Search, EnterMovesAlongTheRingOfFields) {
    open([](QDialog& d) {
        const char* ring[] = {"txtData",      "txtDataSca",      "txtCausale",  "txtPromemoria", "txtPagatore",
                              "txtCategoria", "txtBeneficiario", "txtRicevuta", "txtTariffa",    "txtNote"};
        for (int i = 0; i < 10; ++i) {
            auto* field = child<QLineEdit>(d, ring[i]);
            EXPECT_TRUE(field->hasFocus()) << ring[i];
            EXPECT_TRUE(child<QWidget>(d, ("eff" + QByteArray(ring[i]).mid(3)).constData())->isVisible());
            QTest::keyClick(field, Qt::Key_Return);
        }
        EXPECT_TRUE(child<QLineEdit>(d, "txtData")->hasFocus());
        child<QPushButton>(d, "btnAnnulla")->click();
    });
}

TEST_F(Search, EmptyYearGivesAnEmptyListAndFindShowsItsNotice) {
    open([this](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), "Il presente riepilogo contiene 0 schede.");
        QTest::keyClicks(child<QLineEdit>(d, "txtTrova"), "x");
        child<QPushButton>(d, "btnTrova")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
        EXPECT_EQ(desktop.messages().last().text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
        // Printing an empty list prints title and footer only.
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_EQ(desktop.printers().printed.size(), 1);
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

TEST_F(Search, FindMovesThroughTheMatchingLines) {
    add(movement("Canone affitto", "A"));
    add(movement("Bolletta luce", "B"));
    add(movement("Affitto ufficio", "C"));
    open([](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        auto* list = child<QListWidget>(d, "lstRecords");
        auto* key = child<QLineEdit>(d, "txtTrova");
        QTest::keyClicks(key, "affitto");
        QTest::keyClick(key, Qt::Key_Return);  // only moves the focus
        EXPECT_TRUE(child<QPushButton>(d, "btnTrova")->hasFocus());
        for (int expected : {0, 2, 0}) {
            child<QPushButton>(d, "btnTrova")->click();
            EXPECT_EQ(list->currentRow(), expected);
        }
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

TEST_F(Search, EachOfTwoEqualLinesLoadsItsOwnMovement) {
    add(movement("Affitto", "Rossi", "01/03/2024"));
    add(movement("Bolletta", "Verdi", "02/03/2024", false));
    add(movement("Affitto", "Rossi", "05/03/2024"));
    // Rows 0 and 1 show the same text (the operation date is not in a line).
    const struct {
        int row;
        const char* position;
        const char* date;
    } cases[] = {{0, "1", "01/03/2024"}, {1, "3", "05/03/2024"}, {2, "2", "02/03/2024"}};
    for (const auto& c : cases) {
        bool closed = false;
        open([&](QDialog& d) {
            child<QPushButton>(d, "btnCerca")->click();
            ASSERT_EQ(lines(d)[0], lines(d)[1]);
            doubleClick(d, c.row);
            closed = !d.isVisible();
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), c.position);
        EXPECT_EQ(child<QLineEdit>(card, "txtData")->text(), c.date);
    }
    EXPECT_EQ(child<QLineEdit>(card, "txtCausale")->text(), "Bolletta");
    EXPECT_TRUE(child<QRadioButton>(card, "optUscita")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(card, "chkSaldato")->isChecked());
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Search, AfterTheFileChangedBehindTheListTheLastEqualLineWins) {
    add(movement("Affitto", "Rossi", "01/03/2024"));
    add(movement("Affitto", "Rossi", "05/03/2024"));
    add(movement("Affitto", "Rossi", "07/03/2024"));
    open([&](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        // Another workstation changes the first record: its position no
        // longer holds the line shown.
        ASSERT_TRUE(MovementFile(path).overwrite(1, movement("Gas", "Neri", "01/03/2024")));
        doubleClick(d, 0);
    });
    EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), "3");
    EXPECT_EQ(child<QLineEdit>(card, "txtData")->text(), "07/03/2024");

    open([&](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        // A copy with fewer records is put back: the listed position is gone.
        ASSERT_TRUE(QFile::resize(path, 2 * mov::kLength));
        doubleClick(d, 1);  // the record at position 3
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), "2");
    EXPECT_EQ(child<QLineEdit>(card, "txtData")->text(), "05/03/2024");
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Search, DoubleClickWithNoLineSelectedClosesAndLoadsNothing) {
    add(movement("Affitto", "Rossi"));
    child<QLabel>(card, "lblPosizione")->setText("");
    open([](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        auto* list = child<QListWidget>(d, "lstRecords");
        list->clearSelection();
        list->doItemsLayout();
        const QPoint below(20, list->visualItemRect(list->item(0)).bottom() + 30);
        ASSERT_LT(below.y(), list->viewport()->height());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), "");
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Search, AFieldOfBlanksNextToARealFilterIsIgnored) {
    MovementRecord affitto = movement("Affitto ufficio", "Rossi");
    affitto.setText(mov::Categoria, "Sede centrale");
    add(affitto);
    MovementRecord luce = movement("Bolletta luce", "Enel");
    luce.setText(mov::Categoria, "Utenze");
    add(luce);
    open([](QDialog& d) {
        QTest::keyClicks(child<QLineEdit>(d, "txtCausale"), "luce");
        QTest::keyClicks(child<QLineEdit>(d, "txtCategoria"), " ");
        child<QPushButton>(d, "btnCerca")->click();
        EXPECT_EQ(child<QLabel>(d, "lblConta")->text(), "1");
        const QStringList l = lines(d);
        ASSERT_EQ(l.size(), 1);
        EXPECT_TRUE(l[0].startsWith("Bolletta luce "));
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

TEST_F(Search, DoubleClickLoadsNothingForAnotherCaller) {
    add(movement("Affitto", "Rossi"));
    child<QLabel>(card, "lblPosizione")->setText("");
    open(
        [](QDialog& d) {
            child<QPushButton>(d, "btnCerca")->click();
            doubleClick(d, 0);
            EXPECT_FALSE(d.isVisible());
        },
        "causali");
    EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), "");
}

TEST_F(Search, LoadFailureClosesSilently) {
    add(movement("Affitto", "Rossi"));
    child<QLabel>(card, "lblPosizione")->setText("");
    open([](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
        doubleClick(d, 0);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), "");
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Search, UnreadableYearShowsTheNoticeAndKeepsTheSearchPanel) {
    add(movement("Affitto", "Rossi"));
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
    open([this](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
        EXPECT_EQ(desktop.messages().last().text,
                  "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                  "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
        EXPECT_TRUE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_FALSE(child<QLabel>(d, "lblAttendere")->isVisible());
        child<QPushButton>(d, "btnAnnulla")->click();
    });
}

TEST_F(Search, PrintsTheListAndSaysSoWhenThereIsNoPrinter) {
    for (int i = 0; i < 100; ++i) add(movement(QStringLiteral("Causale %1").arg(i, 3, 10, QChar(u'0')), "Rossi"));
    open([this](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        child<QPushButton>(d, "btnStampa")->click();
        ASSERT_EQ(desktop.printers().printed.size(), 1);
        EXPECT_EQ(desktop.printers().dialogs, 0);  // printed directly
        EXPECT_GT(QFileInfo(desktop.printers().printed[0]).size(), 1000);
        desktop.printers().installed = false;
        child<QPushButton>(d, "btnStampa")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
        EXPECT_EQ(desktop.messages().last().text, noPrinterMessage());
        EXPECT_EQ(desktop.printers().printed.size(), 1);
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

}  // namespace
}  // namespace vt
