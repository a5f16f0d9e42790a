#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "archive/recordfile.h"
#include "causali/Causali.h"
#include "causali/ExpCausali.h"
#include "causali/StampaCausale.h"
#include "causali/TrovaCausali.h"
#include "movements/Movimenti.h"
#include "support/uifakes.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt {
namespace {

template <typename T>
T* child(QWidget& w, const QString& name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

CausaleRecord causale(const QString& text, const QString& payer, const QString& payee,
                      const QString& amount, bool incoming) {
    CausaleRecord r;
    r.setFlag(cau::Entrata, incoming);
    r.setFlag(cau::Uscita, !incoming);
    r.setText(cau::Causale, text);
    r.setText(cau::Pagatore, payer);
    r.setText(cau::Beneficiario, payee);
    r.setText(cau::Importo, amount);
    r.setText(cau::ImportoSegnato, (incoming ? u'+' : u'-') + amount);
    return r;
}

class CausaliWindows : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio menu;
    TfrmMovimenti movements;
    TfrmCausali card;

    void SetUp() override {
        screens::clear();
        screens::add(&menu);
        screens::add(&movements);
        screens::add(&card);
        desktop.clock().day = QDate(2024, 3, 5);
        desktop.clock().time = QTime(10, 15, 2);
    }
    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }
    void store(const QList<CausaleRecord>& records) {
        const CausaliFile file(causaliFilePath());
        for (const auto& r : records) ASSERT_TRUE(file.append(r).ok());
    }
    // A list script: checks the lines, then double-clicks the line that
    // starts with `pick` (or closes the list when it is empty).
    std::function<int(QDialog&)> listScript(QStringList* lines, const QString& pick,
                                            QString* memory = nullptr) {
        return [=](QDialog& d) {
            auto* list = child<QListWidget>(d, QStringLiteral("lstRecords"));
            if (memory) *memory = child<QLabel>(d, QStringLiteral("lblMemory"))->text();
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Riepilogo causali movimenti"));
            EXPECT_EQ(d.focusWidget(), child<QLineEdit>(d, QStringLiteral("txtTrova")));
            for (int i = 0; i < list->count(); ++i) lines->append(list->item(i)->text());
            if (pick.isEmpty()) {
                child<QPushButton>(d, QStringLiteral("btnChiudi"))->click();
                return d.result();
            }
            for (int i = 0; i < list->count(); ++i) {
                QListWidgetItem* item = list->item(i);
                if (!item->text().startsWith(pick)) continue;
                list->setCurrentItem(item);
                emit list->itemDoubleClicked(item);
                break;
            }
            EXPECT_FALSE(d.isVisible());
            return d.result();
        };
    }
    QString text(QWidget& w, const char* name) {
        return child<QLineEdit>(w, QLatin1String(name))->text();
    }
};

