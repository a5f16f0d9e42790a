#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "movements/MenuMovimenti.h"
#include "movements/Movimenti.h"
#include "support/uifakes.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vt {
namespace {

class YearChoice : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio mainMenu;
    TfrmMenuMovimenti years;
    TfrmMovimenti card;

    void SetUp() override {
        screens::clear();
        screens::add(&mainMenu);
        screens::add(&years);
        screens::add(&card);
        screens::switchTo(&mainMenu, &years);
        years.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&years));
    }
    void TearDown() override { screens::clear(); }

    QLineEdit* year() { return years.findChild<QLineEdit*>(QStringLiteral("txtAnnoPreventivi")); }
    QPushButton* apri() { return years.findChild<QPushButton*>(QStringLiteral("btnApriPreventivi")); }
    QString memory() { return years.findChild<QLabel*>(QStringLiteral("lblMemory"))->text(); }
    QString cardFile() { return card.findChild<QLabel*>(QStringLiteral("lblFile"))->text(); }
    QStringList visible() {
        QStringList out;
        for (QWidget* w : screens::all())
            if (w->isVisible()) out.append(QString::fromLatin1(w->metaObject()->className()));
        return out;
    }
};

TEST_F(YearChoice, ShowsTheCurrentYearWithTheFocusAndLeadsBackToTheMainMenu) {
    EXPECT_EQ(years.windowTitle(), QStringLiteral(" Vantresa 4.0 - Registro Movimenti"));
    EXPECT_EQ(year()->text(), QStringLiteral("2026"));
    EXPECT_EQ(year()->maxLength(), 4);
    EXPECT_EQ(memory(), QStringLiteral("avvio"));
    EXPECT_TRUE(year()->hasFocus());
    EXPECT_EQ(years.findChild<QLabel*>(QStringLiteral("lblInfo"))->text(),
              QStringLiteral("In questo ambiente \u00E8 possibile registrare i movimenti di denaro in entrata e in "
                             "uscita."));
    EXPECT_EQ(years.findChild<QLabel*>(QStringLiteral("intAnnoPreventivi"))->text(),
              QStringLiteral("Registrazione entrate e uscite:"));
    EXPECT_EQ(years.findChild<QLabel*>(QStringLiteral("titAnnoPreventivi"))->text(), QStringLiteral("Anno:"));
    EXPECT_EQ(apri()->text(), QStringLiteral("Apri"));
    years.close();
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
}

TEST_F(YearChoice, ExitPictureLeadsToTheMainMenu) {
    years.findChild<QToolButton*>(QStringLiteral("imgEsci"))->click();
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(YearChoice, HelpPictureOpensTheRegistersPage) {
    QString title;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        if (auto* l = d.findChild<QLabel*>(QStringLiteral("lblTitolo"))) title = l->text();
        return int(QDialog::Rejected);
    });
    years.findChild<QToolButton*>(QStringLiteral("imgGuida"))->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmGuida"});
    EXPECT_EQ(title, QStringLiteral("Applicazione Registro Movimenti."));
}

TEST_F(YearChoice, YearFieldTakesDigitsAndEnterMovesToApriWithoutPressingIt) {
    year()->clear();
    QTest::keyClicks(year(), QStringLiteral("2a0-2.5"));
    EXPECT_EQ(year()->text(), QStringLiteral("2025"));
    QTest::keyClick(year(), Qt::Key_Return);
    EXPECT_TRUE(apri()->hasFocus());
    EXPECT_EQ(visible(), QStringList{"TfrmMenuMovimenti"});
}

TEST_F(YearChoice, EnterTwiceOpensTheYear) {
    year()->setText(QStringLiteral("2025"));
    QTest::keyClick(year(), Qt::Key_Return);
    ASSERT_TRUE(apri()->hasFocus());
    QTest::keyClick(apri(), Qt::Key_Return);
    EXPECT_EQ(visible(), QStringList{"TfrmMovimenti"});
    EXPECT_EQ(cardFile(), desktop.file(QStringLiteral("2025.eur")));
}

