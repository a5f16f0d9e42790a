#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/conventions.h"
#include "app/pictures.h"
#include "app/uiservices.h"
#include "app/windows.h"
#include "support/uifakes.h"

namespace vt {
namespace {

// A small window laid out as the program's windows are: fields with their
// highlight rectangles, a hinted button and the status text.
struct Form {
    QWidget window;
    QFrame* panel = new QFrame(&window);
    QFrame* effA = new QFrame(&window);
    QLineEdit* txtA = new QLineEdit(&window);
    QLineEdit* txtB = new QLineEdit(&window);
    QLineEdit* txtC = new QLineEdit(&window);
    QPushButton* cmdGo = new QPushButton(QStringLiteral("Vai"), &window);
    QLabel* panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), &window);

    Form() {
        window.resize(400, 300);
        panel->setGeometry(0, 150, 400, 100);
        effA->setObjectName(QStringLiteral("effA"));
        txtA->setObjectName(QStringLiteral("txtA"));
        txtB->setObjectName(QStringLiteral("txtB"));
        txtA->setGeometry(10, 10, 100, 20);
        txtB->setGeometry(10, 40, 100, 20);
        txtC->setGeometry(10, 70, 100, 20);
        cmdGo->setGeometry(200, 10, 80, 30);
        cmdGo->setStatusTip(QStringLiteral("Avvia l'operazione."));
        panInfo->setGeometry(0, 270, 400, 20);
        installHoverHints(&window, panInfo);
        installFocusHighlights(&window);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

// Hints must behave the same whatever the style: Fusion adds hover events of
// its own, the Windows style does not, and the program's theme turns on
// hover handling for the widgets it styles.
struct Look {
    const char* style;
    bool themed;
};

class HoverHints : public ::testing::TestWithParam<Look> {
protected:
    QString previousStyle = QApplication::style()->name();
    void SetUp() override {
        ASSERT_NE(QApplication::setStyle(QLatin1String(GetParam().style)), nullptr);
        if (GetParam().themed) applyTheme(*qApp);
    }
    void TearDown() override {
        qApp->setStyleSheet(QString());
        QApplication::setStyle(previousStyle);
    }
};

TEST_P(HoverHints, ControlsShowTheirHintTheBackgroundEmptiesALabelLeavesIt) {
    Form f;
    auto* picture = new Picture(f.panel);
    picture->setObjectName(QStringLiteral("imgEsci"));
    picture->setSource(QStringLiteral(":/icons/esci.svg"));
    picture->setStatusTip(QStringLiteral("Chiude la finestra."));
    picture->setGeometry(10, 10, 40, 40);
    auto* tool = new QToolButton(f.panel);
    tool->setObjectName(QStringLiteral("cmdSalva"));
    tool->setStatusTip(QStringLiteral("Salva la scheda."));
    tool->setGeometry(60, 10, 40, 40);
    auto* option = new QRadioButton(QStringLiteral("Entrata"), f.panel);
    option->setObjectName(QStringLiteral("optEntrata"));
    option->setStatusTip(QStringLiteral("Pagamento in entrata."));
    option->setGeometry(110, 10, 100, 30);
    auto* label = new QLabel(QStringLiteral("Causale"), f.panel);
    label->setObjectName(QStringLiteral("lblCausale"));
    label->setGeometry(220, 10, 100, 30);
    // Built after the hints were installed, as some windows add controls
    // later: install again, as such a window does.
    installHoverHints(&f.window, f.panInfo);
    picture->show();
    tool->show();
    option->show();
    label->show();

    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QTest::mouseMove(f.cmdGo, QPoint(5, 5));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Avvia l'operazione."));
    QTest::mouseMove(f.panel, QPoint(300, 80));
    EXPECT_EQ(f.panInfo->text(), QString());
    QTest::mouseMove(picture, QPoint(20, 20));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Chiude la finestra."));
    QTest::mouseMove(picture, QPoint(21, 22));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Chiude la finestra."));
    QTest::mouseMove(label, QPoint(10, 10));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Chiude la finestra."));
    QTest::mouseMove(tool, QPoint(20, 20));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Salva la scheda."));
    QTest::mouseMove(option, QPoint(10, 10));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Pagamento in entrata."));
    QTest::mouseMove(&f.window, QPoint(350, 120));
    EXPECT_EQ(f.panInfo->text(), QString());
    QTest::mouseMove(f.cmdGo, QPoint(6, 6));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Avvia l'operazione."));
    // Straight from a control onto the status text, which is background too.
    QTest::mouseMove(f.panInfo, QPoint(10, 10));
    EXPECT_EQ(f.panInfo->text(), QString());
    QTest::mouseMove(option, QPoint(10, 10));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Pagamento in entrata."));
    QTest::mouseMove(f.panInfo, QPoint(300, 5));
    EXPECT_EQ(f.panInfo->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Styles, HoverHints,
                         ::testing::Values(Look{"Fusion", false}, Look{"Windows", false}, Look{"Fusion", true},
                                           Look{"Windows", true}),
                         [](const auto& p) {
                             return std::string(p.param.style) + (p.param.themed ? "Themed" : "Plain");
                         });

TEST(FocusHighlight, RectangleShowsOnlyWhileFocused) {
    Form f;
    f.txtB->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(f.effA->isVisible());
    f.txtA->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(f.effA->isVisible());
    f.txtB->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(f.effA->isVisible());
}

// A window torn down while a field has the focus may delete the rectangle
// first; the field losing the focus afterwards must not touch it.
TEST(FocusHighlight, FieldOutlivingItsRectangleLosesTheFocusSafely) {
    Form f;
    f.txtA->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(f.effA->isVisible());
    delete f.effA;
    f.txtB->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(f.txtB->hasFocus());
}

TEST(EnterChain, MovesAlongAndWraps) {
    Form f;
    installEnterChain({f.txtA, f.txtB, f.txtC});
    f.txtA->setFocus();
    QTest::keyClick(f.txtA, Qt::Key_Return);
    EXPECT_TRUE(f.txtB->hasFocus());
    QTest::keyClick(f.txtB, Qt::Key_Enter);
    EXPECT_TRUE(f.txtC->hasFocus());
    QTest::keyClick(f.txtC, Qt::Key_Return);
    EXPECT_TRUE(f.txtA->hasFocus());
}

TEST(EnterChain, TypingInTheFieldReachedReplacesWhatItShowed) {
    Form f;
    installEnterChain({f.txtA, f.txtB});
    f.txtB->setText(QStringLiteral("0,00"));
    f.txtA->setFocus();
    QTest::keyClick(f.txtA, Qt::Key_Return);
    ASSERT_TRUE(f.txtB->hasFocus());
    QTest::keyClicks(f.txtB, QStringLiteral("450"));
    EXPECT_EQ(f.txtB->text(), QStringLiteral("450"));
}

TEST(KeyFilters, DigitFieldSwallowsOtherTypedKeys) {
    Form f;
    installDigitFilter(f.txtA);
    installAmountFilter(f.txtB);
    f.txtA->setFocus();
    QTest::keyClicks(f.txtA, QStringLiteral("1a2,b.3-"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("123"));
    QTest::keyClick(f.txtA, Qt::Key_Left);
    QTest::keyClick(f.txtA, Qt::Key_Backspace);
    EXPECT_EQ(f.txtA->text(), QStringLiteral("13"));
    QTest::keyClick(f.txtA, Qt::Key_Delete);
    EXPECT_EQ(f.txtA->text(), QStringLiteral("1"));
    QTest::keyClick(f.txtA, Qt::Key_Home);
    QTest::keyClick(f.txtA, Qt::Key_2);
    QTest::keyClick(f.txtA, Qt::Key_End);
    QTest::keyClick(f.txtA, Qt::Key_3);
    EXPECT_EQ(f.txtA->text(), QStringLiteral("213"));
    f.txtB->setFocus();
    QTest::keyClicks(f.txtB, QStringLiteral("12,5x "));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Egrave, Qt::NoModifier, QStringLiteral("\u00E8"));
    QApplication::sendEvent(f.txtB, &accented);
    EXPECT_EQ(f.txtB->text(), QStringLiteral("12,5"));
    // Tab still leaves the field.
    QTest::keyClick(f.txtB, Qt::Key_Tab);
    EXPECT_FALSE(f.txtB->hasFocus());
    // The program's own texts are not filtered.
    f.txtA->setText(QStringLiteral("x1"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("x1"));
}

enum class PasteWay { CtrlV, ShiftInsert, Menu, Drop };

struct PasteCase {
    const char* name;
    const char* allowed;  // "digits", "amount"
    int maxLength;
    const char* clipboard;
    const char* accepted;  // nullptr: refused, the field keeps its text
};

class PastedText : public ::testing::TestWithParam<PasteCase> {};

// Opens the field's context menu and chooses "Incolla".
void pasteFromMenu(QLineEdit* field) {
    QContextMenuEvent request(QContextMenuEvent::Mouse, field->rect().center(),
                              field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
}

// Drags a text over the field and drops it there.
void dropOn(QLineEdit* field, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
}

// However it arrives (keyboard, context menu, drop), a pasted text comes in
// whole, without the blanks at its ends, or not at all: the field then keeps
// what it held. A drop inserts where it falls, so it starts on an empty field.
TEST_P(PastedText, ArrivesWholeOrIsRefused) {
    const PasteCase c = GetParam();
    for (PasteWay way : {PasteWay::CtrlV, PasteWay::ShiftInsert, PasteWay::Menu, PasteWay::Drop}) {
        SCOPED_TRACE(static_cast<int>(way));
        Form f;
        if (qstrcmp(c.allowed, "amount") == 0)
            installAmountFilter(f.txtA);
        else
            installDigitFilter(f.txtA);
        if (c.maxLength) f.txtA->setMaxLength(c.maxLength);
        const QString before = way == PasteWay::Drop ? QString() : QStringLiteral("9");
        f.txtA->setText(before);
        f.txtA->setFocus();
        f.txtA->selectAll();
        const QString text = QString::fromUtf8(c.clipboard);
        QGuiApplication::clipboard()->setText(text);
        if (way == PasteWay::CtrlV) QTest::keyClick(f.txtA, Qt::Key_V, Qt::ControlModifier);
        if (way == PasteWay::ShiftInsert) QTest::keyClick(f.txtA, Qt::Key_Insert, Qt::ShiftModifier);
        if (way == PasteWay::Menu) pasteFromMenu(f.txtA);
        if (way == PasteWay::Drop) dropOn(f.txtA, text);
        EXPECT_EQ(f.txtA->text(), c.accepted ? QString::fromUtf8(c.accepted) : before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PastedText,
    ::testing::Values(PasteCase{"notice", "digits", 3, "15", "15"},
                      PasteCase{"noticeWithAUnit", "digits", 3, "5g", nullptr},
                      PasteCase{"noticeWithAComma", "digits", 3, "1,5", nullptr},
                      PasteCase{"noticeTooLong", "digits", 3, "1000", nullptr},
                      PasteCase{"year", "digits", 4, " 2026\n", "2026"},
                      PasteCase{"yearWithLetters", "digits", 4, "ab12", nullptr},
                      PasteCase{"yearInText", "digits", 4, "anno 2026.", nullptr},
                      PasteCase{"amount", "amount", 15, " 12,50 ", "12,50"},
                      PasteCase{"amountWithAFullStop", "amount", 15, "12.50", nullptr},
                      PasteCase{"amountWithThousands", "amount", 15, "1.234,56", nullptr},
                      PasteCase{"amountInEnglish", "amount", 15, "1,234.56", nullptr},
                      PasteCase{"amountWithTheEuro", "amount", 15, "\u20AC 12,50", nullptr},
                      PasteCase{"amountWithLetters", "amount", 15, "ab12", nullptr},
                      PasteCase{"amountSigned", "amount", 15, "-80,5", nullptr}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(KeyFilters, ARefusedDropLeavesTheTextWhereItWas) {
    Form f;
    installDigitFilter(f.txtA);
    f.txtA->setText(QStringLiteral("12"));
    dropOn(f.txtA, QStringLiteral("2x3"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("12"));
    dropOn(f.txtA, QStringLiteral(" 34 "));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("1234"));
}

// An input method commits its text without a key: the same rule holds.
TEST(KeyFilters, AnInputMethodsTextFollowsThePasteRule) {
    Form f;
    installAmountFilter(f.txtA);
    f.txtA->setFocus();
    f.txtA->setText(QStringLiteral("7"));
    const auto commit = [&](const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(f.txtA, &event);
    };
    commit(QStringLiteral("1.5"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("7"));
    commit(QStringLiteral(",5"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("7,5"));
}

TEST(KeyFilters, AnUnfilteredPasteArrivesAsItIs) {
    Form f;
    installDigitFilter(f.txtA, PasteRule::Unfiltered);
    QGuiApplication::clipboard()->setText(QStringLiteral("IT 0123a"));
    f.txtA->setFocus();
    QTest::keyClick(f.txtA, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.txtA->text(), QStringLiteral("IT 0123a"));
    QTest::keyClicks(f.txtA, QStringLiteral("b4"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("IT 0123a4"));
    f.txtA->clear();
    dropOn(f.txtA, QStringLiteral(" x"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral(" x"));
}

// A typing limit binds the user, whatever way the text comes; the program's
// own texts arrive whole.
TEST(TypingLimit, BindsTheUserButNotTheProgram) {
    Form f;
    installTypingLimit(f.txtA, 5);
    installAmountFilter(f.txtB);
    installTypingLimit(f.txtB, 5);
    EXPECT_EQ(typingLimit(f.txtA), 5);
    f.txtA->setText(QStringLiteral("1234567890123,00"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("1234567890123,00"));
    f.txtB->setText(QStringLiteral("1234567890123,00"));
    EXPECT_EQ(f.txtB->text(), QStringLiteral("1234567890123,00"));

    f.txtA->setText(QStringLiteral("abc"));
    f.txtA->setFocus();
    f.txtA->end(false);
    QTest::keyClicks(f.txtA, QStringLiteral("defg"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("abcde"));
    // A selection typed over makes room.
    f.txtA->setSelection(0, 2);
    QTest::keyClicks(f.txtA, QStringLiteral("x"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("xcde"));
    // Pasted or dropped into a free-text field: cut to what fits.
    QGuiApplication::clipboard()->setText(QStringLiteral("uvwxyz"));
    f.txtA->end(false);
    QTest::keyClick(f.txtA, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.txtA->text(), QStringLiteral("xcdeu"));
    f.txtA->setText(QStringLiteral("ab"));
    pasteFromMenu(f.txtA);
    EXPECT_EQ(f.txtA->text(), QStringLiteral("abuvw"));
    f.txtA->setText(QStringLiteral("ab"));
    dropOn(f.txtA, QStringLiteral("uvwxyz"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("abuvw"));
    // Into a filtered field a number that does not fit is refused whole.
    f.txtB->setText(QStringLiteral("12"));
    f.txtB->setFocus();
    f.txtB->end(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("3456"));
    QTest::keyClick(f.txtB, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.txtB->text(), QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("345"));
    QTest::keyClick(f.txtB, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.txtB->text(), QStringLiteral("12345"));
}

// A window's designed lengths become typing limits.
TEST(TypingLimit, AWindowsDesignedLengthsBecomeTypingLimits) {
    Form f;
    f.txtA->setMaxLength(3);
    installTypingLimits(&f.window);
    EXPECT_EQ(typingLimit(f.txtA), 3);
    EXPECT_EQ(typingLimit(f.txtB), f.txtB->maxLength());
    f.txtA->setText(QStringLiteral("123,45"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("123,45"));
    f.txtA->clear();
    f.txtA->setFocus();
    QTest::keyClicks(f.txtA, QStringLiteral("1234"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("123"));
}

// Enter in a dialog's field never presses its default button; Enter,
// Return and Space press a focused push button, in dialogs and screens.
struct Buttons {
    QLineEdit* field;
    QPushButton* first;
    QPushButton* second;
    int firstPresses = 0;
    int secondPresses = 0;
    Buttons(QWidget* window) {
        field = new QLineEdit(window);
        first = new QPushButton(QStringLiteral("Cerca"), window);
        second = new QPushButton(QStringLiteral("Annulla"), window);
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(field);
        layout->addWidget(first);
        layout->addWidget(second);
        QObject::connect(first, &QPushButton::clicked, [this] { ++firstPresses; });
        QObject::connect(second, &QPushButton::clicked, [this] { ++secondPresses; });
    }
};

TEST(EnterKey, InADialogFieldPressesNothingOnAFocusedButtonPressesIt) {
    test::FakeDesktop desktop;
    DialogWindow dialog(nullptr);
    Buttons b(&dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    b.field->setFocus();
    QTest::keyClick(b.field, Qt::Key_Return);
    QTest::keyClick(b.field, Qt::Key_Enter);
    EXPECT_EQ(b.firstPresses + b.secondPresses, 0);
    EXPECT_TRUE(dialog.isVisible());
    installEnterMovesTo(b.field, b.second);
    QTest::keyClick(b.field, Qt::Key_Return);
    EXPECT_TRUE(b.second->hasFocus());
    EXPECT_EQ(b.secondPresses, 0);
    QTest::keyClick(b.second, Qt::Key_Return);
    QTest::keyClick(b.second, Qt::Key_Enter);
    QTest::keyClick(b.second, Qt::Key_Space);
    EXPECT_EQ(b.secondPresses, 3);
    EXPECT_EQ(b.firstPresses, 0);
    b.second->setAutoDefault(false);
    QTest::keyClick(b.second, Qt::Key_Return);
    EXPECT_EQ(b.secondPresses, 4);
}

TEST(EnterKey, InAScreenWindowTheSecondEnterPressesTheButtonReached) {
    ScreenWindow screen;
    Buttons b(&screen);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    QApplication::setActiveWindow(&screen);
    installEnterMovesTo(b.field, b.first);
    b.field->setFocus();
    QTest::keyClick(b.field, Qt::Key_Return);
    EXPECT_TRUE(b.first->hasFocus());
    EXPECT_EQ(b.firstPresses, 0);
    QTest::keyClick(b.first, Qt::Key_Return);
    EXPECT_EQ(b.firstPresses, 1);
    QTest::keyClick(b.first, Qt::Key_Enter);
    QTest::keyClick(b.first, Qt::Key_Space);
    EXPECT_EQ(b.firstPresses, 3);
    // Enter in the field only moves the focus again.
    QTest::keyClick(b.field, Qt::Key_Return);
    EXPECT_EQ(b.firstPresses + b.secondPresses, 3);
}

TEST(Messages, ParagraphBreaksShowAsOneEmptyLine) {
    EXPECT_EQ(displayText(QStringLiteral("a\n\r\n\rb")), QStringLiteral("a\n\nb"));
    EXPECT_EQ(displayText(QStringLiteral("a\r\n\r\nb")), QStringLiteral("a\n\nb"));
}

// The real message boxes: icon and buttons of each form, Italian words.
struct Expected {
    MessageKind kind;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class MessageForms : public ::testing::TestWithParam<Expected> {};

TEST_P(MessageForms, HaveTheirIconButtonsAndItalianWords) {
    const Expected e = GetParam();
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons buttons;
    QString text;
    QStringList words;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        buttons = box->standardButtons();
        text = box->text();
        for (auto* b : box->buttons()) words.append(b->text().remove(u'&'));
        box->button(box->standardButtons().testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes)
            ->click();
    });
    const bool answer = MessageService().show(nullptr, e.kind, QStringLiteral("Uno\n\r\n\rDue"));
    EXPECT_TRUE(answer);
    EXPECT_EQ(icon, e.icon);
    EXPECT_EQ(buttons, e.buttons);
    EXPECT_EQ(text, QStringLiteral("Uno\n\nDue"));
    for (const QString& w : words) {
        EXPECT_NE(w, QStringLiteral("Cancel"));
        EXPECT_NE(w, QStringLiteral("Yes"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MessageForms,
    ::testing::Values(
        Expected{MessageKind::Warning, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel},
        Expected{MessageKind::Error, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel},
        Expected{MessageKind::Information, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel},
        Expected{MessageKind::Confirmation, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
        Expected{MessageKind::Notice, QMessageBox::NoIcon, QMessageBox::Ok}));

TEST(Messages, ItalianButtonWords) {
    QStringList words;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (auto* b : box->buttons()) words.append(b->text().remove(u'&'));
        box->button(QMessageBox::Yes)->click();
    });
    MessageService().show(nullptr, MessageKind::Confirmation, QStringLiteral("?"));
    words.sort();
    EXPECT_EQ(words, (QStringList{"No", QStringLiteral("S\u00EC")}));
}

TEST(Dialogs, FakeRunnerFailsOnAnUnexpectedDialogInsteadOfWaiting) {
    test::FakeDesktop desktop;
    DialogWindow dialog(nullptr);
    EXPECT_NONFATAL_FAILURE(dialogRunner().run(dialog), "unexpected dialog");
}

}  // namespace
}  // namespace vt
