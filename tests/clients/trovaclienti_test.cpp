#include "clients/TrovaClienti.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "archive/recordfile.h"
#include "causali/Causali.h"
#include "movements/Movimenti.h"
#include "support/uifakes.h"

namespace vt {
namespace {

struct Person {
    QString cliente;
    QString comune = "Milano", recapito = "02 1234567", occupazione = "Impiegato",
            prodotti = "Assicurazioni", note = "cliente storico", email = "m@r.it",
            codFisc = "RSSMRA80A01F205X", partitaIva = "00743110157";
};

ClientRecord person(const Person& p) {
    ClientRecord r;
    r.setText(cli::Cliente, p.cliente);
    r.setText(cli::ComuneRes, p.comune);
    r.setText(cli::Recapito, p.recapito);
    r.setText(cli::Occupazione, p.occupazione);
    r.setText(cli::Prodotti, p.prodotti);
    r.setText(cli::Note, p.note);
    r.setText(cli::Email, p.email);
    r.setText(cli::CodFisc, p.codFisc);
    r.setText(cli::PartitaIva, p.partitaIva);
    r.setText(cli::Ricontatta, "No");
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

void doubleClick(QWidget& d, int row) {
    test::doubleClickRow(child<QListWidget>(d, "lstRecords"), row);
}

class Picker : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    QString path = clientiFilePath();

    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }
    void add(const Person& p) { ASSERT_TRUE(ClientFile(path).append(person(p))); }

