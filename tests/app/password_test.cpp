#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

#include "app/logic/password.h"
#include "app/startup.h"
#include "app/windows.h"
#include "support/uifakes.h"

namespace vt {
namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kReadFailure = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si consiglia di "
    "reinstallare il software.");
const QString kChangeFailure = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si consiglia di "
    "reinstallare il software.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i "
    "valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Every file write of the process fails while it lives, as on a full or
// read-only disk; root is no exception.
class NoFileWrites {
public:
    NoFileWrites() {
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit none = old_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileWrites() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit old_{};
    void (*handler_)(int) = nullptr;
};

class LoginWindows : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    QWidget* login = nullptr;
    QWidget* change = nullptr;
    QWidget* menu = nullptr;

    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        login = createWindows();
        change = screens::byClassName("TfrmCambiaPassword");
        menu = screens::byClassName("TfrmAvvio");
        login->show();
    }
    void TearDown() override {
        for (QWidget* w : screens::all()) delete w;
        screens::clear();
    }

    template <typename T = QLineEdit>
    T* in(QWidget* window, const char* name) {
        auto* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QLineEdit* password() { return in(login, "txtPassword"); }
    QPushButton* loginOK() { return in<QPushButton>(login, "cmdOK"); }
    QPushButton* changeOK() { return in<QPushButton>(change, "cmdOK"); }
    QLineEdit* oldField() { return in(change, "txtPasswordOld"); }
    QLineEdit* newField() { return in(change, "txtPasswordNew"); }
    QLineEdit* confirmField() { return in(change, "txtConferma"); }

    void store(const QString& plain) { ASSERT_TRUE(password::writeStored(plain)); }
    QString storePath() const { return desktop.file(QStringLiteral("unins000.dll")); }

    void typeAndLogin(const QString& typed) {
        password()->clear();
        QTest::keyClicks(password(), typed);
        loginOK()->click();
    }
    void openChange() {
        in<QPushButton>(login, "btnCambiaPassword")->click();
        ASSERT_TRUE(change->isVisible());
    }
    void fillChange(const QString& oldText, const QString& newText, const QString& confirmation) {
        oldField()->setText(oldText);
        newField()->setText(newText);
        confirmField()->setText(confirmation);
    }
    QStringList shown() { return desktop.messages().texts(); }
};