TEST_F(CausaliWindows, ListShowsSortedCausaliAndCallsOneUpInTheCausaleCard) {
    store({causale(QStringLiteral("luce"), QStringLiteral("Rossi"), QStringLiteral("Enel"),
                   QStringLiteral("80,00"), false),
           causale(QStringLiteral("  "), QStringLiteral("Nessuno"), QStringLiteral("X"),
                   QStringLiteral("1,00"), true),
           causale(QStringLiteral("Affitto"), QStringLiteral("Rossi"), QStringLiteral("Bianchi"),
                   QStringLiteral("450,00"), false),
           causale(QStringLiteral("Parcella"), QStringLiteral("Verdi"), QStringLiteral("Rossi"),
                   QStringLiteral("1200,00"), true)});
    card.show();
    QStringList lines;
    QString memory;
    desktop.dialogs().scripts.push_back(listScript(&lines, QStringLiteral("luce"), &memory));
    child<QToolButton>(card, QStringLiteral("cmdTrova"))->click();
    EXPECT_EQ(memory, QStringLiteral("causali"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Affitto ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("luce ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Parcella ")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("  Importo: -80,00")));
    EXPECT_EQ(text(card, "txtCausale"), QStringLiteral("luce"));
    EXPECT_EQ(text(card, "txtBeneficiario"), QStringLiteral("Enel"));
    EXPECT_TRUE(child<QRadioButton>(card, QStringLiteral("optUscita"))->isChecked());
    EXPECT_EQ(child<QLabel>(card, QStringLiteral("lblImporto"))->text(),
              QStringLiteral("Importo in uscita: \u20AC"));
    EXPECT_EQ(child<QLabel>(card, QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(CausaliWindows, ImportFillsTheMovementCardAndKeepsItsOwnFields) {
    CausaleRecord rent = causale(QStringLiteral("Affitto"), QStringLiteral("Rossi"),
                                 QStringLiteral("Bianchi"), QStringLiteral("450,00"), false);
    rent.setText(cau::Promemoria, QStringLiteral("Mensile"));
    rent.setText(cau::Email, QStringLiteral("a@b.it"));
    rent.setText(cau::Tariffa, QStringLiteral("T1"));
    store({rent});
    const QString year = yearFilePath(QStringLiteral("2024"));
    child<QLabel>(movements, QStringLiteral("lblFile"))->setText(year);
    movements.show();
    child<QLineEdit>(movements, QStringLiteral("txtDataSca"))
        ->setText(QStringLiteral("31/03/2024"));
    child<QLineEdit>(movements, QStringLiteral("txtPreavviso"))->setText(QStringLiteral("7"));
    child<QLineEdit>(movements, QStringLiteral("txtRicevuta"))->setText(QStringLiteral("R-1"));
    child<QCheckBox>(movements, QStringLiteral("chkSaldato"))->setChecked(true);

    QStringList lines;
    QString memory;
    desktop.dialogs().scripts.push_back(listScript(&lines, QStringLiteral("Affitto"), &memory));
    child<QToolButton>(movements, QStringLiteral("impCausale"))->click();
    EXPECT_EQ(memory, QStringLiteral("movimenti"));
    EXPECT_EQ(text(movements, "txtCausale"), QStringLiteral("Affitto"));
    EXPECT_EQ(text(movements, "txtPromemoria"), QStringLiteral("Mensile"));
    EXPECT_EQ(text(movements, "txtImporto"), QStringLiteral("450,00"));
    EXPECT_EQ(text(movements, "txtTotale"), QStringLiteral("-450,00"));
    EXPECT_EQ(text(movements, "txtEmail"), QStringLiteral("a@b.it"));
    EXPECT_EQ(text(movements, "txtTariffa"), QStringLiteral("T1"));
    EXPECT_TRUE(child<QRadioButton>(movements, QStringLiteral("optUscita"))->isChecked());
    EXPECT_EQ(child<QLabel>(movements, QStringLiteral("lblImporto"))->text(),
              QStringLiteral("Importo in uscita: \u20AC"));
    // The movement's own fields stay.
    EXPECT_EQ(text(movements, "txtData"), QStringLiteral("05/03/2024"));
    EXPECT_EQ(text(movements, "txtDataSca"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(text(movements, "txtPreavviso"), QStringLiteral("7"));
    EXPECT_EQ(text(movements, "txtRicevuta"), QStringLiteral("R-1"));
    EXPECT_TRUE(child<QCheckBox>(movements, QStringLiteral("chkSaldato"))->isChecked());
    EXPECT_EQ(child<QLabel>(movements, QStringLiteral("lblPosizione"))->text(), QString());

    // The movement is saved as any other.
    child<QToolButton>(movements, QStringLiteral("cmdSalva"))->click();
    EXPECT_EQ(desktop.messages().last().text,
              QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
    const auto saved = MovementFile(year).read(1);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->text(mov::ImportoSegnato), QStringLiteral("-450,00"));
    EXPECT_EQ(saved->text(mov::Causale), QStringLiteral("Affitto"));
}

TEST_F(CausaliWindows, ImportIntoAnUnwritableYearFillsTheCardAndTheSaveReportsTheFailure) {
    store({causale(QStringLiteral("Affitto"), QStringLiteral("Rossi"), QStringLiteral("Bianchi"),
                   QStringLiteral("450,00"), true)});
    const QString year = yearFilePath(QStringLiteral("2024"));
    ASSERT_TRUE(QDir().mkpath(year));  // a folder where the year file should be
    child<QLabel>(movements, QStringLiteral("lblFile"))->setText(year);
    movements.show();
    child<QLineEdit>(movements, QStringLiteral("txtDataSca"))
        ->setText(QStringLiteral("31/03/2024"));
    QStringList lines;
    desktop.dialogs().scripts.push_back(listScript(&lines, QStringLiteral("Affitto")));
    child<QToolButton>(movements, QStringLiteral("impCausale"))->click();
    EXPECT_EQ(text(movements, "txtCausale"), QStringLiteral("Affitto"));
    child<QToolButton>(movements, QStringLiteral("cmdSalva"))->click();
    ASSERT_FALSE(desktop.messages().shown.empty());
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
}

TEST_F(CausaliWindows, UnreadableArchiveIsReportedOverAnEmptyListAndClosingChangesNothing) {
    ASSERT_TRUE(QDir().mkpath(causaliFilePath()));
    card.show();
    QStringList lines;
    // The message comes once the list is on the screen.
    desktop.dialogs().scripts.push_back([look = listScript(&lines, QString())](QDialog& d) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        return look(d);
    });
    child<QToolButton>(card, QStringLiteral("cmdTrova"))->click();
    EXPECT_TRUE(lines.isEmpty());
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages().last().text, accessFailureMessage());
    EXPECT_EQ(child<QLabel>(card, QStringLiteral("lblPosizione"))->text(), QString());
}

TEST_F(CausaliWindows, ListPrintsItsLinesUnderItsTitle) {
    store({causale(QStringLiteral("Luce"), QStringLiteral("Rossi"), QStringLiteral("Enel"),
                   QStringLiteral("80,00"), false)});
    TfrmTrovaCausali list(&card);
    list.setMemory(QStringLiteral("causali"));
    list.show();
    child<QPushButton>(list, QStringLiteral("btnStampa"))->click();
    ASSERT_EQ(desktop.printers().printed.size(), 1);
    EXPECT_EQ(TfrmTrovaCausali::printTitle(), QStringLiteral("Riepilogo causali movimenti"));
}

TEST_F(CausaliWindows, CardPrintFillsTheSheetFromTheCardAsOnScreen) {
    card.show();
    child<QRadioButton>(card, QStringLiteral("optUscita"))->click();
    child<QLineEdit>(card, QStringLiteral("txtCausale"))->setText(QStringLiteral("  Affitto  "));
    child<QLineEdit>(card, QStringLiteral("txtImporto"))->setText(QStringLiteral("450,00"));
    child<QLineEdit>(card, QStringLiteral("txtNote"))->setText(QStringLiteral("[DATE] resta"));
    std::map<QString, QString> texts;
    int pages = 0;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        auto& w = static_cast<TfrmStampaCausale&>(d);
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Stampa scheda corrente"));
        auto& layout = w.repDocumento().layout();
        EXPECT_EQ(layout.name, QStringLiteral("Scheda Causale"));
        EXPECT_EQ(layout.find(QStringLiteral("txtCalce"))->rect, QRectF(1, 83, 188, 5.8));
        EXPECT_EQ(layout.find(QStringLiteral("txtNote"))->rect.top(), 7 + 14 * 5);
        child<QPushButton>(d, QStringLiteral("btnStampa"))->click();
        for (const auto& page : w.repDocumento().prepared().pages)
            for (const auto& o : page.objects) texts[o.object.name] = o.lines.join(u'\n');
        pages = w.repDocumento().pageCount();
        return 0;
    });
    child<QToolButton>(card, QStringLiteral("cmdStampa"))->click();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(texts[QStringLiteral("titArcataSup")],
              QStringLiteral("SCHEDA INFORMATIVA CAUSALE MOVIMENTO"));
    EXPECT_EQ(texts[QStringLiteral("txtTipo")], QStringLiteral("Uscita"));
    EXPECT_EQ(texts[QStringLiteral("txtCausale")], QStringLiteral("Affitto"));
    EXPECT_EQ(texts[QStringLiteral("txtImporto")], QStringLiteral("450,00"));
    EXPECT_EQ(texts[QStringLiteral("titTariffa")], QStringLiteral("Tariffa applicata:"));
    EXPECT_EQ(texts[QStringLiteral("txtCalce")],
              QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 10:15:02"));
    EXPECT_EQ(desktop.printers().printed.size(), 1);

    // A new card prints "Entrata" and empty values.
    child<QToolButton>(card, QStringLiteral("cmdNuovo"))->click();
    texts.clear();
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        auto& w = static_cast<TfrmStampaCausale&>(d);
        child<QPushButton>(d, QStringLiteral("btnStampa"))->click();
        for (const auto& page : w.repDocumento().prepared().pages)
            for (const auto& o : page.objects) texts[o.object.name] = o.lines.join(u'\n');
        return 0;
    });
    child<QToolButton>(card, QStringLiteral("cmdStampa"))->click();
    EXPECT_EQ(texts[QStringLiteral("txtTipo")], QStringLiteral("Entrata"));
    EXPECT_EQ(texts[QStringLiteral("txtCausale")], QString());
}

