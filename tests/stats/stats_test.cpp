#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "chart/ChartView.h"
#include "stats/MenuStats.h"
#include "stats/StatsBilancio.h"
#include "stats/StatsEntrate.h"
#include "stats/StatsUscite.h"
#include "support/uifakes.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt {
namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Width and height of the first page of a PDF, in points.
QSizeF firstPageSize(const QString& path) {
    const auto m =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"))
            .match(QString::fromLatin1(contents(path)));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

class Statistics : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio mainMenu;
    TfrmMenuStats menu;

    void SetUp() override {
        screens::clear();
        screens::add(&mainMenu);
        screens::add(&menu);
        screens::switchTo(&mainMenu, &menu);
        menu.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    }
    void TearDown() override { screens::clear(); }

    template <typename T = QWidget>
    T* menuControl(const char* name) {
        return menu.findChild<T*>(QString::fromLatin1(name));
    }
    QString yearFile(const char* year) {
        return desktop.file(QString::fromLatin1(year) + QStringLiteral(".eur"));
    }

    void write(const char* year, const QList<std::tuple<bool, bool, QString, QString>>& movements) {
        const MovementFile file(yearFile(year));
        for (const auto& [in, out, data, importo] : movements) {
            MovementRecord r;
            r.setFlag(mov::Entrata, in);
            r.setFlag(mov::Uscita, out);
            r.setText(mov::Data, data);
            r.setText(mov::Importo, importo);
            ASSERT_TRUE(file.append(r).ok());
        }
    }

    // What an opened chart window showed, read while it is open.
    struct Seen {
        QString window, caption, title, rigo04, rigo05, info, file;
        chart::Model model;
        QStringList months;
        QString guadagni, spese;
    };
    // Presses `button` and lets `script` drive the chart window it opens.
    Seen open(const char* button, const std::function<void(QDialog&)>& script = {}) {
        Seen seen;
        desktop.dialogs().scripts.push_back([&](QDialog& d) {
            auto text = [&](const char* name) {
                auto* l = d.findChild<QLabel*>(QString::fromLatin1(name));
                return l ? l->text() : QStringLiteral("<none>");
            };
            seen.window = QString::fromLatin1(d.metaObject()->className());
            seen.caption = d.windowTitle();
            seen.title = text("lblTitolo");
            seen.rigo04 = text("lblRigo04");
            seen.rigo05 = text("lblRigo05");
            seen.info = text("panInfo");
            seen.file = text("lblFile");
            for (const char* m : {"memGennaio", "memFebbraio", "memMarzo", "memAprile", "memMaggio",
                                  "memGiugno", "memLuglio", "memAgosto", "memSettembre",
                                  "memOttobre", "memNovembre", "memDicembre"})
                seen.months.append(text(m));
            seen.guadagni = text("memGuadagni");
            seen.spese = text("memSpese");
            EXPECT_TRUE(d.windowState() & Qt::WindowMaximized);
            if (script) script(d);
            seen.model = d.findChild<ChartView*>(QStringLiteral("ChartStats"))->model();
            return int(QDialog::Accepted);
        });
        menuControl<QPushButton>(button)->click();
        return seen;
    }
};

QList<double> values(const chart::Model& m) {
    QList<double> out;
    for (const auto& p : m.points()) out.append(p.value);
    return out;
}

TEST_F(Statistics, MenuShowsTheCurrentYearInEverySectionAndLeadsBackToTheMainMenu) {
    EXPECT_EQ(menu.windowTitle(), QStringLiteral(" Vantresa 4.0 - Grafici Statistici"));
    EXPECT_EQ(
        menuControl<QLabel>("lblInfo")->text(),
        QStringLiteral(
            "In questo ambiente \u00E8 possibile visualizzare grafici statistici tridimensionali "
            "relativi alle entrate e uscite mensili e al bilancio annuale."));
    const std::pair<const char*, const char*> sections[] = {{"Preventivi", "Entrate mensili:"},
                                                            {"NDC", "Uscite mensili:"},
                                                            {"DDT", "Bilancio annuale:"}};
    for (const auto& [key, caption] : sections) {
        const QByteArray k(key);
        EXPECT_EQ(menuControl<QLabel>(("intAnno" + k).constData())->text(),
                  QString::fromUtf8(caption));
        EXPECT_EQ(menuControl<QLabel>(("titAnno" + k).constData())->text(),
                  QStringLiteral("Anno:"));
        auto* year = menuControl<QLineEdit>(("txtAnno" + k).constData());
        EXPECT_EQ(year->text(), QStringLiteral("2026"));
        EXPECT_EQ(year->maxLength(), 4);
        EXPECT_EQ(menuControl<QPushButton>(("btnApri" + k).constData())->text(),
                  QStringLiteral("Visualizza"));
        year->setText(QStringLiteral("1999"));
    }
    EXPECT_TRUE(menuControl("txtAnnoPreventivi")->hasFocus());
    EXPECT_EQ(menuControl<QLabel>("lblFile")->text(), QStringLiteral("lblFile"));
    // Every showing starts again on the current year.
    menuControl<QToolButton>("imgEsci")->click();
    EXPECT_TRUE(mainMenu.isVisible());
    EXPECT_FALSE(menu.isVisible());
    screens::switchTo(&mainMenu, &menu);
    for (const char* name : {"txtAnnoPreventivi", "txtAnnoNDC", "txtAnnoDDT"})
        EXPECT_EQ(menuControl<QLineEdit>(name)->text(), QStringLiteral("2026")) << name;
    menu.close();
    EXPECT_TRUE(mainMenu.isVisible());
}

