#include "app/dailybackup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <condition_variable>
#include <mutex>

#include "app/logic/password.h"
#include "app/startup.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "support/uifakes.h"

namespace vt {
namespace {

class DailyBackupTest : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    QWidget* login = nullptr;
    QWidget* menu = nullptr;

    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        login = createWindows();
        menu = screens::byClassName("TfrmAvvio");
        login->show();
        ASSERT_TRUE(password::writeStored(QStringLiteral("segreta")));
    }
    void TearDown() override {
        setIoFaultHook({});
        backups().finish();
        for (QWidget* w : screens::all()) delete w;
        screens::clear();
    }
    void logIn() {
        auto* field = login->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        QTest::keyClicks(field, QStringLiteral("segreta"));
        login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        ASSERT_TRUE(menu->isVisible());
    }
    QString todaysCopy() {
        return desktop.file(QStringLiteral("Backup/") + backup::dayFolderName(desktop.clock().day));
    }
    std::shared_ptr<BackupService> realBackups() {
        auto real = std::make_shared<BackupService>();
        setBackups(real);
        return real;
    }
};

TEST_F(DailyBackupTest, LoginAsksForTheDaysCopyAndAWrongPasswordDoesNot) {
    auto* field = login->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    QTest::keyClicks(field, QStringLiteral("sbagliata"));
    login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(desktop.backups().started, 0);
    logIn();
    EXPECT_EQ(desktop.backups().started, 1);
}

// The copy runs beside the main menu: while it is held up the menu keeps
// handling events, and no message appears when it completes.
TEST_F(DailyBackupTest, MainMenuStaysUsableWhileTheCopyRuns) {
    auto real = realBackups();
    QDir().mkpath(desktop.file(QStringLiteral("Documenti_Allegati")));
    QFile big(desktop.file(QStringLiteral("Documenti_Allegati/grande.bin")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(4 << 20, 'x'));
    big.close();

    std::mutex m;
    std::condition_variable cv;
    bool release = false;
    setIoFaultHook([&](IoStep step, const QString& path) {
        if (step == IoStep::Read && path.endsWith(QStringLiteral("grande.bin"))) {
            std::unique_lock lock(m);
            cv.wait(lock, [&] { return release; });
        }
        return false;
    });
    logIn();
    EXPECT_TRUE(real->running());
    bool handled = false;
    QMetaObject::invokeMethod(
        menu, [&] { handled = true; }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_TRUE(handled);
    EXPECT_FALSE(QFileInfo::exists(todaysCopy()));
    {
        std::lock_guard lock(m);
        release = true;
    }
    cv.notify_all();
    real->waitForCopy();
    EXPECT_TRUE(
        QFileInfo(todaysCopy() + QStringLiteral("/Documenti_Allegati/grande.bin")).isFile());
    EXPECT_TRUE(QFileInfo(todaysCopy() + QStringLiteral("/unins000.dll")).isFile());
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(DailyBackupTest, AFailedCopyIsReportedOnceAsAnError) {
    auto real = realBackups();
    QDir().mkpath(
        desktop.file(QStringLiteral("2026.eur")));  // a folder where the year file should be
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Write; });
    logIn();
    real->waitForCopy();
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_TRUE(desktop.messages().last().text.startsWith(QStringLiteral(
        "Attenzione: la copia di sicurezza giornaliera degli archivi non è stata completata.")));
    EXPECT_TRUE(desktop.messages().last().text.contains(desktop.file(QStringLiteral("2026.eur"))));
    EXPECT_FALSE(QFileInfo::exists(todaysCopy()));
}

}  // namespace
}  // namespace vt
