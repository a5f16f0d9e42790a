// The movements export as LibreOffice Calc reads it: the file is converted to
// CSV by LibreOffice itself and every cell is compared with what the grid
// showed. Skipped where LibreOffice is not installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "archive/recordfile.h"
#include "movements/logic/exportmovements.h"

namespace vt::expmov {
namespace {

MovementRecord movement(const QStringList& texts) {
    // Field, text pairs in the order of `fields`.
    static const mov::Field fields[] = {
        mov::Data,     mov::Causale,     mov::Promemoria,   mov::DataSca,     mov::Preavviso,
        mov::Pagatore, mov::RecapitoPag, mov::CodFisc,      mov::PartitaIva,  mov::Categoria,
        mov::Email,    mov::Pagamento,   mov::Beneficiario, mov::RecapitoBen, mov::Ricevuta,
        mov::Note,     mov::Tariffa};
    MovementRecord r;
    for (int i = 0; i < texts.size(); ++i) r.setText(fields[i], texts[i]);
    return r;
}

// One CSV line of LibreOffice's output (comma separated, fields with commas
// or quotes between double quotes, quotes doubled).
QStringList csvFields(const QString& line) {
    QStringList out;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            out.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    out.append(field);
    return out;
}

TEST(MovementsExportInLibreOffice, EveryCellReadsBackAsExported) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString year = dir.filePath(QStringLiteral("2024.eur"));
    MovementRecord codes =
        movement({"05/03/2024", "Caff\u00E8 e tram: \u00E0 \u00E8 \u00EC \u00F2 \u00F9 \u20AC",
                  "007", "31/03/2024", "5", "Societ\u00E0 Zero Srl", "0612345678",
                  "RSSMRA80A01H501U", "00743110157", "1E5", "info@zero.it", "=1+1",
                  "Studio Bianchi", "+39 02 1234", "0001234", "=1+1", "1/2"});
    codes.setFlag(mov::Entrata, true);
    codes.setFlag(mov::Uscita, false);
    codes.setText(mov::ImportoSegnato, "+1234,50");
    codes.setFlag(mov::Saldato, false);
    MovementRecord plain =
        movement({"13/03/2024", "Affitto <ufficio> & box", "", "01/04/2024", "0", "Ufficio", "", "",
                  "", "", "", "Bonifico", "Immobiliare", "", "", "nota, con virgola \"e\"", ""});
    plain.setFlag(mov::Entrata, false);
    plain.setFlag(mov::Uscita, true);
    plain.setText(mov::ImportoSegnato, "-45,00");
    plain.setFlag(mov::Saldato, true);
    ASSERT_TRUE(MovementFile(year).append(codes));
    ASSERT_TRUE(MovementFile(year).append(plain));

    const exporting::Rows rows = expmov::rows(year);
    ASSERT_EQ(rows.rows.size(), 2);
    const QString xls = dir.filePath(QStringLiteral("Movimenti.xls"));
    ASSERT_TRUE(sheet::write(xls, exporting::worksheet(definition(), rows.rows)));

    // LibreOffice gets a home and a profile of its own, so that runs never
    // share (or wait on) one, and a fixed locale, so that what it reads does
    // not depend on the machine's settings.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    QProcess office;
    office.setProcessEnvironment(env);
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.start(
        soffice,
        {QStringLiteral("-env:UserInstallation=") +
             QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
         QStringLiteral("--headless"), QStringLiteral("--norestore"),
         QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
         QStringLiteral("--outdir"), dir.path(), xls});
    ASSERT_TRUE(office.waitForFinished(280000)) << office.readAll().toStdString();
    QFile csv(dir.filePath(QStringLiteral("Movimenti.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << office.readAll().toStdString();
    QStringList lines = QString::fromUtf8(csv.readAll()).split(u'\n');
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();

    QList<QStringList> expected;
    QStringList headers;
    for (const auto& c : definition().columns) headers.append(c.headerInFile());
    expected.append(headers);
    expected += rows.rows;
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype r = 0; r < lines.size(); ++r) {
        const QStringList cells = csvFields(lines[r].chopped(lines[r].endsWith(u'\r') ? 1 : 0));
        ASSERT_EQ(cells.size(), expected[r].size()) << "row " << r;
        for (qsizetype c = 0; c < cells.size(); ++c)
            EXPECT_EQ(cells[c], expected[r][c])
                << "row " << r << ", column " << headers[c].toStdString();
    }
    // The cells the issue was about, spelled out.
    EXPECT_EQ(csvFields(lines[1])[10], "00743110157");
    EXPECT_EQ(csvFields(lines[1])[3], "007");
    EXPECT_EQ(csvFields(lines[1])[17], "=1+1");
    EXPECT_EQ(csvFields(lines[1])[11], "1E5");
}

}  // namespace
}  // namespace vt::expmov