TEST_F(Statistics, YearFieldsTakeDigitsAndEnterMovesToVisualizza) {
    const std::pair<const char*, const char*> sections[] = {
        {"txtAnnoPreventivi", "btnApriPreventivi"},
        {"txtAnnoNDC", "btnApriNDC"},
        {"txtAnnoDDT", "btnApriDDT"}};
    for (const auto& [field, button] : sections) {
        auto* year = menuControl<QLineEdit>(field);
        year->clear();
        year->setFocus();
        QTest::keyClicks(year, QStringLiteral("2a0-2.5"));
        EXPECT_EQ(year->text(), QStringLiteral("2025"));
        QTest::keyClick(year, Qt::Key_Return);
        EXPECT_TRUE(menuControl(button)->hasFocus()) << field;
    }
    EXPECT_TRUE(desktop.dialogs().opened.isEmpty());
}

TEST_F(Statistics, OnlyFourCharactersOpenAChart) {
    const std::pair<const char*, const char*> sections[] = {
        {"txtAnnoPreventivi", "btnApriPreventivi"},
        {"txtAnnoNDC", "btnApriNDC"},
        {"txtAnnoDDT", "btnApriDDT"}};
    for (const auto& [field, button] : sections) {
        for (const char* typed : {"", "202", "1"}) {
            menuControl<QLineEdit>(field)->setText(QString::fromLatin1(typed));
            menuControl(button)->setFocus();
            menuControl<QPushButton>(button)->click();
            ASSERT_FALSE(desktop.messages().shown.empty());
            EXPECT_EQ(desktop.messages().last().kind, MessageKind::Warning);
            EXPECT_EQ(
                desktop.messages().last().text,
                QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
            EXPECT_TRUE(menuControl(field)->hasFocus()) << field << " " << typed;
        }
    }
    EXPECT_TRUE(desktop.dialogs().opened.isEmpty());
}

TEST_F(Statistics, MonthlyReceiptsOpenAsBarsWithTheMonthsRoundedToTheEuro) {
    write("2026", {{true, false, "01/03/2026", "100,25"},
                   {true, false, "20/03/2026", "50,25"},
                   {true, false, "15/03/2025", "999,00"},  // another year in this file
                   {true, true, "10/05/2026", "10,00"},    // both flags: counts in both charts
                   {false, true, "10/05/2026", "70,00"},
                   {true, false, "10/12/2026", "1234,49"}});
    const Seen seen = open("btnApriPreventivi");
    EXPECT_EQ(seen.window, QStringLiteral("TfrmStatsEntrate"));
    EXPECT_EQ(seen.caption, QStringLiteral(" Vantresa 4.0 - Statistiche entrate mensili"));
    EXPECT_EQ(seen.title,
              QStringLiteral("Rappresentazione grafica delle entrate mensili dell'anno 2026."));
    EXPECT_EQ(
        seen.rigo04,
        QStringLiteral("Il presente grafico statistico mostra le entrate relative a ciascun mese "
                       "dell'anno in base ai movimenti registrati."));
    EXPECT_EQ(seen.rigo05,
              QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il tipo di grafico "
                             "desiderato e per mandarlo in stampa."));
    EXPECT_EQ(seen.info, QStringLiteral("Grafico statistico delle entrate mensili."));
    EXPECT_EQ(seen.file, yearFile("2026"));
    EXPECT_EQ(menuControl<QLabel>("lblFile")->text(), yearFile("2026"));
    EXPECT_EQ(seen.months,
              QStringList({"0", "0", "151", "0", "10", "0", "0", "0", "0", "0", "0", "1234"}));
    EXPECT_EQ(seen.model.kind, chart::Kind::Bars);
    EXPECT_EQ(seen.model.title, QStringLiteral("Statistiche entrate mensili"));
    EXPECT_EQ(seen.model.foot, QStringLiteral("Tutti gli importi sono arrotondati all'euro"));
    EXPECT_EQ(seen.model.legendTitle, QStringLiteral("Entrate mensili:"));
    EXPECT_EQ(values(seen.model), QList<double>({0, 0, 151, 0, 10, 0, 0, 0, 0, 0, 0, 1234}));
    EXPECT_EQ(seen.model.points()[2].label, QStringLiteral("Marzo"));
    EXPECT_EQ(seen.model.points()[2].colour, 0xFFFFE4C4u);
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Statistics, MonthlyExpensesReadTheirOwnYearField) {
    write("2025", {{false, true, "10/05/2025", "70,40"},
                   {true, true, "11/05/2025", "10,00"},
                   {false, true, "10/05/2026", "5,00"}});
    menuControl<QLineEdit>("txtAnnoNDC")->setText(QStringLiteral("2025"));
    const Seen seen = open("btnApriNDC");
    EXPECT_EQ(seen.window, QStringLiteral("TfrmStatsUscite"));
    EXPECT_EQ(seen.caption, QStringLiteral(" Vantresa 4.0 - Statistiche uscite mensili"));
    EXPECT_EQ(seen.title,
              QStringLiteral("Rappresentazione grafica delle uscite mensili dell'anno 2025."));
    EXPECT_EQ(
        seen.rigo04,
        QStringLiteral("Il presente grafico statistico mostra le uscite relative a ciascun mese "
                       "dell'anno in base ai movimenti registrati."));
    EXPECT_EQ(seen.info, QStringLiteral("Grafico statistico delle uscite mensili."));
    EXPECT_EQ(seen.model.title, QStringLiteral("Statistiche uscite mensili"));
    EXPECT_EQ(seen.model.legendTitle, QStringLiteral("Uscite mensili:"));
    EXPECT_EQ(values(seen.model), QList<double>({0, 0, 0, 0, 80, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Statistics, AMissingYearFileIsCreatedEmptyAndShowsZeroes) {
    const Seen monthly = open("btnApriPreventivi");
    EXPECT_EQ(values(monthly.model), QList<double>(12, 0));
    EXPECT_TRUE(QFile::exists(yearFile("2026")));
    QFile::remove(yearFile("2026"));
    const Seen balance = open("btnApriDDT");
    EXPECT_EQ(values(balance.model), QList<double>({0, 0}));
    EXPECT_TRUE(QFile::exists(yearFile("2026")));
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Statistics, AFolderInPlaceOfTheYearFileLeavesTheChartsEmptyAndSaysWhy) {
    ASSERT_TRUE(QDir().mkpath(yearFile("2026")));
    // Each chart, monthly and annual, says once why it is empty.
    std::size_t seenMessages = 0;
    for (const char* button : {"btnApriNDC", "btnApriDDT"}) {
        const Seen chart = open(button);
        EXPECT_TRUE(chart.model.points().isEmpty()) << button;
        ASSERT_EQ(desktop.messages().shown.size(), ++seenMessages) << button;
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
        EXPECT_EQ(desktop.messages().last().text, vt::accessFailureMessage());
    }
}

TEST_F(Statistics, TheBalanceChartTotalsEveryRecordOfTheFile) {
    write("2026", {{true, false, "01/01/2026", "1000,40"},
                   {true, false, "01/01/2019", "200,20"},  // a date of another year still counts
                   {false, true, "01/01/2026", "300,50"}});
    const Seen seen = open("btnApriDDT");
    EXPECT_EQ(seen.window, QStringLiteral("TfrmStatsBilancio"));
    EXPECT_EQ(seen.caption, QStringLiteral(" Vantresa 4.0 - Statistiche bilancio annuale"));
    EXPECT_EQ(
        seen.title,
        QStringLiteral("Rappresentazione grafica del bilancio entrate e uscite dell'anno 2026."));
    EXPECT_EQ(
        seen.rigo04,
        QStringLiteral("Il presente grafico statistico mostra il bilancio annuale delle entrate "
                       "e uscite in base ai movimenti registrati."));
    EXPECT_EQ(seen.info, QStringLiteral("Grafico statistico del bilancio annuale."));
    EXPECT_EQ(seen.guadagni, QStringLiteral("1201"));
    EXPECT_EQ(seen.spese, QStringLiteral("301"));
    EXPECT_EQ(seen.model.title, QStringLiteral("Bilancio entrate e uscite annuali"));
    EXPECT_EQ(seen.model.legendTitle, QStringLiteral("Bilancio annuale:"));
    EXPECT_EQ(seen.model.kind, chart::Kind::Bars);
    ASSERT_EQ(values(seen.model), QList<double>({1201, 301}));
    EXPECT_EQ(seen.model.points()[0].label, QStringLiteral("Entrate"));
    EXPECT_EQ(seen.model.points()[0].colour, 0xFF008000u);
    EXPECT_EQ(seen.model.points()[1].label, QStringLiteral("Uscite"));
    EXPECT_EQ(seen.model.points()[1].colour, 0xFFFF0000u);
    // An amount that is not a number leaves it without points, silently.
    write("2026", {{false, true, "01/01/2026", "12.50"}});
    EXPECT_TRUE(open("btnApriDDT").model.points().isEmpty());
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Statistics, PieAndBarButtonsSwitchTheKindKeepingThePoints) {
    write("2026", {{true, false, "01/02/2026", "10,00"}});
    QList<chart::Kind> kinds;
    const Seen seen = open("btnApriPreventivi", [&](QDialog& d) {
        auto* view = d.findChild<ChartView*>(QStringLiteral("ChartStats"));
        auto press = [&](const char* name) {
            d.findChild<QPushButton*>(QString::fromLatin1(name))->click();
            kinds.append(view->model().kind);
            EXPECT_EQ(values(view->model()), QList<double>({0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        };
        EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("btnTorta"))->text(),
                  QStringLiteral("Visualizza grafico a torta"));
        EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("btnBarre"))->text(),
                  QStringLiteral("Visualizza grafico a barre"));
        press("btnTorta");
        press("btnTorta");
        press("btnBarre");
        press("btnBarre");
        press("btnTorta");
    });
    EXPECT_EQ(kinds, QList<chart::Kind>({chart::Kind::Pie, chart::Kind::Pie, chart::Kind::Bars,
                                         chart::Kind::Bars, chart::Kind::Pie}));
    EXPECT_EQ(seen.model.kind, chart::Kind::Pie);
}

TEST_F(Statistics, ButtonsCarryTheirHoverTexts) {
    const struct {
        const char* button;
        const char* receipts;
        const char* balance;
    } hints[] = {
        {"btnBarre",
         "Visualizza le statistiche delle entrate mensili sotto forma di grafico a barre "
         "tridimensionali.",
         "Visualizza il bilancio annuale sotto forma di grafico a barre tridimensionali."},
        {"btnTorta",
         "Visualizza le statistiche delle entrate mensili sotto forma di grafico a torta "
         "tridimensionale.",
         "Visualizza il bilancio annuale sotto forma di grafico a torta tridimensionale."},
        {"btnStampa", "Stampa il grafico corrente.", "Stampa il grafico corrente."},
        {"btnEsci", "Esci da questo ambiente di lavoro.", "Esci da questo ambiente di lavoro."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto.",
         "Visualizza la pagina della guida sensibile al contesto."},
    };
    TfrmStatsEntrate receipts(&menu);
    TfrmStatsUscite expenses(&menu);
    TfrmStatsBilancio balance(&menu);
    for (const auto& h : hints) {
        const QString name = QString::fromLatin1(h.button);
        EXPECT_EQ(receipts.findChild<QWidget*>(name)->statusTip(), QString::fromUtf8(h.receipts));
        EXPECT_EQ(balance.findChild<QWidget*>(name)->statusTip(), QString::fromUtf8(h.balance));
        EXPECT_EQ(expenses.findChild<QWidget*>(name)->statusTip(),
                  QString::fromUtf8(h.receipts)
                      .replace(QStringLiteral("entrate"), QStringLiteral("uscite")));
    }
    EXPECT_TRUE(receipts.findChild<QWidget*>(QStringLiteral("ChartStats"))->statusTip().isEmpty());
}

TEST_F(Statistics, PrintingAsksTheCopiesAndPrintsEachCopyApartInLandscape) {
    write("2026", {{true, false, "01/02/2026", "10,00"}});
    struct Round {
        std::deque<bool> confirm;
        std::optional<QString> copies;
        bool dialogAccepts;
        int dialogs;
        int prints;
    };
    const Round rounds[] = {
        {{false}, std::nullopt, true, 0, 0},         // "No" to the question
        {{true}, std::nullopt, true, 0, 0},          // copies box cancelled
        {{true}, QStringLiteral("2"), false, 1, 0},  // print dialog cancelled
        {{true}, QStringLiteral("2"), true, 1, 2},   // two copies, two prints
        {{true}, QStringLiteral("2a"), true, 1, 1},  // not a number: one copy
        {{true}, QStringLiteral(" 2"), true, 1, 1},  // a blank is not a digit
        {{true}, QStringLiteral(""), true, 1, 1},    //
        {{true}, QStringLiteral("0"), true, 1, 1},   // zero copies would print nothing
        {{true}, QStringLiteral("999999999999"), true, 1, 1},
    };
    for (const Round& r : rounds) {
        const int dialogsBefore = desktop.printers().dialogs;
        QStringList files;
        desktop.messages().confirmations = r.confirm;
        if (r.confirm.front()) desktop.inputBoxes().answers.push_back(r.copies);
        desktop.printers().dialogAccepts = r.dialogAccepts;
        const QDir folder(desktop.dir());
        const QStringList before = folder.entryList({QStringLiteral("printed-*.pdf")});
        open("btnApriDDT",
             [&](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click(); });
        for (const QString& f : folder.entryList({QStringLiteral("printed-*.pdf")}))
            if (!before.contains(f)) files.append(folder.filePath(f));
        const QString label = r.copies.value_or(QStringLiteral("<cancelled>"));
        EXPECT_EQ(desktop.printers().dialogs - dialogsBefore, r.dialogs) << label.toStdString();
        ASSERT_EQ(files.size(), r.prints) << label.toStdString();
        for (const QString& file : files) {
            const QSizeF page = firstPageSize(file);
            EXPECT_GT(page.width(), page.height()) << file.toStdString();
            EXPECT_TRUE(contents(file).startsWith("%PDF-"));
        }
    }
    EXPECT_EQ(desktop.messages()
                  .texts()
                  .filter(QStringLiteral("Si vuole stampare il presente grafico statistico?"))
                  .size(),
              9);
    EXPECT_EQ(desktop.inputBoxes().prompts.size(), 8);
    EXPECT_EQ(desktop.inputBoxes().prompts.front(), QStringLiteral("Copie:"));
}

TEST_F(Statistics, WithoutAPrinterThePrintSaysSo) {
    desktop.printers().installed = false;
    desktop.messages().confirmations = {true};
    desktop.inputBoxes().answers.push_back(QStringLiteral("1"));
    open("btnApriPreventivi",
         [&](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click(); });
    ASSERT_EQ(desktop.messages().shown.size(), 2u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
}

TEST_F(Statistics, HelpShowsTheStatisticsPageFromTheMenuAndFromEveryChart) {
    QStringList texts;
    auto readHelp = [&](QDialog& d) {
        texts.append(d.findChild<QLabel*>(QStringLiteral("lblTitolo"))->text() + u'|' +
                     d.findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText());
        return int(QDialog::Rejected);
    };
    desktop.dialogs().scripts.push_back(readHelp);
    menuControl<QToolButton>("imgGuida")->click();
    for (const char* button : {"btnApriPreventivi", "btnApriNDC", "btnApriDDT"}) {
        open(button, [&](QDialog& d) {
            desktop.dialogs().scripts.push_back(readHelp);
            d.findChild<QToolButton*>(QStringLiteral("cmdGuida"))->click();
        });
    }
    ASSERT_EQ(texts.size(), 4);
    for (const QString& t : texts)
        EXPECT_TRUE(t.startsWith(QStringLiteral("Applicazione Grafici Statistici.|")));
    EXPECT_TRUE(texts[0].contains(QStringLiteral(" attivo o in passivo in base agli incassi")));
    for (int i : {1, 2, 3})
        EXPECT_TRUE(texts[i].contains(QStringLiteral(" attivo o passivo in base agli incassi")));
}

TEST_F(Statistics, EsciClosesTheChartWindow) {
    int result = -1;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("btnEsci"))->click();
        EXPECT_FALSE(d.isVisible());
        result = d.result();
        return result;
    });
    menuControl<QPushButton>("btnApriDDT")->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmStatsBilancio"});
}

}  // namespace
}  // namespace vt
