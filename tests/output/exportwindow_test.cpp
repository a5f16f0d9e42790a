#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/Guida.h"
#include "output/ExportWindow.h"
#include "support/uifakes.h"

namespace vt {
namespace {

exporting::Definition sample(exporting::Kind kind = exporting::Kind::Archive) {
    exporting::Definition d;
    d.caption = QStringLiteral(" Esporta prova");
    d.fileName = QStringLiteral("Prova.xls");
    d.sheetName = QStringLiteral("Foglio di prova");
    d.columns = {{.header = QStringLiteral("Tipo movimento"), .width = 150, .kind = sheet::CellKind::Value},
                 {.header = QStringLiteral("Note"), .width = 300, .editable = true, .kind = sheet::CellKind::Value}};
    d.help = {QStringLiteral("Titolo."), QStringLiteral("Testo.")};
    d.kind = kind;
    return d;
}

class SampleExport : public ExportWindow {
public:
    SampleExport(exporting::Rows rows, exporting::Kind kind = exporting::Kind::Archive)
        : ExportWindow(nullptr, sample(kind)), rows_(std::move(rows)) {}
    int loads = 0;

protected:
    exporting::Rows loadRows() override {
        ++loads;
        return rows_;
    }

private:
    exporting::Rows rows_;
};

class ExportShell : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    std::unique_ptr<SampleExport> window;

