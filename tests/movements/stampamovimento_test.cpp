#include "movements/StampaMovimento.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "movements/Movimenti.h"
#include "support/uifakes.h"

namespace vt {
namespace {

template <typename T>
T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

class CardPrint : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmMovimenti card;
    void SetUp() override {
        screens::add(&card);
        desktop.clock().day = QDate(2024, 3, 5);
        desktop.clock().time = QTime(10, 15, 2);
    }
    void TearDown() override { screens::clear(); }

    // Presses "Stampa" and returns the memo texts of the prepared sheet.
    std::map<QString, QString> print(int* pages = nullptr) {
        std::map<QString, QString> texts;
        desktop.dialogs().scripts.push_back([&](QDialog& d) {
            auto& w = static_cast<TfrmStampaMovimento&>(d);
            EXPECT_EQ(d.windowTitle(), " Stampa scheda corrente");
            child<QPushButton>(d, "btnStampa")->click();
            EXPECT_FALSE(d.isVisible());
            for (const auto& page : w.repDocumento().prepared().pages)
                for (const auto& o : page.objects) texts[o.object.name] = o.lines.join(u'\n');
            if (pages) *pages = w.repDocumento().pageCount();
            return 0;
        });
        openDialog<TfrmStampaMovimento>(&card);
        return texts;
    }
};

TEST_F(CardPrint, PrintsTheCardAsOnScreen) {
    child<QRadioButton>(card, "optUscita")->setChecked(true);
    child<QCheckBox>(card, "chkSaldato")->setChecked(true);
    child<QLineEdit>(card, "txtCausale")->setText("  Affitto ufficio  ");
    child<QLineEdit>(card, "txtImporto")->setText("1234,50");
    child<QLineEdit>(card, "txtPagamento")->setText("Bonifico");
    child<QLineEdit>(card, "txtTariffa")->setText("Ordinaria");
    int pages = 0;
    auto texts = print(&pages);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(texts["titArcataSup"], "SCHEDA INFORMATIVA MOVIMENTO");
    EXPECT_EQ(texts["txtTipo"], "Uscita");
    EXPECT_EQ(texts["txtSaldato"], "S\u00EC");
    EXPECT_EQ(texts["txtCausale"], "Affitto ufficio");
    EXPECT_EQ(texts["txtImporto"], "1234,50");
    EXPECT_EQ(texts["txtPagamento"], "Bonifico");
    EXPECT_EQ(texts["titPagamento"], "Modalit\u00E0 pagamento:");
    EXPECT_EQ(texts["txtTariffa"], "Ordinaria");
    EXPECT_EQ(texts["txtCalce"], "Stampa eseguita in data 05/03/2024 alle ore 10:15:02");
    ASSERT_EQ(desktop.printers().printed.size(), 1);
    EXPECT_EQ(desktop.printers().dialogs, 0);
}

TEST_F(CardPrint, TextsThatLookLikeVariablesPrintAsTyped) {
    child<QLineEdit>(card, "txtNote")->setText("Pagare entro [DATE]");
    child<QLineEdit>(card, "txtCausale")->setText("[DATE] [TIME]");
    auto texts = print();
    EXPECT_EQ(texts["txtNote"], "Pagare entro [DATE]");
    EXPECT_EQ(texts["txtCausale"], "[DATE] [TIME]");
}

TEST_F(CardPrint, NewCardPrintsEntrataAndNo) {
    child<QRadioButton>(card, "optEntrata")->setChecked(true);
    child<QCheckBox>(card, "chkSaldato")->setChecked(false);
    auto texts = print();
    EXPECT_EQ(texts["txtTipo"], "Entrata");
    EXPECT_EQ(texts["txtSaldato"], "No");
}

TEST_F(CardPrint, LayoutGeometry) {
    TfrmStampaMovimento w(&card);
    auto& layout = w.repDocumento().layout();
    EXPECT_EQ(layout.page.orientation, QPageLayout::Portrait);
    EXPECT_EQ(layout.find("titArcataSup")->rect, QRectF(1, 1, 188, 5.8));
    EXPECT_EQ(layout.find("txtTipo")->rect, QRectF(44, 7, 144, 4.6));
    EXPECT_EQ(layout.find("titTipo")->rect, QRectF(2, 7, 37.8, 4.6));
    EXPECT_EQ(layout.find("txtSaldato")->rect.top(), 7 + 19 * 5);
    EXPECT_NEAR(layout.find("linDivisore")->rect.bottom(), 106.6, 1e-9);
    EXPECT_EQ(layout.find("txtCalce")->rect, QRectF(1, 109, 188, 5.8));
    EXPECT_EQ(layout.find("txtCalce")->text, "Data e ora stampa");
}

TEST_F(CardPrint, AnnullaPrintsNothing) {
    desktop.dialogs().scripts.push_back([](QDialog& d) {
        child<QPushButton>(d, "btnAnnulla")->click();
        EXPECT_FALSE(d.isVisible());
        return 0;
    });
    openDialog<TfrmStampaMovimento>(&card);
    EXPECT_TRUE(desktop.printers().printed.isEmpty());
}

TEST_F(CardPrint, NoPrinterGivesAClearMessage) {
    desktop.printers().installed = false;
    print();
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_TRUE(desktop.messages().last().text.startsWith("Attenzione: "));
    EXPECT_TRUE(desktop.printers().printed.isEmpty());
}

}  // namespace
}  // namespace vt
