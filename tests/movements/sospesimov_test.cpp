#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "archive/recordfile.h"
#include "movements/Movimenti.h"
#include "movements/SospesiMov.h"
#include "support/uifakes.h"

namespace vt {
namespace {

MovementRecord movement(const QString& causale, const QString& dataSca, const QString& preavviso,
                        bool saldato = false, const QString& data = "01/01/2024") {
    MovementRecord r;
    r.setFlag(mov::Entrata, false);
    r.setFlag(mov::Uscita, true);
    r.setText(mov::Data, data);
    r.setText(mov::Causale, causale);
    r.setText(mov::DataSca, dataSca);
    r.setText(mov::Preavviso, preavviso);
    r.setText(mov::Importo, "80,00");
    r.setText(mov::ImportoSegnato, "-80,00");
    r.setText(mov::Pagatore, "Ufficio");
    r.setText(mov::Beneficiario, "Fornitore");
    r.setFlag(mov::Saldato, saldato);
    return r;
}

template <typename T>
T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

class Due : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmMovimenti card;
    QString path = desktop.file("2024.eur");

    void SetUp() override {
        desktop.clock().day = QDate(2024, 3, 10);
        screens::add(&card);
        child<QLabel>(card, "lblFile")->setText(path);
    }
    void TearDown() override { screens::clear(); }
    void add(const MovementRecord& r) { ASSERT_TRUE(MovementFile(path).append(r)); }

    void open(const std::function<void(QDialog&)>& drive) {
        desktop.dialogs().scripts.push_back([drive](QDialog& d) {
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            drive(d);
            return 0;
        });
        openDialog<TfrmSospesiMov>(&card);
    }
    static QStringList lines(QDialog& d) {
        QStringList out;
        auto* list = child<QListWidget>(d, "lstRecords");
        for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text().left(40).trimmed());
        return out;
    }
};

TEST_F(Due, ListsUnsettledMovementsWhoseNoticeHasBegunSorted) {
    add(movement("Luce", "20/03/2024", "10"));         // notice begins today
    add(movement("Gas", "20/03/2024", "9"));           // not yet
    add(movement("Affitto", "01/02/2024", "0"));       // overdue
    add(movement("Acqua", "01/01/2024", "0", true));   // settled
    add(movement("Telefono", "15/03/2024", "30"));
    open([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Riepilogo pagamenti in scadenza o scaduti");
        EXPECT_EQ(lines(d), (QStringList{"Affitto", "Luce", "Telefono"}));
        EXPECT_TRUE(child<QLineEdit>(d, "txtTrova")->hasFocus());
        child<QPushButton>(d, "btnChiudi")->click();
        EXPECT_EQ(child<QListWidget>(d, "lstRecords")->count(), 0);
    });
}

TEST_F(Due, AnUnreadableRecordIsLeftOutTheListGoesOnAndTheNoticeNamesIt) {
    add(movement("Primo", "01/03/2024", "0"));
    add(movement("Rotto", "31/02/2024", "0"));
    add(movement("Dopo", "01/03/2024", "0"));
    add(movement("Preavviso in lettere", "01/03/2024", "5g"));
    add(movement("Vuoto", "01/03/2024", ""));
    add(movement("Saldato e rotto", "31/02/2024", "0", true));  // never due: not named
    add(movement("Ultimo", "01/03/2024", "0"));
    QStringList shownWhileOpen;
    open([&](QDialog& d) {
        // The notice comes once the list is filled, over the window.
        EXPECT_EQ(lines(d), (QStringList{"Dopo", "Primo", "Ultimo"}));
        shownWhileOpen = desktop.messages().texts();
        child<QPushButton>(d, "btnChiudi")->click();
    });
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(shownWhileOpen, desktop.messages().texts());
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    EXPECT_EQ(desktop.messages().last().text,
              "Attenzione: 3 schede dell'archivio non compaiono nel riepilogo, perch\u00E9 la loro "
              "data di scadenza o i loro giorni di preavviso non sono leggibili:\n\r\n\r"
              "scheda n. 2 dell'archivio (scadenza \"31/02/2024\", causale \"Rotto\");\n\r"
              "scheda n. 4 dell'archivio (scadenza \"01/03/2024\", causale \"Preavviso in "
              "lettere\");\n\r"
              "scheda n. 5 dell'archivio (scadenza \"01/03/2024\", causale \"Vuoto\").\n\r\n\r"
              "Correggere le schede nel Registro Movimenti e riaprire il riepilogo.");
}

TEST_F(Due, EmptyListFindNoticeAndPrintOfTitleAndFooter) {
    open([this](QDialog& d) {
        EXPECT_EQ(child<QListWidget>(d, "lstRecords")->count(), 0);
        child<QPushButton>(d, "btnTrova")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().text, "Ricerca non applicabile: la lista non contiene nessuna voce.");
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_EQ(desktop.printers().printed.size(), 1);
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

TEST_F(Due, EachOfTwoEqualLinesLoadsItsOwnMovement) {
    add(movement("Affitto", "01/03/2024", "0", false, "01/01/2024"));
    add(movement("Affitto", "01/03/2024", "0", false, "03/01/2024"));
    for (int row : {0, 1}) {
        open([row](QDialog& d) {
            auto* list = child<QListWidget>(d, "lstRecords");
            ASSERT_EQ(list->count(), 2);
            EXPECT_EQ(list->item(0)->text(), list->item(1)->text());
            list->setCurrentRow(row);
            list->doItemsLayout();
            const QRect rect = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), QString::number(row + 1));
        EXPECT_EQ(child<QLineEdit>(card, "txtData")->text(), row == 0 ? "01/01/2024" : "03/01/2024");
        EXPECT_FALSE(child<QCheckBox>(card, "chkSaldato")->isChecked());
    }
}

TEST_F(Due, DoubleClickWithNoLineSelectedClosesAndLoadsNothing) {
    add(movement("Affitto", "01/03/2024", "0"));
    child<QLabel>(card, "lblPosizione")->setText("");
    open([](QDialog& d) {
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

TEST_F(Due, PrintsWithItsTitleOrSaysThereIsNoPrinter) {
    add(movement("Affitto", "01/03/2024", "0"));
    desktop.printers().installed = false;
    open([this](QDialog& d) {
        child<QPushButton>(d, "btnStampa")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
        EXPECT_TRUE(desktop.printers().printed.isEmpty());
        child<QPushButton>(d, "btnChiudi")->click();
    });
    EXPECT_EQ(TfrmSospesiMov::printTitle(), "Riepilogo pagamenti in scadenza o scaduti e non saldati");
}

}  // namespace
}  // namespace vt
