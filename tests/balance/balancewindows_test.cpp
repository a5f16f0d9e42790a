#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "app/Guida.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "balance/Bilancio.h"
#include "balance/MenuBilancio.h"
#include "support/uifakes.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt {
namespace {

MovementRecord movement(const QString& causale, const QString& data, const QString& importo,
                        const QString& pagatore = "Rossi") {
    MovementRecord r;
    r.setFlag(mov::Entrata, importo.startsWith(u'+'));
    r.setFlag(mov::Uscita, importo.startsWith(u'-'));
    r.setText(mov::Data, data);
    r.setText(mov::Causale, causale);
    r.setText(mov::DataSca, data);
    r.setText(mov::Preavviso, "0");
    r.setText(mov::Importo, importo.mid(1));
    r.setText(mov::ImportoSegnato, importo);
    r.setText(mov::Pagatore, pagatore);
    r.setText(mov::Beneficiario, "Studio");
    r.setFlag(mov::Saldato, true);
    return r;
}

template <typename T>
T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QStringList lines(QWidget& d) {
    QStringList out;
    auto* list = child<QListWidget>(d, "lstRecords");
    for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text());
    return out;
}

QString text(QWidget& w, const char* label) {
    return child<QLabel>(w, label)->text();
}

class Balance : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio mainMenu;
    TfrmMenuBilancio menu;

    void SetUp() override {
        desktop.clock().day = QDate(2024, 6, 15);
        screens::clear();
        screens::add(&mainMenu);
        screens::add(&menu);
        screens::switchTo(&mainMenu, &menu);
        menu.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    }
    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }

    void add(const MovementRecord& r, const QString& year = "2024") {
        ASSERT_TRUE(MovementFile(desktop.file(year + ".eur")).append(r));
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(menu, name); }
    QComboBox* picker(const char* name) { return child<QComboBox>(menu, name); }
    void pick(const char* name, const QString& item) {
        QComboBox* box = picker(name);
        box->setCurrentIndex(box->findText(item));
    }
    void period(const QString& d1, const QString& m1, const QString& d2, const QString& m2) {
        pick("txtGiornoInizio", d1);
        pick("txtMeseInizio", m1);
        pick("txtGiornoFine", d2);
        pick("txtMeseFine", m2);
    }
    // Presses "Visualizza riepilogo" as the mouse does; the balance sheet,
    // if it opens, is handed to `drive`.
    void visualizza(const std::function<void(QDialog&)>& drive = {}) {
        if (drive)
            desktop.dialogs().scripts.push_back([this, drive](QDialog& d) {
                d.activateWindow();
                // The menu owns the sheet, so the sheet counts as active as
                // soon as it is shown: wait until it really has the focus.
                EXPECT_TRUE(QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; }));
                EXPECT_TRUE(text(menu, "lblAttendere").size() > 0);
                EXPECT_TRUE(child<QLabel>(menu, "lblAttendere")->isVisibleTo(&menu));
                drive(d);
                return 0;
            });
        // click() presses the button as the mouse does: the press shows the
        // wait notice before the click is handled.
        child<QPushButton>(menu, "btnVisualizza")->click();
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
        EXPECT_FALSE(child<QLabel>(menu, "lblAttendere")->isVisibleTo(&menu));
    }
    static void esci(QDialog& d) { child<QPushButton>(d, "btnEsci")->click(); }
};

