#include "clients/SchedaCliente.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>

#include "clients/logic/printclient.h"
#include "report/Report.h"
#include "support/uifakes.h"

namespace vt {
namespace {

// A registry card as far as printing sees it: its text fields by name.
class FakeCard : public QWidget {
public:
    FakeCard() {
        for (const char* name :
             {"txtCliente",  "txtDataNasc",     "txtComuneNasc",  "txtProvNasc",   "txtSesso",
              "txtRecapito", "txtIndirizzoRes", "txtProvRes",     "txtComuneRes",  "txtCapRes",
              "txtEstremi",  "txtTelCasa",      "txtTelUff",      "txtTelCel",     "txtFax",
              "txtEmail",    "txtCodFisc",      "txtCarta",       "txtScadeCarta", "txtPartitaIva",
              "txtIban",     "txtDocumento",    "txtOccupazione", "txtCivile",     "txtTitoli",
              "txtProdotti", "txtZona",         "txtQuestioni",   "txtNote"}) {
            auto* field = new QLineEdit(this);
            field->setObjectName(QString::fromLatin1(name));
        }
    }
    void set(const char* name, const QString& text) {
        findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
    }
};

QString memoText(Report& r, const QString& name) {
    const report::ReportObject* o = r.find(name);
    EXPECT_NE(o, nullptr) << qPrintable(name);
    return o ? o->text : QString();
}

class CardSheet : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    FakeCard card;
    QString pdf = desktop.file("Cliente.pdf");
    QByteArray pdfBytes() const {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(CardSheet, PrintsWhatIsOnScreenRowByRow) {
    card.set("txtCliente", "  Rossi Mario ");
    card.set("txtComuneNasc", "Milano");
    card.set("txtProvNasc", "MI");
    card.set("txtComuneRes", "Roma");
    card.set("txtCapRes", "00100");
    card.set("txtCivile", "coniugato");
    card.set("txtNote", "[DATE] come scritto");
    Report r = clients::filledCard(&card);
    EXPECT_EQ(r.layout().name, "Scheda informativa");
    EXPECT_EQ(r.layout().page.orientation, QPageLayout::Portrait);
    EXPECT_EQ(r.layout().page.paper, QPageSize::A4);
    EXPECT_EQ(memoText(r, "txtTitolo"), "SCHEDA ANAGRAFICA");
    EXPECT_EQ(memoText(r, "titCampo01"), "Cognome e nome:");
    EXPECT_EQ(memoText(r, "txtCampo01"), "Rossi Mario");
    EXPECT_EQ(memoText(r, "txtCampo03"), "Milano MI");
    EXPECT_EQ(memoText(r, "txtCampo07"), "Roma ");
    EXPECT_EQ(memoText(r, "txtCampo16"), "N.   -  Scadenza: ");
    EXPECT_EQ(memoText(r, "titCampo24"), "Note:");
    EXPECT_EQ(memoText(r, "txtCampo24"), "[DATE] come scritto");
    EXPECT_EQ(memoText(r, "txtCalce"), "Stampa eseguita in data 09/12/2026 alle ore 10:30:15");
    ASSERT_NE(r.find("imgLogo"), nullptr);
    EXPECT_EQ(r.find("imgLogo")->kind, report::ObjectKind::Picture);
    EXPECT_TRUE(QFile::exists(r.find("imgLogo")->picture));
    for (const char* line : {"linSepara01", "linSepara02"}) EXPECT_NE(r.find(line), nullptr);
    // Rows one centimetre apart, top to bottom, without word wrap.
    for (int row = 2; row <= cliprint::kRows; ++row) {
        const auto* above = r.find(cliprint::valueMemo(row - 1));
        const auto* here = r.find(cliprint::valueMemo(row));
        EXPECT_DOUBLE_EQ(here->rect.top() - above->rect.top(), 10.0);
        EXPECT_FALSE(here->wordWrap);
    }
    EXPECT_EQ(r.pageCount(), 1);
    // Nothing about the postal code or the marital status.
    for (int row = 1; row <= cliprint::kRows; ++row) {
        EXPECT_FALSE(memoText(r, cliprint::valueMemo(row)).contains("00100"));
        EXPECT_FALSE(memoText(r, cliprint::valueMemo(row)).contains("coniugato"));
    }
}

TEST_F(CardSheet, PdfIsWrittenBesideTheProgramAndOpenedOnYes) {
    card.set("txtCliente", "Rossi Mario");
    desktop.messages().confirmations = {true};
    clients::pdfCard(&card);
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Confirmation);
    EXPECT_EQ(desktop.messages().last().text, cliprint::pdfDoneQuestion());
    EXPECT_TRUE(pdfBytes().startsWith("%PDF"));
    EXPECT_EQ(desktop.shell().opened, QStringList{u'"' + pdf + u'"'});
}

// What a PDF reader shows as the document's title and subject.
TEST_F(CardSheet, PdfCarriesTheTitleAndSubjectOfTheSheet) {
    card.set("txtCliente", "Rossi Mario");
    desktop.messages().confirmations = {false};
    clients::pdfCard(&card);
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    ASSERT_FALSE(tool.isEmpty()) << "pdfinfo (poppler-utils) is needed to read the PDF";
    QProcess info;
    info.start(tool, {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    ASSERT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
    QMap<QString, QString> fields;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0) fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    EXPECT_EQ(fields.value(QStringLiteral("Title")), QStringLiteral("Scheda informativa"));
    EXPECT_EQ(fields.value(QStringLiteral("Subject")), QStringLiteral("Scheda informativa"));
    EXPECT_EQ(fields.value(QStringLiteral("Pages")), QStringLiteral("1"));
}

TEST_F(CardSheet, ASecondPdfReplacesTheFirstWithoutAskingAndNoLeavesItClosed) {
    desktop.messages().confirmations = {false, false};
    card.set("txtCliente", "Primo");
    clients::pdfCard(&card);
    const QByteArray first = pdfBytes();
    card.set("txtCliente", "Secondo con un nome molto lungo");
    clients::pdfCard(&card);
    EXPECT_EQ(desktop.messages().shown.size(), 2u);
    EXPECT_NE(pdfBytes(), first);
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
    // No stray temporary files are left beside it.
    EXPECT_EQ(QDir(desktop.dir()).entryList({"Cliente*"}, QDir::Files), QStringList{"Cliente.pdf"});
}

TEST_F(CardSheet, APdfThatCannotBeWrittenSaysSoAndLeavesNothingBehind) {
    ASSERT_TRUE(QDir(desktop.dir()).mkdir("Cliente.pdf"));
    clients::pdfCard(&card);
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages().last().text, cliprint::pdfFailureMessage());
    EXPECT_TRUE(QFileInfo(pdf).isDir());
    EXPECT_EQ(QDir(desktop.dir()).entryList(QDir::Files), QStringList{});
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(CardSheet, AReadOnlyProgramFolderSaysSo) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    QFile::setPermissions(desktop.dir(), QFile::ReadOwner | QFile::ExeOwner);
    clients::pdfCard(&card);
    QFile::setPermissions(desktop.dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().text, cliprint::pdfFailureMessage());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(CardSheet, PrintAndPreviewGoThroughTheReportEngine) {
    card.set("txtCliente", "Rossi");
    clients::printCard(&card);
    EXPECT_EQ(desktop.printers().printed.size(), 1);
    clients::previewCard(&card);
    EXPECT_EQ(desktop.printers().previews, QStringList{"Scheda informativa"});
    desktop.printers().installed = false;
    clients::printCard(&card);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages().last().text, noPrinterMessage());
}

}  // namespace
}  // namespace vt
