#include "clients/ExpClienti.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>

#include "archive/recordfile.h"
#include "output/logic/exportdefinition.h"
#include "support/uifakes.h"

namespace vt {
namespace {

ClientRecord card(const QString& name, const QString& vat) {
    ClientRecord r;
    r.setText(cli::Cliente, name);
    r.setText(cli::ComuneNasc, "Milano");
    r.setText(cli::ProvNasc, "MI");
    r.setText(cli::ComuneRes, "Roma");
    r.setText(cli::PartitaIva, vat);
    r.setText(cli::Sesso, "F");
    r.setText(cli::CapRes, "00100");
    r.setText(cli::Note, "=1+1");
    return r;
}

QAbstractItemModel* grid(QWidget& w) {
    return w.findChild<QTableView*>(QStringLiteral("grdRecords"))->model();
}
QString cell(QWidget& w, int row, int column) {
    return grid(w)->index(row, column).data().toString();
}
void click(QWidget& w, const char* name) {
    w.findChild<QToolButton*>(QLatin1String(name))->click();
}

class RegistryExport : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    void add(const ClientRecord& r) { ASSERT_TRUE(ClientFile(clientiFilePath()).append(r)); }
    QByteArray exported() const {
        QFile f(desktop.file(QStringLiteral("Anagrafica.xls")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(RegistryExport, ThreeCardsGiveAHeaderAndThreeRowsInFileOrder) {
    add(card("Zeta", "00743110157"));
    add(card("Alfa", "01234567890"));
    add(card("Beta", ""));
    TfrmExpClienti window;
    window.show();
    EXPECT_EQ(window.windowTitle(), " Esporta archivio pagatori e beneficiari in Microsoft Excel");
    ASSERT_EQ(grid(window)->columnCount(), 26);
    ASSERT_EQ(grid(window)->rowCount(), 3);
    EXPECT_EQ(grid(window)->headerData(0, Qt::Horizontal).toString(), "N.");
    EXPECT_EQ(grid(window)->headerData(3, Qt::Horizontal).toString(), "Comune / Stato estero di nascita");
    EXPECT_EQ(cell(window, 0, 0), "1");
    EXPECT_EQ(cell(window, 0, 1), "Zeta");
    EXPECT_EQ(cell(window, 0, 3), "Milano MI");
    EXPECT_EQ(cell(window, 0, 6), "Roma ");
    EXPECT_EQ(cell(window, 0, 14), "00743110157");
    EXPECT_EQ(cell(window, 2, 1), "Beta");

    desktop.messages().confirmations = {true, true};
    click(window, "cmdEsporta");
    const QByteArray file = exported();
    EXPECT_TRUE(file.contains("<x:Name>Archivio Anagrafico</x:Name>"));
    EXPECT_EQ(file.count("<tr>"), 4);
    EXPECT_TRUE(file.contains("width=250>Comune di nascita</td>"));
    EXPECT_FALSE(file.contains("Stato estero"));
    EXPECT_LT(file.indexOf("Zeta"), file.indexOf("Alfa"));
    EXPECT_LT(file.indexOf("Alfa"), file.indexOf("Beta"));
    EXPECT_TRUE(file.contains("00743110157"));
    EXPECT_FALSE(file.contains(">00100<"));
    EXPECT_EQ(desktop.shell().opened,
              QStringList{u'"' + QDir::toNativeSeparators(desktop.file("Anagrafica.xls")) + u'"'});
    EXPECT_EQ(desktop.messages().shown[1].text,
              exporting::finishQuestion(exporting::Kind::Archive));
}

TEST_F(RegistryExport, AnsweringNoFirstWritesNothing) {
    add(card("Zeta", ""));
    TfrmExpClienti window;
    window.show();
    desktop.messages().confirmations = {false};
    click(window, "cmdEsporta");
    EXPECT_FALSE(QFile::exists(desktop.file("Anagrafica.xls")));
    EXPECT_EQ(desktop.messages().shown.size(), 1u);
}

TEST_F(RegistryExport, AnEmptyArchiveKeepsTheGridsEmptyRows) {
    TfrmExpClienti window;
    window.show();
    EXPECT_EQ(grid(window)->rowCount(), exporting::kDesignedRows);
    EXPECT_TRUE(QFile::exists(clientiFilePath()));
}

TEST_F(RegistryExport, AFileThatCannotBeWrittenShowsTheNotice) {
    add(card("Zeta", ""));
    ASSERT_TRUE(QDir(desktop.dir()).mkdir("Anagrafica.xls"));
    TfrmExpClienti window;
    window.show();
    desktop.messages().confirmations = {true};
    click(window, "cmdEsporta");
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
    EXPECT_EQ(desktop.messages().last().text, exporting::failureNotice());
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace vt