TEST_F(LoginWindows, LoginWindowAtStart) {
    EXPECT_EQ(login->windowTitle(), QStringLiteral(" Vantresa 4.0 - Accesso"));
    EXPECT_FALSE(login->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_FALSE(login->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(login->minimumSize(), login->maximumSize());
    EXPECT_EQ(in<QLabel>(login, "lblRigo05")->text(), QStringLiteral("Immetti la password e premi OK."));
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(loginOK()->isEnabled());
    EXPECT_EQ(loginOK()->text(), QStringLiteral("OK"));
    EXPECT_EQ(in<QPushButton>(login, "btnCambiaPassword")->text(), QStringLiteral("Cambia password"));
    EXPECT_EQ(in<QPushButton>(login, "cmdEsci")->text(), QStringLiteral("Esci"));
    EXPECT_FALSE(in<QLabel>(login, "lblMemory")->isVisible());
    EXPECT_EQ(login->focusWidget(), password());
}

TEST_F(LoginWindows, OKIsEnabledOnlyForANonBlankEntry) {
    QTest::keyClicks(password(), QStringLiteral("   "));
    EXPECT_FALSE(loginOK()->isEnabled());
    QTest::keyClicks(password(), QStringLiteral("x"));
    EXPECT_TRUE(loginOK()->isEnabled());
    QTest::keyClick(password(), Qt::Key_Backspace);
    EXPECT_FALSE(loginOK()->isEnabled());
}

TEST_F(LoginWindows, EnterPressesOKOnlyForANonBlankEntry) {
    store(QStringLiteral("segreto1"));
    QTest::keyClicks(password(), QStringLiteral("  "));
    QTest::keyClick(password(), Qt::Key_Return);
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(login->isVisible());
    QTest::keyClicks(password(), QStringLiteral("segreto1"));
    QTest::keyClick(password(), Qt::Key_Return);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(login->isVisible());
}

TEST_F(LoginWindows, TheRightPasswordInAnyCaseAndWithBlanksOpensTheMainMenu) {
    store(QStringLiteral("segreto1"));
    for (const char* typed : {"segreto1", "SEGRETO1", " Segreto1  "}) {
        screens::switchTo(menu, login);
        typeAndLogin(QString::fromLatin1(typed));
        EXPECT_TRUE(menu->isVisible()) << typed;
        EXPECT_FALSE(login->isVisible()) << typed;
        EXPECT_TRUE(menu->windowState().testFlag(Qt::WindowMaximized));
    }
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(LoginWindows, AWrongPasswordEmptiesTheFieldAndDisablesOK) {
    store(QStringLiteral("segreto1"));
    typeAndLogin(QStringLiteral("segreto2"));
    EXPECT_EQ(shown(), QStringList{kWrong});
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    EXPECT_EQ(password()->text(), QString());
    EXPECT_FALSE(loginOK()->isEnabled());
    EXPECT_EQ(login->focusWidget(), password());
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(LoginWindows, NothingStoredMeansNoPasswordMatches) {
    for (const QByteArray& content : {QByteArray("[Altro]\nValore=52\n"), QByteArray("[Accesso]\nAltro=52\n"),
                                      QByteArray("[Accesso]\nValore=\n")}) {
        writeFile(storePath(), content);
        typeAndLogin(QStringLiteral("A"));
        EXPECT_EQ(desktop.messages().last().text, kWrong) << content.constData();
    }
    QFile::remove(storePath());
    typeAndLogin(QStringLiteral("A"));
    EXPECT_EQ(desktop.messages().last().text, kWrong);
    EXPECT_TRUE(login->isVisible());
}

TEST_F(LoginWindows, ADamagedStoreShowsTheReadingFailureAtLogin) {
    writeFile(storePath(), "[Accesso]\nValore=52XY\n");
    typeAndLogin(QStringLiteral("A"));
    EXPECT_EQ(shown(), QStringList{kReadFailure});
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(LoginWindows, ChangeWindowStartsEmptyAndNeedsAllThreeFields) {
    in<QLineEdit>(change, "txtPasswordOld")->setText(QStringLiteral("left over"));
    openChange();
    EXPECT_FALSE(login->isVisible());
    EXPECT_EQ(change->windowTitle(), QStringLiteral(" Cambia password"));
    EXPECT_FALSE(change->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(in<QLabel>(change, "lblRigo05")->text(), QStringLiteral("Vecchia password:"));
    EXPECT_EQ(in<QLabel>(change, "lblRigo06")->text(), QStringLiteral("Nuova password:"));
    EXPECT_EQ(in<QLabel>(change, "lblRigo07")->text(), QStringLiteral("Conferma nuova password:"));
    EXPECT_EQ(in<QPushButton>(change, "cmdEsci")->text(), QStringLiteral("Chiudi"));
    for (QLineEdit* f : {oldField(), newField(), confirmField()}) {
        EXPECT_EQ(f->text(), QString());
        EXPECT_EQ(f->echoMode(), QLineEdit::Password);
    }
    EXPECT_EQ(change->focusWidget(), oldField());
    EXPECT_FALSE(changeOK()->isEnabled());
    QTest::keyClicks(oldField(), QStringLiteral("a"));
    QTest::keyClicks(newField(), QStringLiteral("b"));
    EXPECT_FALSE(changeOK()->isEnabled());
    QTest::keyClicks(confirmField(), QStringLiteral(" "));
    EXPECT_FALSE(changeOK()->isEnabled());
    QTest::keyClicks(confirmField(), QStringLiteral("b"));
    EXPECT_TRUE(changeOK()->isEnabled());
    oldField()->clear();
    EXPECT_FALSE(changeOK()->isEnabled());
}

TEST_F(LoginWindows, EnterMovesAroundTheThreeFields) {
    openChange();
    QTest::keyClick(oldField(), Qt::Key_Return);
    EXPECT_EQ(change->focusWidget(), newField());
    QTest::keyClick(newField(), Qt::Key_Return);
    EXPECT_EQ(change->focusWidget(), confirmField());
    QTest::keyClick(confirmField(), Qt::Key_Return);
    EXPECT_EQ(change->focusWidget(), oldField());
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(LoginWindows, ASuccessfulChangeLeadsBackToTheLoginWithTheNewPassword) {
    store(QStringLiteral("vecchia1"));
    QTest::keyClicks(password(), QStringLiteral("typed"));
    openChange();
    fillChange(QStringLiteral(" VECCHIA1"), QStringLiteral("nuova99 "), QStringLiteral(" nuova99"));
    changeOK()->click();
    EXPECT_EQ(shown(), QStringList{kChanged});
    EXPECT_FALSE(change->isVisible());
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(password()->text(), QString());
    EXPECT_EQ(login->focusWidget(), password());
    typeAndLogin(QStringLiteral("vecchia1"));
    EXPECT_EQ(desktop.messages().last().text, kWrong);
    typeAndLogin(QStringLiteral("NUOVA99"));
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(LoginWindows, AWrongOldPasswordEmptiesOnlyThatField) {
    store(QStringLiteral("vecchia1"));
    openChange();
    fillChange(QStringLiteral("vecchia2"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    changeOK()->click();
    EXPECT_EQ(shown(), QStringList{kWrongOld});
    EXPECT_EQ(oldField()->text(), QString());
    EXPECT_EQ(newField()->text(), QStringLiteral("nuova"));
    EXPECT_EQ(change->focusWidget(), oldField());
    EXPECT_FALSE(changeOK()->isEnabled());
    EXPECT_TRUE(change->isVisible());
}

TEST_F(LoginWindows, ConfirmationMustMatchExactlyLetterCaseIncluded) {
    store(QStringLiteral("vecchia1"));
    const QByteArray before = [&] {
        QFile f(storePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    openChange();
    fillChange(QStringLiteral("vecchia1"), QStringLiteral("nuova"), QStringLiteral("NUOVA"));
    changeOK()->click();
    EXPECT_EQ(shown(), QStringList{kNotConfirmed});
    EXPECT_EQ(oldField()->text(), QStringLiteral("vecchia1"));
    EXPECT_EQ(newField()->text(), QString());
    EXPECT_EQ(confirmField()->text(), QString());
    EXPECT_EQ(change->focusWidget(), newField());
    QFile f(storePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(LoginWindows, APasswordWithTheEuroSignIsRefusedSoTheUserIsNotLockedOut) {
    store(QStringLiteral("vecchia1"));
    openChange();
    fillChange(QStringLiteral("vecchia1"), QStringLiteral("costo€"), QStringLiteral("costo€"));
    changeOK()->click();
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().front().startsWith(QStringLiteral("Attenzione: la nuova password contiene caratteri")));
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    EXPECT_EQ(newField()->text(), QString());
    EXPECT_EQ(confirmField()->text(), QString());
    EXPECT_TRUE(change->isVisible());
    EXPECT_EQ(password::checkLogin(QStringLiteral("vecchia1")), password::LoginResult::Match);
}

TEST_F(LoginWindows, StoreProblemsAtChange) {
    openChange();
    // Nothing stored: no old password can be right.
    fillChange(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"));
    changeOK()->click();
    EXPECT_EQ(desktop.messages().last().text, kWrongOld);
    EXPECT_FALSE(QFile::exists(storePath()));
    // A value that is not hexadecimal cannot be read.
    writeFile(storePath(), "[Accesso]\nValore=G1\n");
    fillChange(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"));
    changeOK()->click();
    EXPECT_EQ(desktop.messages().last().text, kReadFailure);
    EXPECT_TRUE(change->isVisible());
    // Nor can a store that is a folder.
    QFile::remove(storePath());
    ASSERT_TRUE(QDir().mkdir(storePath()));
    fillChange(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"));
    changeOK()->click();
    EXPECT_EQ(desktop.messages().last().text, kReadFailure);
    EXPECT_TRUE(change->isVisible());
}

TEST_F(LoginWindows, AStoreThatCannotBeWrittenKeepsTheOldPassword) {
    store(QStringLiteral("vecchia1"));
    openChange();
    fillChange(QStringLiteral("vecchia1"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    {
        NoFileWrites full;
        changeOK()->click();
    }
    EXPECT_EQ(shown(), QStringList{kChangeFailure});
    EXPECT_TRUE(change->isVisible());
    in<QPushButton>(change, "cmdEsci")->click();
    typeAndLogin(QStringLiteral("vecchia1"));
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(LoginWindows, ChiudiLeadsBackToAnEmptyLogin) {
    store(QStringLiteral("vecchia1"));
    QTest::keyClicks(password(), QStringLiteral("typed"));
    openChange();
    fillChange(QStringLiteral("vecchia1"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    in<QPushButton>(change, "cmdEsci")->click();
    EXPECT_FALSE(change->isVisible());
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(password()->text(), QString());
    EXPECT_FALSE(loginOK()->isEnabled());
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(password::checkLogin(QStringLiteral("vecchia1")), password::LoginResult::Match);
}

TEST_F(LoginWindows, EsciEndsTheProgram) {
    QTimer::singleShot(0, login, [this] { in<QPushButton>(login, "cmdEsci")->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(login->isVisible());
}

}  // namespace
}  // namespace vt
