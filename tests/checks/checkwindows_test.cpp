#include "checks/checkwindows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIVA.h"
#include "checks/generators.h"
#include "support/uifakes.h"

namespace vt {
namespace {

using test::CodeGenerator;
using test::FakeDesktop;

const QString kFiscalLength = QStringLiteral(
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kVatLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kCardEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
    "controllo.");
const QString kIbanLength =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");

template <typename W>
QLineEdit* field(W& w, const char* name) {
    auto* f = w.template findChild<QLineEdit*>(QLatin1String(name));
    EXPECT_NE(f, nullptr) << name;
    return f;
}
inline QPushButton* button(QWidget& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

void showAndActivate(QDialog& w) {
    w.show();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
}

// What one check window is and a few texts that exercise it.
struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> create;
    const char* fieldName;
    int maxLength;
    QString caption;
    QString title;
    QString tooShort, tooShortMessage;  // keeps the window open
    QString valid;                      // closes with information
    QString wrong;                      // closes with a warning
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

std::vector<WindowCase> windowCases() {
    CodeGenerator gen(41);
    const QString code = gen.fiscalCode();
    const QString vat = gen.vatNumber(15);
    const QString card = gen.cardNumber("4", 16);
    const QString iban = gen.italianIban();
    return {
        {"CodFisc", [] { return std::make_unique<TfrmCodFisc>(); }, "txtCodFisc", 16,
         QStringLiteral(" Controllo codice fiscale"),
         QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
         code.left(15), kFiscalLength, code, gen.changed(code, 15)},
        {"PartitaIva", [] { return std::make_unique<TfrmPartitaIva>(); }, "txtPartitaIva", 11,
         QStringLiteral(" Controllo partita IVA"),
         QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
         vat.left(10), kVatLength, vat, gen.changed(vat, 10)},
        {"Carta", [] { return std::make_unique<TfrmCarta>(); }, "txtNumero", 30,
         QStringLiteral(" Controllo carta di credito"),
         QStringLiteral(
             "Immettere il numero di carta di credito e premere il pulsante di controllo."),
         QString(), kCardEmpty, card, gen.changed(card, 15)},
        {"Iban", [] { return std::make_unique<TfrmIban>(); }, "txtIban", 27,
         QStringLiteral(" Controllo IBAN"),
         QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."), iban.left(26),
         kIbanLength, iban, gen.changed(iban, 26)},
    };
}

class CheckWindow : public ::testing::TestWithParam<WindowCase> {
protected:
    FakeDesktop desktop;
};

TEST_P(CheckWindow, ControlsAsDesigned) {
    const WindowCase& c = GetParam();
    auto w = c.create();
    EXPECT_EQ(w->windowTitle(), c.caption);
    auto* title = w->findChild<QLabel*>(QStringLiteral("lblTitolo"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), c.title);
    EXPECT_EQ(field(*w, c.fieldName)->maxLength(), c.maxLength);
    EXPECT_EQ(button(*w, "btnControlla")->text(), QStringLiteral("Controlla"));
    EXPECT_EQ(button(*w, "btnChiudi")->text(), QStringLiteral("Chiudi"));
    EXPECT_NE(qobject_cast<DialogWindow*>(w.get()), nullptr);
}

TEST_P(CheckWindow, FocusStartsInTheFieldAndEnterMovesItToControlla) {
    const WindowCase& c = GetParam();
    auto w = c.create();
    showAndActivate(*w);
    QLineEdit* f = field(*w, c.fieldName);
    EXPECT_TRUE(f->hasFocus());
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_TRUE(button(*w, "btnControlla")->hasFocus());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(desktop.messages().shown.empty());  // Enter did not run the check
}

TEST_P(CheckWindow, LengthWarningKeepsTheWindowOpenWithFocusInTheField) {
    const WindowCase& c = GetParam();
    auto w = c.create();
    showAndActivate(*w);
    QLineEdit* f = field(*w, c.fieldName);
    f->setText(c.tooShort);
    button(*w, "btnControlla")->setFocus();
    button(*w, "btnControlla")->click();
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Warning);
    EXPECT_EQ(desktop.messages().last().text, c.tooShortMessage);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(f->hasFocus());
    // A second try after mending the text gives the verdict and closes.
    f->setText(c.valid);
    button(*w, "btnControlla")->click();
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Information);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
}

TEST_P(CheckWindow, VerdictsCloseTheWindow) {
    const WindowCase& c = GetParam();
    for (const auto& [text, kind] :
         {std::pair{c.valid, MessageKind::Information}, std::pair{c.wrong, MessageKind::Warning}}) {
        auto w = c.create();
        showAndActivate(*w);
        field(*w, c.fieldName)->setText(text);
        QTest::mouseClick(button(*w, "btnControlla"), Qt::LeftButton);
        ASSERT_FALSE(desktop.messages().shown.empty());
        EXPECT_EQ(desktop.messages().last().kind, kind) << text.toStdString();
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(desktop.messages().shown.size(), 2u);
}

TEST_P(CheckWindow, ChiudiClosesWithoutCheckingAndEscapeDoesNotClose) {
    const WindowCase& c = GetParam();
    auto w = c.create();
    showAndActivate(*w);
    field(*w, c.fieldName)->setText(c.wrong);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    button(*w, "btnChiudi")->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_TRUE(desktop.messages().shown.empty());
}

INSTANTIATE_TEST_SUITE_P(All, CheckWindow, ::testing::ValuesIn(windowCases()),
                         [](const ::testing::TestParamInfo<WindowCase>& p) {
                             return std::string(p.param.name);
                         });

TEST(CheckFields, FiscalCodeAndIbanAreKeptTrimmedInUpperCaseWithoutKeyFilter) {
    FakeDesktop desktop;
    TfrmCodFisc cf;
    showAndActivate(cf);
    QLineEdit* code = field(cf, "txtCodFisc");
    QTest::keyClicks(code, QStringLiteral(" rss-mr"));
    EXPECT_EQ(code->text(), QStringLiteral("RSS-MR"));
    code->setText(QStringLiteral("  abc  "));
    EXPECT_EQ(code->text(), QStringLiteral("ABC"));
    // A letter typed in the middle goes where the cursor is.
    code->setCursorPosition(1);
    QTest::keyClicks(code, QStringLiteral("x"));
    EXPECT_EQ(code->text(), QStringLiteral("AXBC"));
    EXPECT_EQ(code->cursorPosition(), 2);
    // Only a to z become capitals: a sharp s stays one letter.
    code->setText(QStringLiteral("stra\u00DFe"));
    EXPECT_EQ(code->text(), QStringLiteral("STRA\u00DFE"));

    TfrmIban ib;
    showAndActivate(ib);
    QLineEdit* iban = field(ib, "txtIban");
    // A blank typed at the end is trimmed at once, so groups cannot be
    // typed apart; other characters pass.
    QTest::keyClicks(iban, QStringLiteral("it60 x-"));
    EXPECT_EQ(iban->text(), QStringLiteral("IT60X-"));
}

TEST(CheckFields, VatAndCardFieldsTakeOnlyTypedDigits) {
    FakeDesktop desktop;
    TfrmPartitaIva vat;
    showAndActivate(vat);
    QLineEdit* number = field(vat, "txtPartitaIva");
    QTest::keyClicks(number, QStringLiteral("12a3 -4.5x"));
    EXPECT_EQ(number->text(), QStringLiteral("12345"));
    QTest::keyClick(number, Qt::Key_Left);
    QTest::keyClick(number, Qt::Key_Backspace);
    QTest::keyClick(number, Qt::Key_Right);
    QTest::keyClick(number, Qt::Key_Delete);  // nothing right of the cursor
    EXPECT_EQ(number->text(), QStringLiteral("1235"));
    // A caller's text is not filtered, nor changed.
    vat.setNumber(QStringLiteral("ab 1"));
    EXPECT_EQ(number->text(), QStringLiteral("ab 1"));

    TfrmCarta card;
    showAndActivate(card);
    QLineEdit* digits = field(card, "txtNumero");
    QTest::keyClicks(digits, QStringLiteral("4111-1111 abc"));
    EXPECT_EQ(digits->text(), QStringLiteral("41111111"));
    card.setNumber(QStringLiteral(" 4111 1111 "));
    EXPECT_EQ(digits->text(), QStringLiteral("4111 1111"));
}

TEST(CheckMessages, FiscalCodeTypedInLowerCaseIsCheckedInUpperCase) {
    FakeDesktop desktop;
    TfrmCodFisc w;
    showAndActivate(w);
    const QString code = CodeGenerator(42).fiscalCode();
    QTest::keyClicks(field(w, "txtCodFisc"), code.toLower());
    EXPECT_EQ(field(w, "txtCodFisc")->text(), code);
    button(w, "btnControlla")->click();
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().text,
              QStringLiteral("Il codice fiscale digitato è VALIDO."));
}

TEST(CheckMessages, CardNumbersBeginningWith32Or39CloseWithoutAnyMessage) {
    FakeDesktop desktop;
    CodeGenerator gen(43);
    for (const char* prefix : {"32", "39"}) {
        TfrmCarta w;
        showAndActivate(w);
        w.setNumber(gen.cardNumber(prefix, 16));
        button(w, "btnControlla")->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST(CheckMessages, BlankCardFieldAsksForTheNumber) {
    FakeDesktop desktop;
    TfrmCarta w;
    showAndActivate(w);
    w.setNumber(QStringLiteral("    "));
    button(w, "btnControlla")->click();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().text, kCardEmpty);
}

TEST(CheckMessages, VisaNumberNamesItsType) {
    FakeDesktop desktop;
    TfrmCarta w;
    showAndActivate(w);
    const QString number = CodeGenerator(44).cardNumber("4", 16);
    QTest::keyClicks(field(w, "txtNumero"), number);
    button(w, "btnControlla")->click();
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Information);
    EXPECT_EQ(desktop.messages().last().text,
              QStringLiteral("Il numero di carta di credito ") + number +
                  QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è "
                                 "del tipo Visa."));
}

