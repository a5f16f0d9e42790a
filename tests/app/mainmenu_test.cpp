#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/Guida.h"
#include "app/logic/helppages.h"
#include "app/logic/vendor.h"
#include "app/pictures.h"
#include "app/startup.h"
#include "app/uiservices.h"
#include "app/windows.h"
#include "support/uifakes.h"

namespace vt {
namespace {

class MainMenu : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    QWidget* login = nullptr;
    QWidget* menu = nullptr;

    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        login = createWindows();
        menu = screens::byClassName("TfrmAvvio");
        login->show();
        screens::switchTo(login, menu);
    }
    void TearDown() override {
        for (QWidget* w : screens::all()) delete w;
        screens::clear();
    }

    template <typename T = Picture>
    static T* in(QWidget* window, const QString& name) {
        auto* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    static QStringList visible() {
        QStringList out;
        for (QWidget* w : screens::all())
            if (w->isVisible()) out.append(QString::fromLatin1(w->metaObject()->className()));
        return out;
    }
};

struct Tile {
    const char* name;
    const char* caption;
    const char* window;
};
const Tile kTiles[] = {
    {"Anagrafica", "PAGATORI E BENEFICIARI", "TfrmClienti"},
    {"Causali", "ARCHIVIO CAUSALI", "TfrmCausali"},
    {"Movimenti", "REGISTRO MOVIMENTI", "TfrmMenuMovimenti"},
    {"Primanota", "PRIMANOTA E BILANCIO", "TfrmMenuBilancio"},
    {"Grafici", "GRAFICI STATISTICI", "TfrmMenuStats"},
    {"Insoluti", "PAGAMENTI INSOLUTI", "TfrmMenuInsoluti"},
};

TEST_F(MainMenu, OpensMaximisedWithItsCaption) {
    EXPECT_EQ(menu->windowTitle(), QStringLiteral(" Vantresa 4.0"));
    EXPECT_TRUE(menu->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
    const auto pictures = menu->findChildren<Picture*>();
    EXPECT_EQ(pictures.size(), 14);
    for (const Picture* p : pictures) EXPECT_TRUE(p->isValid()) << p->objectName().toStdString();
}

TEST_F(MainMenu, PictureAndCaptionBarOfEachTileOpenItsAreaAndClosingItComesBack) {
    for (const Tile& tile : kTiles) {
        const QString name = QString::fromLatin1(tile.name);
        auto* caption = in<QPushButton>(menu, QStringLiteral("btn") + name);
        EXPECT_EQ(caption->text(), QString::fromLatin1(tile.caption));
        for (QWidget* opener : {static_cast<QWidget*>(in(menu, QStringLiteral("img") + name)),
                                static_cast<QWidget*>(caption)}) {
            click(opener);
            EXPECT_EQ(visible(), QStringList{QString::fromLatin1(tile.window)}) << opener->objectName().toStdString();
            screens::byClassName(tile.window)->close();
            EXPECT_EQ(visible(), QStringList{"TfrmAvvio"}) << opener->objectName().toStdString();
        }
    }
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(MainMenu, HelpShowsTheMainMenuPageEveryTime) {
    const HelpPage page = mainMenuHelpPage();
    for (int time = 0; time < 2; ++time) {
        desktop.dialogs().scripts.push_back([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
            EXPECT_EQ(in<QLabel>(&d, QStringLiteral("lblTitolo"))->text(), page.title);
            auto* text = in<QPlainTextEdit>(&d, QStringLiteral("txtGuida"));
            EXPECT_TRUE(text->isReadOnly());
            EXPECT_EQ(text->toPlainText(), displayText(page.text));
            EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("tridimensionali degli incassi ed esborsi.\n\n")));
            in<QPushButton>(&d, QStringLiteral("btnChiudi"))->click();
            EXPECT_FALSE(d.isVisible());
            return d.result();
        });
        click(in(menu, QStringLiteral("imgGuida")));
    }
    EXPECT_EQ(desktop.dialogs().opened, (QStringList{"TfrmGuida", "TfrmGuida"}));
    EXPECT_TRUE(desktop.dialogs().scripts.empty());
}

TEST_F(MainMenu, HelpWindowTakesWhatItsOpenerGivesAndOpensTheManual) {
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(in<QLabel>(&d, QStringLiteral("lblTitolo"))->text(), QStringLiteral("Un titolo."));
        EXPECT_EQ(in<QPlainTextEdit>(&d, QStringLiteral("txtGuida"))->toPlainText(), QStringLiteral("Uno.\n\nDue."));
        auto* link = in<LinkLabel>(&d, QStringLiteral("lnkWeb"));
        EXPECT_EQ(link->text(), QStringLiteral("Visualizza guida in formato PDF"));
        click(link);
        click(in(&d, QStringLiteral("imgPDF")));
        // Escape does not close it; only its button does.
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        in<QPushButton>(&d, QStringLiteral("btnChiudi"))->click();
        return d.result();
    });
    showHelp(menu, QStringLiteral("Un titolo."), QStringLiteral("Uno.") + kTextBreak + QStringLiteral("Due."));
    const QString manual = u'"' + desktop.dir() + QStringLiteral("Guida.pdf") + u'"';
    EXPECT_EQ(desktop.shell().opened, (QStringList{manual, manual}));
}