TEST_F(Balance, ShowingResetsTheFieldsToTheCurrentYear) {
    EXPECT_EQ(menu.windowTitle(), " Vantresa 4.0 - Primanota e Bilancio");
    EXPECT_EQ(field("txtAnno")->text(), "2024");
    EXPECT_EQ(field("txtAnno")->maxLength(), 4);
    EXPECT_EQ(field("txtTipologia")->maxLength(), 250);
    EXPECT_EQ(text(menu, "lblAnnoInizio"), "2024");
    EXPECT_EQ(text(menu, "lblAnnoFine"), "2024");
    EXPECT_TRUE(field("txtTipologia")->hasFocus());
    EXPECT_TRUE(child<QWidget>(menu, "effTipologia")->isVisible());
    EXPECT_EQ(picker("txtGiornoInizio")->count(), 31);
    EXPECT_EQ(picker("txtMeseFine")->itemText(11), "Dicembre");
    EXPECT_EQ(text(menu, "lblFile"), "FilePath");
    EXPECT_FALSE(child<QLabel>(menu, "lblAttendere")->isVisibleTo(&menu));
    EXPECT_EQ(text(menu, "lblAttendere"), "Caricamento riepilogo in corso. Attendere...");
    EXPECT_EQ(child<QPushButton>(menu, "btnVisualizza")->text(), "Visualizza riepilogo");

    QTest::keyClicks(field("txtTipologia"), "affitto");
    period("05", "Marzo", "10", "Aprile");
    field("txtAnno")->setText("2023");
    EXPECT_EQ(text(menu, "lblAnnoInizio"), "2023");
    menu.close();
    EXPECT_TRUE(mainMenu.isVisible());
    EXPECT_FALSE(menu.isVisible());
    screens::switchTo(&mainMenu, &menu);
    EXPECT_EQ(field("txtTipologia")->text(), "");
    EXPECT_EQ(field("txtAnno")->text(), "2024");
    EXPECT_EQ(text(menu, "lblAnnoFine"), "2024");
    for (const char* name : {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"}) {
        EXPECT_EQ(picker(name)->currentText(), "") << name;
        EXPECT_EQ(picker(name)->currentIndex(), -1) << name;
    }
    child<QPushButton>(menu, "btnEsci")->click();
    EXPECT_TRUE(mainMenu.isVisible());
}

TEST_F(Balance, KeysEnterChainAndTheYearMirror) {
    QLineEdit* year = field("txtAnno");
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, "2a0x2y5");
    EXPECT_EQ(year->text(), "2025");
    EXPECT_EQ(text(menu, "lblAnnoInizio"), "2025");
    EXPECT_EQ(text(menu, "lblAnnoFine"), "2025");
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_TRUE(field("txtTipologia")->hasFocus());
    QTest::keyClick(field("txtTipologia"), Qt::Key_Return);
    const char* chain[] = {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"};
    for (const char* name : chain) {
        QComboBox* box = picker(name);
        EXPECT_TRUE(box->hasFocus()) << name;
        EXPECT_TRUE(
            child<QWidget>(menu, ("eff" + QByteArray(name).mid(3)).constData())->isVisible())
            << name;
        // Typing, deleting and pasting do nothing: values come from the list.
        QTest::keyClicks(box, "12");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->currentText(), "") << name;
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_FALSE(box->currentText().isEmpty()) << name;
        QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_TRUE(child<QPushButton>(menu, "btnVisualizza")->hasFocus());
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Balance, LeavingADropDownWithATextNotInItsListEmptiesIt) {
    picker("txtGiornoInizio")->setFocus();
    picker("txtGiornoInizio")->setEditText("45");
    picker("txtMeseInizio")->setFocus();
    EXPECT_EQ(picker("txtGiornoInizio")->currentText(), "");
    picker("txtMeseInizio")->setEditText(" marzo ");
    picker("txtGiornoFine")->setFocus();
    EXPECT_EQ(picker("txtMeseInizio")->currentText(), " marzo ");
    picker("txtGiornoFine")->setEditText("Mar");
    picker("txtMeseFine")->setFocus();
    EXPECT_EQ(picker("txtGiornoFine")->currentText(), "");
}

TEST_F(Balance, ChecksRunInOrderWithTheirMessagesAndFocus) {
    struct Step {
        std::function<void()> change;
        MessageKind kind;
        QString message;
        const char* focus;
    };
    const QString validDate =
        "\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario indicare una data valida.";
    const std::vector<Step> steps{
        {[this] { field("txtAnno")->setText("202"); }, MessageKind::Warning,
         "Attenzione: indicare l'anno solare utilizzando quattro cifre.", "txtAnno"},
        {[this] { field("txtAnno")->setText("2024"); }, MessageKind::Warning,
         "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a "
         "cascata.",
         "txtGiornoInizio"},
        {[this] { pick("txtGiornoInizio", "31"); }, MessageKind::Warning,
         "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.",
         "txtMeseInizio"},
        {[this] { pick("txtMeseInizio", "Febbraio"); }, MessageKind::Warning,
         "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.",
         "txtGiornoFine"},
        {[this] { pick("txtGiornoFine", "01"); }, MessageKind::Warning,
         "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.",
         "txtMeseFine"},
        {[this] { pick("txtMeseFine", "Marzo"); }, MessageKind::Notice,
         "Attenzione: la data 31/02/2024 di inizio intervallo non esiste." + validDate,
         "txtGiornoInizio"},
        {[this] {
             pick("txtGiornoInizio", "02");
             pick("txtMeseInizio", "Marzo");
             pick("txtGiornoFine", "31");
             pick("txtMeseFine", "Aprile");
         },
         MessageKind::Notice,
         "Attenzione: la data 31/04/2024 di fine intervallo non esiste." + validDate,
         "txtGiornoFine"},
        {[this] {
             pick("txtGiornoFine", "01");
             pick("txtMeseFine", "Marzo");
         },
         MessageKind::Notice,
         "Attenzione: la data di fine intervallo (01/03/2024) non pu\u00F2 essere anteriore a "
         "quella di inizio "
         "intervallo (02/03/2024).\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario "
         "indicare un "
         "intervallo di tempo valido.",
         "txtTipologia"},
    };
    field("txtTipologia")->setFocus();
    for (const Step& step : steps) {
        step.change();
        field("txtTipologia")->setFocus();
        visualizza();
        ASSERT_FALSE(desktop.messages().shown.empty());
        EXPECT_EQ(desktop.messages().last().kind, step.kind);
        EXPECT_EQ(desktop.messages().last().text, step.message);
        EXPECT_TRUE(child<QWidget>(menu, step.focus)->hasFocus()) << step.focus;
        desktop.messages().shown.clear();
    }
    EXPECT_EQ(text(menu, "lblDataInizio"), "02/03/2024");
    EXPECT_EQ(text(menu, "lblDataFine"), "01/03/2024");
    EXPECT_EQ(text(menu, "lblFile"), "FilePath");
}

TEST_F(Balance, AMonthWithACausaleFilter) {
    add(movement("Affitto ufficio", "01/03/2024", "+500,00", "Verdi"));
    add(movement("Canone software", "05/03/2024", "-80,00"));
    add(movement("Pagamento affitto garage", "31/03/2024", "-120,5"));
    add(movement("Affitto ufficio", "01/04/2024", "+500,00"));
    add(movement("Affitto ufficio", "29/02/2024", "+500,00"));
    QTest::keyClicks(field("txtTipologia"), "AFFITTO");
    period("01", "Marzo", "31", "Marzo");
    visualizza([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Vantresa 4.0 - Primanota e Bilancio");
        EXPECT_EQ(text(d, "titTipologia"), "AFFITTO");
        EXPECT_EQ(text(d, "lblConta"), "1");
        EXPECT_EQ(text(d, "lblIntervallo"), "Dal   01/03/2024   al   31/03/2024");
        const QStringList l = lines(d);
        ASSERT_EQ(l.size(), 2);
        EXPECT_TRUE(l[0].startsWith("ENTRATA  Affitto ufficio ")) << l[0].toStdString();
        EXPECT_TRUE(l[0].contains("  Data: 01/03/2024  Da: Verdi "));
        EXPECT_TRUE(l[1].startsWith("USCITA   Pagamento affitto garage "));
        EXPECT_TRUE(l[1].endsWith("  Importo: -120,5"));
        EXPECT_EQ(text(d, "lblTotEntrate"), "500,00 \u20AC");
        EXPECT_EQ(text(d, "lblTotUscite"), "-120,50 \u20AC");
        EXPECT_EQ(text(d, "lblBilancio"), "379,50 \u20AC");
        EXPECT_EQ(child<QLabel>(d, "lblTotUscite")->palette().color(QPalette::WindowText),
                  QColor(0x80, 0, 0));
        EXPECT_TRUE(child<QLineEdit>(d, "txtTrova")->hasFocus());
        auto* list = child<QListWidget>(d, "lstRecords");
        EXPECT_EQ(list->font().pointSize(), 12);
        EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_GE(list->item(0)->sizeHint().width(), 1600);
        esci(d);
        EXPECT_EQ(list->count(), 0);
        EXPECT_FALSE(child<QLabel>(menu, "lblAttendere")->isVisibleTo(&menu));
    });
    EXPECT_EQ(text(menu, "lblFile"), desktop.file("2024.eur"));
    EXPECT_EQ(text(menu, "lblDataInizio"), "01/03/2024");
    EXPECT_EQ(text(menu, "lblDataFine"), "31/03/2024");
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Balance, AMissingYearIsCreatedEmptyWithZeroTotalsAndNothingToFindOrPrint) {
    field("txtAnno")->setText("2031");
    period("01", "Gennaio", "31", "Dicembre");
    visualizza([this](QDialog& d) {
        EXPECT_EQ(lines(d), QStringList{});
        EXPECT_EQ(text(d, "titTipologia"), "- - -");
        EXPECT_EQ(text(d, "lblConta"), "0");
        EXPECT_EQ(text(d, "lblIntervallo"), "Dal   01/01/2031   al   31/12/2031");
        for (const char* total : {"lblTotEntrate", "lblTotUscite", "lblBilancio"})
            EXPECT_EQ(text(d, total), "0,00 \u20AC") << total;
        child<QPushButton>(d, "btnTrova")->click();
        child<QPushButton>(d, "btnStampa")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 2u);
        EXPECT_EQ(desktop.messages().shown[0].kind, MessageKind::Notice);
        EXPECT_EQ(desktop.messages().shown[0].text,
                  "Ricerca non applicabile: la lista non contiene nessuna voce.");
        EXPECT_EQ(desktop.messages().shown[1].kind, MessageKind::Warning);
        EXPECT_EQ(desktop.messages().shown[1].text,
                  "Operazione di stampa non applicabile: la primanota non contiene nessun "
                  "movimento in entrata o "
                  "in uscita.");
        EXPECT_TRUE(desktop.printers().printed.isEmpty());
        esci(d);
    });
    EXPECT_TRUE(QFile::exists(desktop.file("2031.eur")));
}

