#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "app/Avvio.h"
#include "app/pictures.h"
#include "app/windows.h"
#include "support/uifakes.h"

namespace vt {
namespace {

// True when the image has at least one pixel that is not fully transparent.
bool drawsSomething(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

TEST(SharedPictures, EveryCommonCommandPictureRenders) {
    const QStringList names{"nuovo",    "duplica",   "salva",  "trova",    "primo",
                            "indietro", "avanti",    "ultimo", "scadenze", "stampa",
                            "esporta",  "file",      "guida",  "esci",     "cancella",
                            "importa",  "controlla", "email",  "pdf",      "anteprima"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QIcon picture = icon(name);
        ASSERT_FALSE(picture.isNull());
        for (int side : {16, 34, 64}) {
            const QImage image = picture.pixmap(side, side).toImage();
            EXPECT_EQ(image.size(), QSize(side, side));
            EXPECT_TRUE(drawsSomething(image));
        }
    }
    EXPECT_TRUE(icon(QStringLiteral("nonesiste")).isNull());
}

// The theme is applied to the whole application, as at start-up, for the
// length of one test.
class Theme : public ::testing::Test {
protected:
    void SetUp() override { applyTheme(*qApp); }
    void TearDown() override { qApp->setStyleSheet(QString()); }

    static QColor colourAt(QWidget& window, QPoint at, QSize size = {400, 300}) {
        window.resize(size);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window.grab().toImage().pixelColor(at);
    }
};

TEST_F(Theme, ScreenAndDialogWindowsAndTheCardPanelTakeItWithoutCodeOfTheirOwn) {
    ASSERT_FALSE(themeStyleSheet().isEmpty());
    ScreenWindow screen;
    auto* panel = new QFrame(&screen);
    // What a form sets in its .ui file to get the card panel.
    panel->setProperty("panel", QStringLiteral("card"));
    panel->setGeometry(100, 100, 200, 150);
    auto* field = new QLineEdit(panel);
    field->setGeometry(20, 20, 100, 24);
    EXPECT_EQ(colourAt(screen, {10, 10}), QColor(0xEF, 0xE4, 0xD0));
    EXPECT_EQ(screen.grab().toImage().pixelColor(150, 220), QColor(0xFD, 0xF6, 0xEA));
    // A field inside the panel is white with the panel's border.
    EXPECT_EQ(screen.grab().toImage().pixelColor(200, 132), QColor(Qt::white));

    DialogWindow dialog(nullptr);
    EXPECT_EQ(colourAt(dialog, {10, 10}), QColor(0xEF, 0xE4, 0xD0));
}

TEST_F(Theme, AWindowThatKeepsItsOwnLookIsLeftAlone) {
    ScreenWindow plain;
    plain.setProperty("look", QStringLiteral("own"));
    EXPECT_NE(colourAt(plain, {10, 10}), QColor(0xEF, 0xE4, 0xD0));

    test::FakeDesktop desktop;
    TfrmAvvio menu;
    // Outside its centred panel.
    EXPECT_NE(colourAt(menu, {5, 5}, {1400, 900}), QColor(0xEF, 0xE4, 0xD0));
}

}  // namespace
}  // namespace vt