// The opening rule as the card editors use it: the dialog runs through the
// scripted runner, which hands it over shown.
struct Opened {
    QString className;
    QString fieldText;
};

Opened openThrough(FakeDesktop& desktop, const std::function<void()>& open, const char* fieldName,
                   bool pressControlla = false) {
    Opened seen;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        seen.className = QString::fromLatin1(d.metaObject()->className());
        if (auto* f = d.findChild<QLineEdit*>(QLatin1String(fieldName))) seen.fieldText = f->text();
        if (pressControlla) {
            d.findChild<QPushButton*>(QStringLiteral("btnControlla"))->click();
            return d.result();
        }
        d.findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
        return d.result();
    });
    open();
    EXPECT_TRUE(desktop.dialogs().scripts.empty());
    return seen;
}

TEST(OpeningRule, FiscalCodeFieldOfDigitsOpensTheVatNumberCheck) {
    FakeDesktop desktop;
    QWidget owner;
    const QString vat = CodeGenerator(45).vatNumber(96);
    auto seen = openThrough(
        desktop, [&] { openFiscalCodeCheck(&owner, QStringLiteral(" ") + vat + u' '); },
        "txtPartitaIva", true);
    EXPECT_EQ(seen.className, QStringLiteral("TfrmPartitaIva"));
    EXPECT_EQ(seen.fieldText, vat);
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_TRUE(
        desktop.messages().last().text.endsWith(QStringLiteral("del Comune di Monza (Milano 2).")));
}