TEST_F(Balance, AStoppedComputationIsToldAndShowsNoTotals) {
    add(movement("Vendita", "02/01/2024", "+100,00"));
    add(movement("Errata", "03/01/2024", "+12a"));
    add(movement("Dopo", "04/01/2024", "+50,00"));
    period("01", "Gennaio", "31", "Dicembre");
    visualizza([this](QDialog& d) {
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
        EXPECT_TRUE(desktop.messages().last().text.contains(
            "scheda n. 2 dell'archivio (data \"03/01/2024\", "
            "causale \"Errata\")"));
        EXPECT_EQ(lines(d).size(), 1);
        for (const char* total : {"lblTotEntrate", "lblTotUscite", "lblBilancio"}) {
            EXPECT_EQ(text(d, total), "non calcolato") << total;
            EXPECT_FALSE(text(d, total).contains("0,00")) << total;
        }
        esci(d);
    });
}

TEST_F(Balance, AFolderInPlaceOfTheYearFileIsReported) {
    ASSERT_TRUE(QDir(desktop.dir()).mkdir("2024.eur"));
    period("01", "Gennaio", "31", "Dicembre");
    visualizza([this](QDialog& d) {
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().text,
                  "Attenzione: il file di archivio non risulta accessibile.");
        EXPECT_EQ(text(d, "lblBilancio"), "non calcolato");
        esci(d);
    });
}