    // Runs `drive` on the next dialog opened.
    void script(const std::function<void(QDialog&)>& drive) { desktop.dialogs().drive(drive); }
    void open(const std::function<void(QDialog&)>& drive, const QString& memory = "clienti",
              QWidget* owner = nullptr) {
        script(drive);
        openDialog<TfrmTrovaClienti>(owner, [&](TfrmTrovaClienti& d) { d.setMemory(memory); });
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
    }
};

TEST_F(Picker, BlankFiltersListEveryCardSortedWithTheCount) {
    add({"rossi Mario"});
    add({"Bianchi Anna"});
    add({"Verdi Luca"});
    open([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Trova pagatori e beneficiari in archivio");
        EXPECT_TRUE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_FALSE(child<QWidget>(d, "panContainer")->isVisible());
        EXPECT_TRUE(child<QLineEdit>(d, "txtCliente")->hasFocus());
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), "Il presente elenco contiene 0 schede.");
        child<QPushButton>(d, "btnCerca")->click();
        EXPECT_FALSE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_TRUE(child<QWidget>(d, "panContainer")->isVisible());
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(),
                  "Il presente riepilogo contiene 3 schede.");
        const QStringList l = lines(d);
        ASSERT_EQ(l.size(), 3);
        EXPECT_TRUE(l[0].startsWith("Bianchi Anna "));
        EXPECT_TRUE(l[1].startsWith("rossi Mario "));
        EXPECT_TRUE(l[2].startsWith("Verdi Luca "));
        EXPECT_TRUE(child<QLineEdit>(d, "txtTrova")->hasFocus());
        child<QPushButton>(d, "btnChiudi")->click();
        EXPECT_EQ(child<QListWidget>(d, "lstRecords")->count(), 0);
        EXPECT_FALSE(child<QLabel>(d, "lblAttendere")->isVisible());
    });
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Picker, CapitalSurnameAndSmallTownBothMustMatch) {
    add({"Mario Rossi", "Monza"});
    add({"Luca ROSSI", "Milano"});
    add({"Anna Bianchi", "MILANO"});
    open([](QDialog& d) {
        QTest::keyClicks(child<QLineEdit>(d, "txtCliente"), "ROSSI");
        QTest::keyClicks(child<QLineEdit>(d, "txtComuneRes"), "milano");
        // A field of blanks is no filter.
        QTest::keyClicks(child<QLineEdit>(d, "txtNote"), "  ");
        child<QPushButton>(d, "btnCerca")->click();
        const QStringList l = lines(d);
        ASSERT_EQ(l.size(), 1);
        EXPECT_TRUE(l[0].startsWith("Luca ROSSI "));
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

TEST_F(Picker, EnterMovesAlongTheRingOfFilters) {
    open([](QDialog& d) {
        const char* ring[] = {"txtCliente",   "txtComuneRes",   "txtPartitaIva", "txtCodFisc",
                              "txtDocumento", "txtOccupazione", "txtProdotti",   "txtZona",
                              "txtQuestioni", "txtNote"};
        for (const char* name : ring) {
            auto* field = child<QLineEdit>(d, name);
            EXPECT_TRUE(field->hasFocus()) << name;
            EXPECT_TRUE(
                child<QWidget>(d, ("eff" + QByteArray(name).mid(3)).constData())->isVisible())
                << name;
            QTest::keyClick(field, Qt::Key_Return);
        }
        EXPECT_TRUE(child<QLineEdit>(d, "txtCliente")->hasFocus());
        child<QPushButton>(d, "btnAnnulla")->click();
        EXPECT_FALSE(d.isVisible());
    });
}

TEST_F(Picker, EmptyArchiveListsNothingAndFindAndPrintStillWork) {
    open([this](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(),
                  "Il presente riepilogo contiene 0 schede.");
        QTest::keyClicks(child<QLineEdit>(d, "txtTrova"), "x");
        child<QPushButton>(d, "btnTrova")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().text,
                  "Ricerca non applicabile: la lista non contiene nessuna voce.");
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_EQ(desktop.printers().printed.size(), 1);
        child<QPushButton>(d, "btnChiudi")->click();
    });
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(Picker, AnUnreadableArchiveShowsTheNoticeAndStaysOnTheFilters) {
    ASSERT_TRUE(QDir(desktop.dir()).mkdir("Clienti.pro"));
    open([this](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        ASSERT_EQ(desktop.messages().shown.size(), 1u);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
        EXPECT_EQ(desktop.messages().last().text,
                  "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi "
                  "di possedere i "
                  "privilegi di scrittura nella cartella di installazione del programma.");
        EXPECT_TRUE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_FALSE(child<QWidget>(d, "panContainer")->isVisible());
        child<QPushButton>(d, "btnAnnulla")->click();
    });
}

TEST_F(Picker, PrintsTheListWithItsTitle) {
    add({"Rossi"});
    open([this](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_EQ(desktop.printers().printed.size(), 1);
        child<QPushButton>(d, "btnChiudi")->click();
    });
    EXPECT_EQ(TfrmTrovaClienti::printTitle(), "Riepilogo pagatori e beneficiari");
}

// What the payer and beneficiary fields, and a field no role fills, held
// before a pick into a movement or causale card.
using Preset = std::pair<const char*, const char*>;
const Preset kBefore[] = {
    {"txtPagatore", "vecchio pagatore"},
    {"txtRecapitoPag", "vecchio"},
    {"txtCodFisc", "VECCHIO"},
    {"txtPartitaIva", "111"},
    {"txtEmail", "old@x.it"},
    {"txtBeneficiario", "vecchio beneficiario"},
    {"txtRecapitoBen", "vecchio recapito"},
    {"txtCategoria", "Fornitori"},
};

// The movement card's two import buttons open the picker in their roles.
class MovementPick : public Picker {
protected:
    TfrmMovimenti card;
    void SetUp() override {
        screens::add(&card);
        child<QLabel>(card, "lblFile")->setText(yearFilePath("2024"));
        for (const Preset& p : kBefore) child<QLineEdit>(card, p.first)->setText(p.second);
        child<QLineEdit>(card, "txtCausale")->setText("Affitto");
        child<QLineEdit>(card, "txtNote")->setText("nota");
    }
    QString text(const char* name) { return child<QLineEdit>(card, name)->text(); }
    void pickFirst(const char* button, const char* marker, int row = 0) {
        script([marker, row](QDialog& d) {
            EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QString::fromLatin1(marker));
            child<QPushButton>(d, "btnCerca")->click();
            doubleClick(d, row);
            EXPECT_FALSE(d.isVisible());
        });
        child<QToolButton>(card, button)->click();
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
    }
};

TEST_F(MovementPick, PayerFillsTheFivePayerFieldsOnly) {
    add({" Rossi Mario ", "Milano", " Via Roma 1 "});
    pickFirst("impPagatore", "movimenti_pagatore");
    EXPECT_EQ(text("txtPagatore"), "Rossi Mario");
    EXPECT_EQ(text("txtRecapitoPag"), "Via Roma 1");
    EXPECT_EQ(text("txtCodFisc"), "RSSMRA80A01F205X");
    EXPECT_EQ(text("txtPartitaIva"), "00743110157");
    EXPECT_EQ(text("txtEmail"), "m@r.it");
    EXPECT_EQ(text("txtBeneficiario"), "vecchio beneficiario");
    EXPECT_EQ(text("txtRecapitoBen"), "vecchio recapito");
    EXPECT_EQ(text("txtCausale"), "Affitto");
    EXPECT_EQ(text("txtCategoria"), "Fornitori");
    EXPECT_EQ(text("txtNote"), "nota");
    EXPECT_EQ(child<QLabel>(card, "lblPosizione")->text(), "");
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(MovementPick, BeneficiaryFillsNameAndContactOnly) {
    add({"Studio Bianchi", "Roma", "06 555"});
    pickFirst("impBeneficiario", "movimenti_beneficiario");
    EXPECT_EQ(text("txtBeneficiario"), "Studio Bianchi");
    EXPECT_EQ(text("txtRecapitoBen"), "06 555");
    EXPECT_EQ(text("txtPagatore"), "vecchio pagatore");
    EXPECT_EQ(text("txtRecapitoPag"), "vecchio");
    EXPECT_EQ(text("txtCodFisc"), "VECCHIO");
    EXPECT_EQ(text("txtPartitaIva"), "111");
    EXPECT_EQ(text("txtEmail"), "old@x.it");
}

TEST_F(MovementPick, TwoCardsWithTheSameLineEachHandOverTheirOwn) {
    Person first{"Rossi Mario"};
    first.email = "primo@x.it";
    Person second = first;
    second.email = "secondo@x.it";
    add(first);
    add(second);
    pickFirst("impPagatore", "movimenti_pagatore", 0);
    EXPECT_EQ(text("txtEmail"), "primo@x.it");
    pickFirst("impPagatore", "movimenti_pagatore", 1);
    EXPECT_EQ(text("txtEmail"), "secondo@x.it");
}

TEST_F(MovementPick, ARegistryThatBecameUnreadableClosesSilentlyAndKeepsTheCard) {
    add({"Rossi Mario"});
    script([](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
        doubleClick(d, 0);
        EXPECT_FALSE(d.isVisible());
    });
    child<QToolButton>(card, "impPagatore")->click();
    setIoFaultHook(nullptr);
    EXPECT_EQ(text("txtPagatore"), "vecchio pagatore");
    EXPECT_EQ(text("txtEmail"), "old@x.it");
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(MovementPick, ADoubleClickOnNothingJustCloses) {
    add({"Rossi Mario"});
    script([](QDialog& d) {
        child<QPushButton>(d, "btnCerca")->click();
        auto* list = child<QListWidget>(d, "lstRecords");
        list->clearSelection();
        list->setCurrentItem(nullptr);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           QPoint(5, list->viewport()->height() - 5));
        EXPECT_FALSE(d.isVisible());
    });
    child<QToolButton>(card, "impPagatore")->click();
    EXPECT_EQ(text("txtPagatore"), "vecchio pagatore");
    EXPECT_TRUE(desktop.messages().shown.empty());
}

// The causale card is reached as a screen window by its class, and its
// payer and beneficiary fields by their names.
class CausalePick : public Picker {
protected:
    TfrmCausali card;
    void SetUp() override {
        screens::add(&card);
        for (const Preset& p : kBefore) {
            auto* field = card.findChild<QLineEdit*>(QString::fromLatin1(p.first));
            if (!field) {
                field = new QLineEdit(&card);
                field->setObjectName(QString::fromLatin1(p.first));
            }
            field->setText(QString::fromLatin1(p.second));
        }
    }
    QString text(const char* name) { return child<QLineEdit>(card, name)->text(); }
    // Every field of the card that the role leaves as it was.
    void expectKeptBut(const QStringList& filled) {
        for (const auto& [name, was] : kBefore) {
            if (filled.contains(QString::fromLatin1(name))) continue;
            EXPECT_EQ(text(name), QString::fromLatin1(was)) << name;
        }
    }
    void pick(const char* marker) {
        open(
            [](QDialog& d) {
                child<QPushButton>(d, "btnCerca")->click();
                doubleClick(d, 0);
                EXPECT_FALSE(d.isVisible());
            },
            QString::fromLatin1(marker));
    }
};

TEST_F(CausalePick, PayerFillsTheFivePayerFields) {
    add({" Rossi Mario ", "Milano", " Via Roma 1 "});
    pick("causali_pagatore");
    EXPECT_EQ(text("txtPagatore"), "Rossi Mario");
    EXPECT_EQ(text("txtRecapitoPag"), "Via Roma 1");
    EXPECT_EQ(text("txtCodFisc"), "RSSMRA80A01F205X");
    EXPECT_EQ(text("txtPartitaIva"), "00743110157");
    EXPECT_EQ(text("txtEmail"), "m@r.it");
    expectKeptBut({"txtPagatore", "txtRecapitoPag", "txtCodFisc", "txtPartitaIva", "txtEmail"});
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(CausalePick, BeneficiaryFillsNameAndContactOnly) {
    add({"Studio Bianchi", "Roma", "06 555"});
    pick("causali_beneficiario");
    EXPECT_EQ(text("txtBeneficiario"), "Studio Bianchi");
    EXPECT_EQ(text("txtRecapitoBen"), "06 555");
    expectKeptBut({"txtBeneficiario", "txtRecapitoBen"});
}

}  // namespace
}  // namespace vt