TEST_F(MainMenu, HelpWindowBeforeItIsFilled) {
    TfrmGuida help(menu);
    EXPECT_EQ(help.title(), QStringLiteral("Argomento della guida."));
}

TEST_F(MainMenu, LinksTurnOrangeOnlyWhileTheButtonIsDown) {
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        auto* link = in<LinkLabel>(&d, QStringLiteral("lnkWeb"));
        auto* icon = in(&d, QStringLiteral("imgEmail"));
        EXPECT_EQ(link->colour(), QColor(0x00, 0x00, 0x8B));
        for (QWidget* w : {static_cast<QWidget*>(link), static_cast<QWidget*>(icon)}) {
            QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
            EXPECT_EQ(link->colour(), QColor(0xFF, 0xA5, 0x00));
            QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().center());
            EXPECT_EQ(link->colour(), QColor(0x00, 0x00, 0x8B));
        }
        in<QPushButton>(&d, QStringLiteral("btnChiudi"))->click();
        return d.result();
    });
    click(in(menu, QStringLiteral("imgInfo")));
}

TEST_F(MainMenu, InformationWindowWritesToTheVendor) {
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Informazioni su Vantresa 4.0"));
        EXPECT_NE(d.findChild<Picture*>(QStringLiteral("imgLogo")), nullptr);
        EXPECT_EQ(in<LinkLabel>(&d, QStringLiteral("lnkWeb"))->text(), vendor::kMailAddress);
        click(in<LinkLabel>(&d, QStringLiteral("lnkWeb")));
        in<QPushButton>(&d, QStringLiteral("btnChiudi"))->click();
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    click(in(menu, QStringLiteral("imgInfo")));
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmInfo"});
    EXPECT_EQ(desktop.shell().opened,
              QStringList{QStringLiteral("\"mailto:info@vantresa.example.com?subject=Software Vantresa 4.0&body=Salve, "
                                         "desidererei avere le seguenti informazioni sul software in oggetto:\"")});
}

TEST_F(MainMenu, VendorWindowAndTheWebStripOpenTheVendorsPage) {
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Vantresa 4.0 - Vantresa Software"));
        EXPECT_EQ(in<LinkLabel>(&d, QStringLiteral("lnkWeb"))->text(), QStringLiteral("www.vantresa.example.com"));
        click(in(&d, QStringLiteral("imgWeb")));
        in<QPushButton>(&d, QStringLiteral("btnChiudi"))->click();
        return d.result();
    });
    click(in(menu, QStringLiteral("imgProduttore")));
    click(in(menu, QStringLiteral("icoSito")));
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmSplash"});
    EXPECT_EQ(desktop.shell().opened, (QStringList{vendor::kWebAddress, vendor::kWebAddress}));
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
}

TEST_F(MainMenu, PicturesAtTheTopDoNothingWhenClicked) {
    for (const char* name : {"icoTitolo", "icoIcona", "icoSottotitolo"}) click(in(menu, QString::fromLatin1(name)));
    EXPECT_EQ(visible(), QStringList{"TfrmAvvio"});
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

// Ending the program needs the running event loop.
int runUntilEnd(QObject* context, const std::function<void()>& action) {
    QTimer::singleShot(0, context, action);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec();
}

TEST_F(MainMenu, ExitPictureEndsTheProgram) {
    EXPECT_EQ(runUntilEnd(menu, [this] { click(in(menu, QStringLiteral("imgEsci"))); }), 0);
    EXPECT_TRUE(visible().isEmpty());
}

TEST_F(MainMenu, CloseBoxEndsTheProgramLikeTheExitPicture) {
    EXPECT_EQ(runUntilEnd(menu, [this] { menu->close(); }), 0);
    EXPECT_TRUE(visible().isEmpty());
}

}  // namespace
}  // namespace vt
