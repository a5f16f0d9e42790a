#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>

#include "app/logic/helppages.h"
#include "app/logic/manual.h"
#include "app/logic/password.h"
#include "support/fakes.h"

namespace vt {
namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class InstallStep : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The manual's layout needs fonts, hence a GUI application (without
        // a screen).
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int argc = 1;
            static char name[] = "setup_test";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);
        }
    }
    test::FakeSystem system;
};

TEST_F(InstallStep, WritesTheInitialPasswordWhenThereIsNoStore) {
    using password::InstallResult;
    EXPECT_GE(password::kInitialPassword.size(), 8);
    EXPECT_EQ(password::installInitial(system.dir()), InstallResult::Created);
    EXPECT_EQ(password::checkLogin(password::kInitialPassword), password::LoginResult::Match);
}

TEST_F(InstallStep, NeverTouchesAnExistingStore) {
    using password::InstallResult;
    ASSERT_TRUE(password::writeStored(QStringLiteral("mia password")));
    const QByteArray changed = readFile(password::storePath());
    EXPECT_EQ(password::installInitial(system.dir()), InstallResult::Kept);
    EXPECT_EQ(readFile(password::storePath()), changed);
    EXPECT_EQ(password::checkLogin(password::kInitialPassword), password::LoginResult::NoMatch);

    // Not even an empty or damaged one: the user decides about it.
    for (const QByteArray& content : {QByteArray(), QByteArray("[Accesso]\nValore=ZZ\n")}) {
        QFile f(password::storePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        EXPECT_EQ(password::installInitial(system.dir()), InstallResult::Kept);
        EXPECT_EQ(readFile(password::storePath()), content);
    }
}

TEST_F(InstallStep, ReportsAFolderWhereNoStoreCanBeWritten) {
    QFile blocker(system.file(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(password::installInitial(system.file(QStringLiteral("file/"))), password::InstallResult::Failed);
}

int pdfPages(const QString& path) {
    const QString pdf = QString::fromLatin1(readFile(path));
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST_F(InstallStep, TheManualHoldsEveryHelpPageEachOnItsOwnPage) {
    const QString path = system.file(manual::kFileName);
    ASSERT_TRUE(manual::write(path, appHelpPages()));
    ASSERT_TRUE(readFile(path).startsWith("%PDF-"));
    // The title page, then the main menu's long text over two pages at least.
    EXPECT_GE(pdfPages(path), 3);

    const QList<HelpPage> shortPages{{QStringLiteral("Uno."), QStringLiteral("a\r\n\r\nb")},
                                     {QStringLiteral("Due."), QStringLiteral("c")},
                                     {QStringLiteral("Tre."), QStringLiteral("d")}};
    ASSERT_TRUE(manual::write(path, shortPages));
    EXPECT_EQ(pdfPages(path), 4);
}

TEST_F(InstallStep, AManualThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(QDir().mkdir(system.file(manual::kFileName)));
    EXPECT_FALSE(manual::write(system.file(manual::kFileName), appHelpPages()));
}

TEST(MainMenuHelp, FirstParagraphAndOneForEachTopic) {
    const HelpPage page = mainMenuHelpPage();
    EXPECT_EQ(page.title, QStringLiteral("Uno sguardo a Vantresa 4.0."));
    const QStringList paragraphs = page.text.split(kHelpBreak);
    ASSERT_EQ(paragraphs.size(), 48);
    EXPECT_EQ(paragraphs.front(),
              QStringLiteral("Vantresa 4.0 è un software facile e intuitivo per contabilizzare i movimenti di denaro in "
                             "dare e avere, tenere un registro di primanota con calcolo del bilancio in attivo o passivo, "
                             "controllare la situazione dei pagamenti insoluti e generare grafici statistici "
                             "tridimensionali degli incassi ed esborsi."));
    for (const QString& p : paragraphs) {
        EXPECT_FALSE(p.trimmed().isEmpty());
        EXPECT_FALSE(p.contains(u'\r') || p.contains(u'\n')) << p.toStdString();
    }
    // The paragraph on the login password names the first password.
    EXPECT_TRUE(paragraphs[43].contains(u'"' + password::kInitialPassword + u'"'));
    EXPECT_TRUE(paragraphs[43].contains(QStringLiteral("otto caratteri")));
    // Only what the program has: the registry keeps one address (residence),
    // a causale has no days of notice, the movement search no payment-state
    // filter.
    EXPECT_TRUE(paragraphs[2].contains(QStringLiteral("l'indirizzo di residenza")));
    EXPECT_FALSE(paragraphs[2].contains(QStringLiteral("domicilio")));
    EXPECT_TRUE(paragraphs[11].startsWith(QStringLiteral("Una causale contiene")));
    EXPECT_FALSE(paragraphs[11].contains(QStringLiteral("preavviso")));
    EXPECT_TRUE(paragraphs[26].startsWith(QStringLiteral("Il pulsante Trova cerca i movimenti")));
    EXPECT_FALSE(paragraphs[26].contains(QStringLiteral("stato")));
    EXPECT_TRUE(paragraphs[26].contains(QStringLiteral("categoria")));
    // The automatic daily copies, after the paragraph on copying the folder.
    EXPECT_TRUE(paragraphs[46].contains(QStringLiteral("cartella Backup")));
    EXPECT_TRUE(paragraphs[46].contains(QStringLiteral("ultimi 30 giorni")));
}

}  // namespace
}  // namespace vt