TEST(OpeningRule, AnyOtherFiscalCodeFieldOpensTheFiscalCodeCheck) {
    FakeDesktop desktop;
    QWidget owner;
    for (const QString& text :
         {QString(), QStringLiteral("  rssmra80a01h501u "), QStringLiteral("0123456789 7")}) {
        auto seen = openThrough(
            desktop, [&] { openFiscalCodeCheck(&owner, text); }, "txtCodFisc");
        EXPECT_EQ(seen.className, QStringLiteral("TfrmCodFisc"));
        EXPECT_EQ(seen.fieldText, text.trimmed().toUpper());
    }
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST(OpeningRule, LongerDigitFieldIsNotCutToElevenDigits) {
    // Twelve digits whose first eleven make a valid number: the check must
    // see all twelve and ask for eleven, not call the cut-off number valid.
    FakeDesktop desktop;
    QWidget owner;
    const QString vat = CodeGenerator(46).vatNumber(1);
    auto seen = openThrough(
        desktop, [&] { openFiscalCodeCheck(&owner, vat + u'5'); }, "txtPartitaIva", true);
    EXPECT_EQ(seen.fieldText, vat + u'5');
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().text, kVatLength);
}

TEST(OpeningRule, OtherButtonsOpenTheirWindowWithTheTrimmedText) {
    FakeDesktop desktop;
    QWidget owner;
    auto vat = openThrough(
        desktop, [&] { openVatNumberCheck(&owner, QStringLiteral(" 12345 ")); }, "txtPartitaIva");
    EXPECT_EQ(vat.className, QStringLiteral("TfrmPartitaIva"));
    EXPECT_EQ(vat.fieldText, QStringLiteral("12345"));
    auto card = openThrough(
        desktop, [&] { openCardCheck(&owner, QStringLiteral(" 4111 1111 1111 1111 ")); },
        "txtNumero");
    EXPECT_EQ(card.className, QStringLiteral("TfrmCarta"));
    EXPECT_EQ(card.fieldText, QStringLiteral("4111 1111 1111 1111"));
    auto iban = openThrough(
        desktop, [&] { openIbanCheck(&owner, QStringLiteral(" it60x0542811101000000123456")); },
        "txtIban", true);
    EXPECT_EQ(iban.className, QStringLiteral("TfrmIban"));
    EXPECT_EQ(iban.fieldText, QStringLiteral("IT60X0542811101000000123456"));
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().text, QStringLiteral("L'IBAN digitato è VALIDO."));
    EXPECT_EQ(desktop.dialogs().opened,
              (QStringList{QStringLiteral("TfrmPartitaIva"), QStringLiteral("TfrmCarta"),
                           QStringLiteral("TfrmIban")}));
}

}  // namespace
}  // namespace vt
