#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/conventions.h"
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

TEST(HoverHints, DesignedTextUntilFirstMoveThenHintThenEmptyOverBackground) {
    Form f;
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QTest::mouseMove(f.cmdGo, QPoint(5, 5));
    EXPECT_EQ(f.panInfo->text(), QStringLiteral("Avvia l'operazione."));
    QTest::mouseMove(f.panel, QPoint(50, 50));
    EXPECT_EQ(f.panInfo->text(), QString());
    QTest::mouseMove(f.cmdGo, QPoint(6, 6));
    QTest::mouseMove(&f.window, QPoint(350, 120));
    EXPECT_EQ(f.panInfo->text(), QString());
}

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

TEST(KeyFilters, DigitFieldSwallowsOtherTypedKeysButNotPaste) {
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
    f.txtB->setFocus();
    QTest::keyClicks(f.txtB, QStringLiteral("12,5x "));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Egrave, Qt::NoModifier, QStringLiteral("\u00E8"));
    QApplication::sendEvent(f.txtB, &accented);
    EXPECT_EQ(f.txtB->text(), QStringLiteral("12,5"));
    // Text that arrives otherwise than by typing is not filtered.
    f.txtA->insert(QStringLiteral("x"));
    EXPECT_EQ(f.txtA->text(), QStringLiteral("1x"));
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