TEST_F(CausaliWindows, ExportShowsEveryRecordAndWritesCausaliXls) {
    store({causale(QStringLiteral("Luce"), QStringLiteral("Rossi"), QStringLiteral("Enel"),
                   QStringLiteral("80,00"), false),
           causale(QString(), QStringLiteral("Verdi"), QString(), QStringLiteral("1,00"), true)});
    card.show();
    desktop.messages().confirmations = {true, false};
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        const QAbstractItemModel* grid =
            child<QTableView>(d, QStringLiteral("grdRecords"))->model();
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Esporta archivio causali in Microsoft Excel"));
        EXPECT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(grid->columnCount(), 16);
        EXPECT_EQ(grid->index(0, 1).data().toString(), QStringLiteral("Uscita"));
        EXPECT_EQ(grid->index(0, 4).data().toString(), QStringLiteral("-80,00"));
        EXPECT_EQ(grid->index(1, 0).data().toString(), QStringLiteral("2"));
        EXPECT_EQ(grid->index(1, 5).data().toString(), QStringLiteral("Verdi"));
        child<QToolButton>(d, QStringLiteral("cmdEsporta"))->click();
        child<QToolButton>(d, QStringLiteral("cmdEsci"))->click();
        return d.result();
    });
    child<QToolButton>(card, QStringLiteral("cmdEsporta"))->click();
    QFile f(desktop.file(QStringLiteral("Causali.xls")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray file = f.readAll();
    EXPECT_TRUE(file.contains("<x:Name>Riepilogo causali movimenti</x:Name>"));
    EXPECT_EQ(file.count("<tr>"), 3);
    EXPECT_TRUE(file.contains("Verdi"));
    EXPECT_LT(file.indexOf("Luce"), file.indexOf("Verdi"));
}

// The payer and beneficiary buttons open the registry picker in their roles;
// a pick fills only that party's fields of the causale card.
TEST_F(CausaliWindows, RegistryPicksFillThePayerOrTheBeneficiaryOfTheCausale) {
    ClientRecord person;
    person.setText(cli::Cliente, QStringLiteral("Rossi Mario"));
    person.setText(cli::Recapito, QStringLiteral("Via Roma 1"));
    person.setText(cli::CodFisc, QStringLiteral("RSSMRA80A01F205X"));
    person.setText(cli::PartitaIva, QStringLiteral("00743110157"));
    person.setText(cli::Email, QStringLiteral("m@r.it"));
    person.setText(cli::Note, QStringLiteral("non copiata"));
    ASSERT_TRUE(ClientFile(clientiFilePath()).append(person).ok());
    card.show();
    const std::pair<const char*, const char*> before[] = {
        {"txtCausale", "Affitto"},
        {"txtPagatore", "vecchio"},
        {"txtRecapitoPag", "vecchio"},
        {"txtCodFisc", "VECCHIO"},
        {"txtPartitaIva", "111"},
        {"txtEmail", "old@x.it"},
        {"txtBeneficiario", "vecchio"},
        {"txtRecapitoBen", "vecchio"},
        {"txtNote", "nota"},
    };
    for (const auto& [name, value] : before)
        child<QLineEdit>(card, QLatin1String(name))->setText(QLatin1String(value));
    auto pick = [&](const char* button) {
        QString memory;
        desktop.dialogs().scripts.push_back([&memory](QDialog& d) {
            memory = child<QLabel>(d, QStringLiteral("lblMemory"))->text();
            child<QPushButton>(d, QStringLiteral("btnCerca"))->click();
            auto* list = child<QListWidget>(d, QStringLiteral("lstRecords"));
            EXPECT_EQ(list->count(), 1);
            list->setCurrentRow(0);
            emit list->itemDoubleClicked(list->item(0));
            EXPECT_FALSE(d.isVisible());
            return 0;
        });
        child<QToolButton>(card, QLatin1String(button))->click();
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
        return memory;
    };

    EXPECT_EQ(pick("impBeneficiario"), QStringLiteral("causali_beneficiario"));
    EXPECT_EQ(text(card, "txtBeneficiario"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(text(card, "txtRecapitoBen"), QStringLiteral("Via Roma 1"));
    EXPECT_EQ(text(card, "txtPagatore"), QStringLiteral("vecchio"));
    EXPECT_EQ(text(card, "txtCodFisc"), QStringLiteral("VECCHIO"));
    EXPECT_EQ(text(card, "txtEmail"), QStringLiteral("old@x.it"));

    EXPECT_EQ(pick("impPagatore"), QStringLiteral("causali_pagatore"));
    EXPECT_EQ(text(card, "txtPagatore"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(text(card, "txtRecapitoPag"), QStringLiteral("Via Roma 1"));
    EXPECT_EQ(text(card, "txtCodFisc"), QStringLiteral("RSSMRA80A01F205X"));
    EXPECT_EQ(text(card, "txtPartitaIva"), QStringLiteral("00743110157"));
    EXPECT_EQ(text(card, "txtEmail"), QStringLiteral("m@r.it"));
    EXPECT_EQ(text(card, "txtCausale"), QStringLiteral("Affitto"));
    EXPECT_EQ(text(card, "txtNote"), QStringLiteral("nota"));
    EXPECT_EQ(child<QLabel>(card, QStringLiteral("lblPosizione"))->text(), QString());
    EXPECT_TRUE(desktop.messages().shown.empty());
}

}  // namespace
}  // namespace vt
