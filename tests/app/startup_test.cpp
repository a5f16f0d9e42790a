#include "app/startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "app/conventions.h"
#include "app/windows.h"
#include "support/uifakes.h"

namespace vt {
namespace {

class StartUp : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    QWidget* login = nullptr;
    void SetUp() override {
        login = createWindows();
        login->show();
    }
    void TearDown() override {
        for (QWidget* w : screens::all()) delete w;
        screens::clear();
    }
    static QStringList visible() {
        QStringList out;
        for (QWidget* w : screens::all())
            if (w->isVisible()) out.append(QString::fromLatin1(w->metaObject()->className()));
        return out;
    }
};

TEST_F(StartUp, ShowsTheLoginFirstAndBuildsEveryOtherScreenOnceWhenFirstNeeded) {
    EXPECT_EQ(login->metaObject()->className(), QByteArray("TfrmPassword"));
    EXPECT_EQ(screens::all(), QList<QWidget*>{login});
    const char* const screensOfTheProgram[] = {
        "TfrmAvvio",         "TfrmCambiaPassword", "TfrmMenuBilancio",
        "TfrmMenuMovimenti", "TfrmMenuStats",      "TfrmMovimenti",
        "TfrmClienti",       "TfrmMenuInsoluti",   "TfrmCausali"};
    for (const char* name : screensOfTheProgram) {
        QWidget* screen = screens::byClassName(name);
        ASSERT_NE(screen, nullptr) << name;
        EXPECT_EQ(screen->metaObject()->className(), QByteArray(name));
        EXPECT_EQ(screens::byClassName(name), screen) << name << " built twice";
    }
    EXPECT_EQ(screens::all().size(), 10);
    EXPECT_EQ(screens::byClassName("TfrmNessuna"), nullptr);
    EXPECT_EQ(visible(), QStringList{"TfrmPassword"});
}

TEST_F(StartUp, ClosingAWorkingScreenShowsTheMainMenu) {
    QWidget* menu = screens::byClassName("TfrmAvvio");
    QWidget* card = screens::byClassName("TfrmMovimenti");
    screens::switchTo(login, menu);
    screens::switchTo(menu, card);
    EXPECT_EQ(visible(), QStringList{"TfrmMovimenti"});
    card->close();
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
}

TEST_F(StartUp, ScreenWindowsOpenMaximised) {
    QWidget* causali = screens::byClassName("TfrmCausali");
    screens::switchTo(login, causali);
    EXPECT_TRUE(causali->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(causali->windowTitle(), QStringLiteral(" Vantresa 4.0 - Archivio Causali"));
}

TEST(ProcessFormats, HoldWhateverTheMachineLocale) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    applyProcessFormats();
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1234,5"));
}

}  // namespace
}  // namespace vt
