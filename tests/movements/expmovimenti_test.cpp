#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "archive/recordfile.h"
#include "movements/ExpMovimenti.h"
#include "movements/Movimenti.h"
#include "output/logic/exportdefinition.h"
#include "support/uifakes.h"

namespace vt {
namespace {

MovementRecord movement(bool incoming, const QString& causale, const QString& amount, bool settled) {
    MovementRecord r;
    r.setFlag(mov::Entrata, incoming);
    r.setFlag(mov::Uscita, !incoming);
    r.setText(mov::Data, QStringLiteral("05/03/2024"));
    r.setText(mov::Causale, causale);
    r.setText(mov::DataSca, QStringLiteral("31/03/2024"));
    r.setText(mov::Preavviso, QStringLiteral("0"));
    r.setText(mov::Importo, amount);
    r.setText(mov::ImportoSegnato, (incoming ? u'+' : u'-') + amount);
    r.setText(mov::Pagatore, QStringLiteral("Mario Rossi"));
    r.setText(mov::Beneficiario, QStringLiteral("Studio Bianchi"));
    r.setFlag(mov::Saldato, settled);
    return r;
}

class MovementsExportWindow : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    std::unique_ptr<TfrmMovimenti> card;

    void SetUp() override {
        card = std::make_unique<TfrmMovimenti>();
        screens::add(card.get());
    }
    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }
    QLabel* lblFile() {
        auto* label = card->findChild<QLabel*>(QStringLiteral("lblFile"));
        if (!label) {
            label = new QLabel(card.get());
            label->setObjectName(QStringLiteral("lblFile"));
        }
        return label;
    }
    // The year as the year selection opens it.
    QString openYear(const QString& year, const QList<MovementRecord>& records) {
        const QString path = yearFilePath(year);
        const MovementFile file(path);
        for (const auto& r : records) EXPECT_TRUE(file.append(r));
        lblFile()->setText(path);
        return path;
    }
    static QAbstractItemModel* gridModel(QWidget& w) {
        return w.findChild<QTableView*>(QStringLiteral("grdRecords"))->model();
    }
    static QString cell(QWidget& w, int row, int column) {
        return gridModel(w)->index(row, column).data().toString();
    }
    static void click(QWidget& w, const char* name) { w.findChild<QToolButton*>(QLatin1String(name))->click(); }
    QByteArray exported() const {
        QFile f(desktop.file(QStringLiteral("Movimenti.xls")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Dates, days and amounts are plain cells; every other column is text.
    static QByteArray dataCell(const QByteArray& text) { return "<td style=\"text-align: left;\">" + text + "</td>"; }
    static QByteArray textCell(const QByteArray& text) {
        return "<td style=\"text-align: left; mso-number-format:\\@;\" sdnum=\"1040;0;@\">" + text + "</td>";
    }
};

TEST_F(MovementsExportWindow, ShowsTheYearOfTheCardAndExportsItInFileOrder) {
    openYear(QStringLiteral("2024"), {movement(true, QStringLiteral("Parcella"), QStringLiteral("100,00"), false),
                                      movement(false, QStringLiteral("Affitto"), QStringLiteral("45,00"), true),
                                      movement(true, QStringLiteral("Rimborso"), QStringLiteral("7,50"), false)});
    // The way the card opens it: a fresh window owned by the card.
    desktop.messages().confirmations = {true, true};
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Esporta archivio movimenti in Microsoft Excel"));
        EXPECT_EQ(gridModel(d)->rowCount(), 3);
        EXPECT_EQ(gridModel(d)->columnCount(), 21);
        EXPECT_EQ(cell(d, 2, 0), QStringLiteral("3"));
        EXPECT_EQ(cell(d, 1, 1), QStringLiteral("Uscita"));
        EXPECT_EQ(cell(d, 1, 7), QStringLiteral("-45,00"));
        EXPECT_EQ(cell(d, 1, 20), QStringLiteral("S\u00EC"));
        click(d, "cmdEsporta");
        EXPECT_TRUE(d.isVisible());
        click(d, "cmdEsci");
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    openDialog<TfrmExpMovimenti>(card.get());
    EXPECT_TRUE(desktop.dialogs().scripts.empty());

    const QByteArray file = exported();
    EXPECT_TRUE(file.contains("<x:Name>Riepilogo annuale movimenti</x:Name>"));
    EXPECT_EQ(file.count("<tr>"), 4);
    EXPECT_LT(file.indexOf("Parcella"), file.indexOf("Affitto"));
    EXPECT_LT(file.indexOf("Affitto"), file.indexOf("Rimborso"));
    EXPECT_TRUE(file.contains("<tr>" + textCell("Uscita") + dataCell("05/03/2024") + textCell("Affitto")));
    EXPECT_TRUE(file.contains(dataCell("-45,00") + textCell("Mario Rossi")));
    EXPECT_TRUE(file.contains(textCell("S\xEC") + "</tr>"));
    EXPECT_TRUE(file.contains("width=120>Saldato</td></tr>"));
    EXPECT_FALSE(file.contains('\n'));
    EXPECT_EQ(desktop.shell().opened,
              QStringList{u'"' + QDir::toNativeSeparators(desktop.file(QStringLiteral("Movimenti.xls"))) + u'"'});
}

TEST_F(MovementsExportWindow, AccentsAndTheEuroSignAreOneByteEachAndMarkupIsKeptAsText) {
    openYear(QStringLiteral("2024"),
             {movement(true, QStringLiteral("Caff\u00E8 & pi\u00F9 < 100 \u20AC"), QStringLiteral("1,00"), false),
              movement(true, QStringLiteral("Cortes\u00EDa \u65E5"), QStringLiteral("2,00"), false)});
    TfrmExpMovimenti window(card.get());
    window.show();
    desktop.messages().confirmations = {true, false};
    click(window, "cmdEsporta");
    const QByteArray file = exported();
    EXPECT_TRUE(file.contains(textCell("Caff\xE8 &amp; pi\xF9 &lt; 100 \x80")));
    EXPECT_TRUE(file.contains(textCell("Cortes\xED" "a ?")));
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(MovementsExportWindow, ExportingAnotherYearReplacesTheFile) {
    openYear(QStringLiteral("2023"), {movement(true, QStringLiteral("Vecchio"), QStringLiteral("1,00"), false)});
    {
        TfrmExpMovimenti window(card.get());
        window.show();
        desktop.messages().confirmations = {true, false};
        click(window, "cmdEsporta");
    }
    openYear(QStringLiteral("2024"), {movement(true, QStringLiteral("Nuovo"), QStringLiteral("1,00"), false)});
    TfrmExpMovimenti window(card.get());
    window.show();
    desktop.messages().confirmations = {true, false};
    click(window, "cmdEsporta");
    EXPECT_TRUE(exported().contains("Nuovo"));
    EXPECT_FALSE(exported().contains("Vecchio"));
}

TEST_F(MovementsExportWindow, AnEmptyYearKeepsTheTenDesignedRows) {
    const QString path = openYear(QStringLiteral("2025"), {});
    TfrmExpMovimenti window(card.get());
    window.show();
    EXPECT_EQ(gridModel(window)->rowCount(), 10);
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(MovementsExportWindow, AnExportThatCannotBeWrittenShowsTheNoticeAndTheWindowStays) {
    openYear(QStringLiteral("2024"), {movement(true, QStringLiteral("Parcella"), QStringLiteral("1,00"), false)});
    ASSERT_TRUE(QDir(desktop.dir()).mkdir(QStringLiteral("Movimenti.xls")));
    TfrmExpMovimenti window(card.get());
    window.show();
    desktop.messages().confirmations = {true};
    click(window, "cmdEsporta");
    ASSERT_EQ(desktop.messages().shown.size(), 2u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    EXPECT_EQ(desktop.messages().last().text, exporting::failureNotice());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(cell(window, 0, 3), QStringLiteral("Parcella"));
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(MovementsExportWindow, AProgramFolderBelowAFileIsReportedAndCannotExport) {
    QFile plain(desktop.file(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    struct Below : ProgramDirectory {
        QString at;
        QString path() const override { return at; }
    };
    auto below = std::make_shared<Below>();
    below->at = desktop.file(QStringLiteral("plain/"));
    setProgramDirectory(below);
    lblFile()->setText(yearFilePath(QStringLiteral("2024")));
    {
        TfrmExpMovimenti window(card.get());
        window.show();
        EXPECT_EQ(gridModel(window)->rowCount(), 10);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(desktop.messages().texts(), QStringList{accessFailureMessage()});
        // The year could not be read: the export is refused before any question.
        click(window, "cmdEsporta");
        EXPECT_EQ(desktop.messages().texts(), QStringList(2, accessFailureMessage()));
        EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
        EXPECT_TRUE(window.isVisible());
    }
    setProgramDirectory(nullptr);
}

}  // namespace
}  // namespace vt