    void open(exporting::Rows rows, exporting::Kind kind = exporting::Kind::Archive) {
        window = std::make_unique<SampleExport>(std::move(rows), kind);
        window->show();
        // What the filling has to say comes once the window is on the screen.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QTableView* grid() const { return window->findChild<QTableView*>(QStringLiteral("grdRecords")); }
    QAbstractItemModel* model() const { return grid()->model(); }
    int rows() const { return model()->rowCount(); }
    QString header(int column) const { return model()->headerData(column, Qt::Horizontal).toString(); }
    bool editable(int row, int column) const {
        return model()->flags(model()->index(row, column)).testFlag(Qt::ItemIsEditable);
    }
    QToolButton* button(const char* name) const { return window->findChild<QToolButton*>(QLatin1String(name)); }
    QLabel* panInfo() const { return window->findChild<QLabel*>(QStringLiteral("panInfo")); }
    QString cell(int row, int column) const {
        return model()->index(row, column).data().toString();
    }
    QByteArray written() const {
        QFile f(desktop.file(QStringLiteral("Prova.xls")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void exportWith(std::initializer_list<bool> answers) {
        desktop.messages().confirmations.assign(answers.begin(), answers.end());
        button("cmdEsporta")->click();
        EXPECT_TRUE(desktop.messages().confirmations.empty());
    }
};

TEST_F(ExportShell, StartsWithTenEmptyRowsUnderTheNumberColumn) {
    open({});
    ASSERT_TRUE(grid());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" Esporta prova"));
    EXPECT_EQ(rows(), 10);
    ASSERT_EQ(model()->columnCount(), 3);
    EXPECT_EQ(header(0), QStringLiteral("N."));
    EXPECT_EQ(header(1), QStringLiteral("Tipo movimento"));
    EXPECT_EQ(grid()->columnWidth(2), 300);
    EXPECT_TRUE(grid()->alternatingRowColors());
    EXPECT_EQ(grid()->rowHeight(0), 21);
    EXPECT_EQ(cell(0, 0), QString());
    EXPECT_EQ(panInfo()->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
}

TEST_F(ExportShell, FillsOnceWhenShownAndNumbersTheRows) {
    open({3, {{"Entrata", "a"}, {"Uscita", "b"}}});
    EXPECT_EQ(window->loads, 1);
    window->hide();
    window->show();
    EXPECT_EQ(window->loads, 1);
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("2"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Uscita"));
    // The third row could not be read: it stays empty.
    EXPECT_EQ(cell(2, 0), QString());
    EXPECT_EQ(cell(2, 1), QString());
}

TEST_F(ExportShell, AnEmptyListRemovesTheDesignedRows) {
    open({0, {}});
    EXPECT_EQ(rows(), 0);
    exportWith({true, false});
    EXPECT_TRUE(written().contains("width=300>Note</td></tr></table>"));
}

TEST_F(ExportShell, OnlyTheEditableColumnsCanBeChanged) {
    open({1, {{"Entrata", "nota"}}});
    EXPECT_FALSE(editable(0, 0));
    EXPECT_FALSE(editable(0, 1));
    EXPECT_TRUE(editable(0, 2));
}

TEST_F(ExportShell, ANoteTypedOnADesignedEmptyRowIsExportedInItsRow) {
    open({});
    EXPECT_FALSE(model()->setData(model()->index(9, 1), QStringLiteral("Entrata")));
    EXPECT_FALSE(model()->setData(model()->index(9, 0), QStringLiteral("7")));
    ASSERT_TRUE(model()->setData(model()->index(9, 2), QStringLiteral("nota")));
    EXPECT_EQ(cell(9, 2), QStringLiteral("nota"));
    EXPECT_EQ(cell(9, 0), QString());  // still not a read row: no number
    exportWith({true, false});
    const QByteArray empty = "<tr><td style=\"text-align: left;\"></td><td style=\"text-align: left;\"></td></tr>";
    EXPECT_EQ(written().count(empty), 9);
    EXPECT_TRUE(written().contains("<tr><td style=\"text-align: left;\"></td>"
                                   "<td style=\"text-align: left;\">nota</td></tr></table>"));
}

TEST_F(ExportShell, NoToTheFirstQuestionWritesNothing) {
    open({1, {{"Entrata", "a"}}});
    exportWith({false});
    EXPECT_FALSE(QFile::exists(desktop.file(QStringLiteral("Prova.xls"))));
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Confirmation);
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(ExportShell, WritesWhatTheGridShowsTrimmedAndOpensItOnYes) {
    open({1, {{"Entrata", "a"}}});
    ASSERT_TRUE(model()->setData(model()->index(0, 2), QStringLiteral("  cambiata \u00E0 ")));
    exportWith({true, true});
    const QByteArray file = written();
    EXPECT_TRUE(file.contains("<x:Name>Foglio di prova</x:Name>"));
    EXPECT_TRUE(file.contains("<tr><td style=\"text-align: left;\">Entrata</td>"
                              "<td style=\"text-align: left;\">cambiata \xE0</td></tr></table>"));
    EXPECT_FALSE(file.contains("left;\">1</td>"));  // the row number is not written
    EXPECT_EQ(desktop.messages().texts(),
              (QStringList{exporting::startQuestion(), exporting::finishQuestion(exporting::Kind::Archive)}));
    EXPECT_EQ(desktop.shell().opened,
              QStringList{u'"' + QDir::toNativeSeparators(desktop.file(QStringLiteral("Prova.xls"))) + u'"'});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ExportShell, TheDesignedRowsAreWrittenAsEmptyCells) {
    open({});
    exportWith({true, false});
    EXPECT_EQ(written().count("<tr><td style=\"text-align: left;\"></td><td style=\"text-align: left;\"></td></tr>"), 10);
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(ExportShell, UnpaidListsAskTheirOwnFinishQuestion) {
    open({}, exporting::Kind::Unpaid);
    EXPECT_EQ(button("cmdEsporta")->statusTip(), QStringLiteral("Esporta i dati in formato Microsoft Excel."));
    exportWith({true, false});
    EXPECT_EQ(desktop.messages().last().text, exporting::finishQuestion(exporting::Kind::Unpaid));
}

TEST_F(ExportShell, AFileThatCannotBeWrittenShowsTheNoticeAndTheWindowStays) {
    ASSERT_TRUE(QDir(desktop.dir()).mkdir(QStringLiteral("Prova.xls")));
    open({1, {{"Entrata", "a"}}});
    exportWith({true});
    ASSERT_EQ(desktop.messages().shown.size(), 2u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    EXPECT_EQ(desktop.messages().last().text, exporting::failureNotice());
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
    EXPECT_TRUE(window->isVisible());

    // Once the obstacle is gone the export can be repeated.
    ASSERT_TRUE(QDir(desktop.dir()).rmdir(QStringLiteral("Prova.xls")));
    exportWith({true, false});
    EXPECT_TRUE(written().endsWith("</html>"));
}

TEST_F(ExportShell, AGridCutShortByAReadFailureIsReportedOnceAndNeverExported) {
    ASSERT_TRUE(QFile(desktop.file(QStringLiteral("Prova.xls"))).open(QIODevice::WriteOnly));
    exporting::Rows cut{3, {{"Entrata", "a"}}};
    cut.failure = AccessFailure{QStringLiteral("archivio"), QStringLiteral("read: I/O error")};
    open(cut);
    // What was read stays in view; the user is told it is not the archive.
    EXPECT_EQ(cell(0, 1), QStringLiteral("Entrata"));
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages().last().text, accessFailureMessage());
    window->hide();
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(desktop.messages().shown.size(), 1u);

    // Each try to export says it again, asks nothing and writes nothing.
    for (int attempt = 0; attempt < 2; ++attempt) {
        exportWith({});
        EXPECT_EQ(desktop.messages().shown.size(), 2u + attempt);
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
        EXPECT_EQ(desktop.messages().last().text, accessFailureMessage());
    }
    EXPECT_EQ(written(), QByteArray());
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ExportShell, ANoticeThatComesWithTheRowsIsShownOnceAndTheExportGoesOn) {
    exporting::Rows rows{1, {{"Entrata", "a"}}};
    rows.notice = QStringLiteral("Attenzione: una scheda non compare.");
    open(rows);
    EXPECT_EQ(desktop.messages().texts(), QStringList{rows.notice});
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    window->hide();
    window->show();
    QApplication::processEvents();
    exportWith({true, false});
    EXPECT_EQ(desktop.messages().texts(),
              (QStringList{rows.notice, exporting::startQuestion(),
                           exporting::finishQuestion(exporting::Kind::Archive)}));
    EXPECT_TRUE(written().endsWith("</html>"));
}

TEST_F(ExportShell, HoveringShowsTheHintsAndTheBackgroundEmptiesTheStatusLine) {
    open({});
    auto move = [](QWidget* w) {
        QMouseEvent event(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    const std::pair<const char*, const char*> hints[] = {
        {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
    for (const auto& [name, hint] : hints) {
        move(button(name));
        EXPECT_EQ(panInfo()->text(), QString::fromUtf8(hint)) << name;
        move(grid()->viewport());
        EXPECT_EQ(panInfo()->text(), QString()) << name;
    }
}

TEST_F(ExportShell, GuidaOpensTheExportsHelpPage) {
    open({});
    desktop.dialogs().scripts.push_back([](QDialog& d) {
        auto* help = qobject_cast<TfrmGuida*>(&d);
        EXPECT_TRUE(help);
        if (help) {
            EXPECT_EQ(help->title(), QStringLiteral("Titolo."));
            EXPECT_EQ(help->text(), QStringLiteral("Testo."));
        }
        return 0;
    });
    button("cmdGuida")->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{QStringLiteral("TfrmGuida")});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ExportShell, EsciClosesTheWindow) {
    open({});
    button("cmdEsci")->click();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace vt