TEST_F(Balance, FindUsesLowerCaseAndItsLastTextOutlivesTheSheet) {
    add(movement("Affitto ufficio", "02/01/2024", "+100,00"));
    add(movement("Bolletta luce", "03/01/2024", "-10,00"));
    add(movement("\u00C8nel affitto", "04/01/2024", "-20,00"));
    period("01", "Gennaio", "31", "Dicembre");
    auto* selected = new int(-1);
    std::unique_ptr<int> owner(selected);
    const auto find = [](QDialog& d, const QString& key) {
        auto* box = child<QLineEdit>(d, "txtTrova");
        box->setText(key);
        child<QPushButton>(d, "btnTrova")->click();
        return child<QListWidget>(d, "lstRecords")->currentRow();
    };
    visualizza([&](QDialog& d) {
        EXPECT_EQ(child<QListWidget>(d, "lstRecords")->currentRow(), -1);
        EXPECT_EQ(find(d, "AFFITTO"), 0);
        EXPECT_EQ(find(d, "AFFITTO"), 2);
        EXPECT_EQ(find(d, "AFFITTO"), 0);    // wraps
        EXPECT_EQ(find(d, "\u00E8nel"), 2);  // accented capitals are lower-cased too
        EXPECT_EQ(find(d, "luce"), 1);
        EXPECT_EQ(find(d, "nessuna"), 1);  // no match: the selection stays
        EXPECT_EQ(find(d, "affitto"), 0);
        esci(d);
    });
    // A new sheet searched with the same text goes on after its selected
    // (first) line: the match on the first line comes after wrapping.
    visualizza([&](QDialog& d) {
        EXPECT_EQ(find(d, "affitto"), 2);
        EXPECT_EQ(find(d, "affitto"), 0);
        QTest::keyClick(child<QLineEdit>(d, "txtTrova"), Qt::Key_Return);
        EXPECT_TRUE(child<QPushButton>(d, "btnTrova")->hasFocus());
        esci(d);
    });
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Balance, PrintAsksThenGoesThroughThePrintDialog) {
    for (int i = 1; i <= 40; ++i)
        add(movement(QStringLiteral("Movimento %1").arg(i), "10/05/2024",
                     i % 2 ? "+10,00" : "-5,00"));
    period("01", "Maggio", "31", "Maggio");
    visualizza([this](QDialog& d) {
        desktop.messages().confirmations = {false, true};
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_EQ(desktop.printers().dialogs, 0);
        child<QPushButton>(d, "btnStampa")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 2u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Confirmation);
        EXPECT_EQ(desktop.messages().last().text, "Si vuole stampare la presente primanota?");
        EXPECT_EQ(desktop.printers().dialogs, 1);
        ASSERT_EQ(desktop.printers().printed.size(), 1);
        EXPECT_GT(QFileInfo(desktop.printers().printed[0]).size(), 1000);
        desktop.printers().installed = false;
        desktop.messages().confirmations = {true};
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
        esci(d);
    });
}