TEST_F(YearChoice, APastedYearArrivesWholeOrNotAtAll) {
    // "ab12" would pass the four-character check and name a file "ab12.eur";
    // keeping only its digits would open year 12 instead.
    year()->setText(QStringLiteral("2025"));
    year()->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("ab12"));
    QTest::keyClick(year(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(year()->text(), QStringLiteral("2025"));
    QGuiApplication::clipboard()->setText(QStringLiteral("anno 2024."));
    QTest::keyClick(year(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(year()->text(), QStringLiteral("2025"));
    // Too long for the field: refused rather than cut into another year.
    QGuiApplication::clipboard()->setText(QStringLiteral("20241"));
    QTest::keyClick(year(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(year()->text(), QStringLiteral("2025"));
    // Blanks at the ends do not count.
    year()->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral(" 2024\n"));
    QTest::keyClick(year(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(year()->text(), QStringLiteral("2024"));
    apri()->click();
    EXPECT_EQ(visible(), QStringList{"TfrmMovimenti"});
    EXPECT_EQ(cardFile(), desktop.file(QStringLiteral("2024.eur")));
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(YearChoice, OnlyFourCharactersOpenAYear) {
    for (const char* typed : {"", "202", "1"}) {
        year()->setText(QString::fromLatin1(typed));
        apri()->setFocus();
        apri()->click();
        ASSERT_FALSE(desktop.messages().shown.empty());
        EXPECT_EQ(desktop.messages().last().text,
                  QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Warning);
        EXPECT_TRUE(year()->hasFocus()) << typed;
        EXPECT_EQ(visible(), QStringList{"TfrmMenuMovimenti"});
    }
}

TEST_F(YearChoice, ApriHandsTheYearFileToTheCardAndShowsANewCard) {
    year()->setText(QStringLiteral("0123"));
    apri()->click();
    EXPECT_EQ(visible(), QStringList{"TfrmMovimenti"});
    EXPECT_EQ(cardFile(), desktop.file(QStringLiteral("0123.eur")));
    EXPECT_EQ(card.windowTitle(), QStringLiteral(" Vantresa 4.0 - Registro movimenti anno 0123"));
    EXPECT_EQ(memory(), QStringLiteral("movimenti"));
    EXPECT_FALSE(QFile::exists(cardFile()));
    EXPECT_TRUE(desktop.messages().shown.empty());
    // Closing the card leads to the main menu, not back here.
    card.close();
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
}

TEST_F(YearChoice, OpeningAYearAgainStartsOnANewCardDatedToday) {
    MovementRecord r;
    r.setText(mov::Causale, QStringLiteral("Vecchia"));
    r.setFlag(mov::Entrata, false);
    r.setFlag(mov::Uscita, true);
    ASSERT_TRUE(MovementFile(desktop.file(QStringLiteral("2026.eur"))).append(r).ok());
    apri()->click();
    card.findChild<QToolButton*>(QStringLiteral("cmdPrimo"))->click();
    ASSERT_EQ(card.findChild<QLineEdit*>(QStringLiteral("txtCausale"))->text(), QStringLiteral("Vecchia"));
    card.close();
    screens::switchTo(&mainMenu, &years);
    EXPECT_EQ(memory(), QStringLiteral("avvio"));
    apri()->click();
    EXPECT_EQ(card.findChild<QLineEdit*>(QStringLiteral("txtCausale"))->text(), QString());
    EXPECT_EQ(card.findChild<QLineEdit*>(QStringLiteral("txtData"))->text(), QStringLiteral("09/12/2026"));
    EXPECT_EQ(card.findChild<QLabel*>(QStringLiteral("lblPosizione"))->text(), QString());
    EXPECT_TRUE(card.findChild<QRadioButton*>(QStringLiteral("optEntrata"))->isChecked());
}

}  // namespace
}  // namespace vt