TEST_F(Balance, HelpOpensTheBalancePage) {
    period("01", "Gennaio", "31", "Gennaio");
    QString title, body;
    visualizza([&](QDialog& d) {
        desktop.dialogs().scripts.push_back([&](QDialog& help) {
            auto& guida = dynamic_cast<TfrmGuida&>(help);
            title = guida.title();
            body = guida.text();
            help.reject();
            return 0;
        });
        child<QToolButton>(d, "imgGuida")->click();
        esci(d);
    });
    EXPECT_EQ(title, "Applicazione Primanota e Bilancio.");
    EXPECT_TRUE(body.startsWith(
        "L'applicazione Primanota e Bilancio consente di visualizzare e stampare il "
        "registro di primanota della propria azienda"));
    EXPECT_EQ(body.split("\n\n").size(), 4);
}

TEST_F(Balance, PastedTextsAreCutOrRefused) {
    field("txtTipologia")->setText(QString(300, u'x'));
    field("txtTipologia")->selectAll();
    field("txtTipologia")->del();
    field("txtTipologia")->insert(QString(300, u'x'));
    EXPECT_EQ(field("txtTipologia")->text().size(), 250);
    field("txtAnno")->selectAll();
    field("txtAnno")->insert("99");
    period("01", "Gennaio", "31", "Dicembre");
    visualizza();
    EXPECT_EQ(desktop.messages().last().text,
              "Attenzione: indicare l'anno solare utilizzando quattro cifre.");
}

}  // namespace
}  // namespace vt
