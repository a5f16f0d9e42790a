// Every window that fills itself from an archive, against every way an
// archive file can refuse to be read: the user always learns that the list
// is not the archive, and no export replaces a good file with it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "archive/recordfile.h"
#include "causali/ExpCausali.h"
#include "causali/TrovaCausali.h"
#include "clients/ExpClienti.h"
#include "clients/Ricontatta.h"
#include "movements/ExpMovimenti.h"
#include "movements/Movimenti.h"
#include "movements/SospesiMov.h"
#include "support/uifakes.h"
#include "unpaid/InsolutiAll.h"
#include "unpaid/InsolutiEnt.h"
#include "unpaid/InsolutiUsc.h"

namespace vt {
namespace {

enum class Archive { Year, Causali, Clienti };

QString archivePath(Archive archive) {
    switch (archive) {
        case Archive::Year:
            return yearFilePath(QStringLiteral("2026"));
        case Archive::Causali:
            return causaliFilePath();
        case Archive::Clienti:
            break;
    }
    return clientiFilePath();
}

// One record that every reader of its archive lists: an unpaid receipt due
// long ago, a causale, a card to recontact.
void storeOne(Archive archive) {
    const QString path = archivePath(archive);
    switch (archive) {
        case Archive::Year: {
            MovementRecord r;
            r.setFlag(mov::Entrata, true);
            r.setFlag(mov::Uscita, false);
            r.setText(mov::Data, QStringLiteral("01/01/2026"));
            r.setText(mov::Causale, QStringLiteral("Affitto"));
            r.setText(mov::DataSca, QStringLiteral("02/01/2026"));
            r.setText(mov::Preavviso, QStringLiteral("0"));
            r.setText(mov::Importo, QStringLiteral("10,00"));
            r.setText(mov::ImportoSegnato, QStringLiteral("+10,00"));
            r.setText(mov::Pagatore, QStringLiteral("Rossi"));
            r.setText(mov::Beneficiario, QStringLiteral("Studio"));
            r.setFlag(mov::Saldato, false);
            ASSERT_TRUE(MovementFile(path).append(r));
            return;
        }
        case Archive::Causali: {
            CausaleRecord r;
            r.setText(cau::Causale, QStringLiteral("Affitto"));
            ASSERT_TRUE(CausaliFile(path).append(r));
            return;
        }
        case Archive::Clienti: {
            ClientRecord r;
            r.setText(cli::Cliente, QStringLiteral("Rossi"));
            r.setFlag(cli::Ricontatta, true);
            ASSERT_TRUE(ClientFile(path).append(r));
            return;
        }
    }
}

struct Reader {
    const char* window;
    Archive archive;
    const char* exportFile;  // nullptr for a list without export
    std::function<std::unique_ptr<QDialog>(const QString& yearFile)> make;
};

void PrintTo(const Reader& reader, std::ostream* os) {
    *os << reader.window;
}

template <typename W>
std::unique_ptr<QDialog> withYear(const QString& yearFile) {
    auto w = std::make_unique<W>();
    w->setYearFile(yearFile);
    return w;
}

const Reader kReaders[] = {
    {"TfrmExpMovimenti", Archive::Year, "Movimenti.xls", &withYear<TfrmExpMovimenti>},
    {"TfrmInsolutiEnt", Archive::Year, "Pagamenti_in_Entrata_Insoluti.xls",
     &withYear<TfrmInsolutiEnt>},
    {"TfrmInsolutiUsc", Archive::Year, "Pagamenti_in_Uscita_Insoluti.xls",
     &withYear<TfrmInsolutiUsc>},
    {"TfrmInsolutiAll", Archive::Year, "Pagamenti_Insoluti.xls", &withYear<TfrmInsolutiAll>},
    {"TfrmExpCausali", Archive::Causali, "Causali.xls",
     [](const QString&) { return std::make_unique<TfrmExpCausali>(); }},
    {"TfrmExpClienti", Archive::Clienti, "Anagrafica.xls",
     [](const QString&) { return std::make_unique<TfrmExpClienti>(); }},
    // The due list reads the year open in the movement card.
    {"TfrmSospesiMov", Archive::Year, nullptr,
     [](const QString&) { return std::make_unique<TfrmSospesiMov>(); }},
    {"TfrmTrovaCausali", Archive::Causali, nullptr,
     [](const QString&) {
         auto w = std::make_unique<TfrmTrovaCausali>();
         w->setMemory(QStringLiteral("causali"));
         return w;
     }},
    {"TfrmRicontatta", Archive::Clienti, nullptr,
     [](const QString&) { return std::make_unique<TfrmRicontatta>(); }},
};

// How the archive file refuses to be read.
enum class Refusal {
    Folder,     // a folder stands where the file should be
    ReadOnly,   // the file is marked read-only (does not stop root)
    Immutable,  // the file cannot be changed, not even by root
    ReadFault,  // the file opens and is counted, but reading it fails
};

const char* nameOf(Refusal r) {
    switch (r) {
        case Refusal::Folder:
            return "Folder";
        case Refusal::ReadOnly:
            return "ReadOnly";
        case Refusal::Immutable:
            return "Immutable";
        case Refusal::ReadFault:
            break;
    }
    return "ReadFault";
}

void PrintTo(Refusal r, std::ostream* os) {
    *os << nameOf(r);
}

bool setImmutable(const QString& path, bool on) {
    return QProcess::execute(QStringLiteral("chattr"),
                             {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

class ArchiveReads : public ::testing::TestWithParam<std::tuple<Reader, Refusal>> {
protected:
    test::FakeDesktop desktop;
    TfrmMovimenti card;
    QString immutable;
    const QString kOldExport = QStringLiteral("<html>esportazione precedente</html>");

    void SetUp() override {
        screens::clear();
        screens::add(&card);
        card.findChild<QLabel*>(QStringLiteral("lblFile"))
            ->setText(yearFilePath(QStringLiteral("2026")));
    }
    void TearDown() override {
        setIoFaultHook(nullptr);
        if (!immutable.isEmpty()) setImmutable(immutable, false);
        screens::clear();
    }

    // Makes the archive refuse to be read; false when this machine cannot.
    bool refuse(Archive archive, Refusal how) {
        const QString path = archivePath(archive);
        switch (how) {
            case Refusal::Folder:
                return QDir().mkpath(path);
            case Refusal::ReadOnly:
                if (::geteuid() == 0) return false;
                storeOne(archive);
                return QFile::setPermissions(path, QFileDevice::ReadOwner);
            case Refusal::Immutable:
                storeOne(archive);
                if (!setImmutable(path, true)) return false;
                immutable = path;
                return true;
            case Refusal::ReadFault:
                storeOne(archive);
                setIoFaultHook([path](IoStep step, const QString& at) {
                    return step == IoStep::Read && at == path;
                });
                return true;
        }
        return false;
    }

    QStringList shownTexts() { return desktop.messages().texts(); }
    bool allErrors() {
        for (const auto& m : desktop.messages().shown)
            if (m.kind != MessageKind::Error) return false;
        return true;
    }
    QByteArray exportFile(const char* name) const {
        QFile f(desktop.file(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(nessun file)");
    }
};

TEST_P(ArchiveReads, TheAccessMessageIsShownOnceAndNoExportIsWritten) {
    const auto& [reader, how] = GetParam();
    if (!refuse(reader.archive, how))
        GTEST_SKIP() << nameOf(how) << " cannot be arranged here (root, or no chattr)";
    if (reader.exportFile) {
        QFile old(desktop.file(QString::fromLatin1(reader.exportFile)));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(kOldExport.toLatin1());
    }

    std::unique_ptr<QDialog> window = reader.make(yearFilePath(QStringLiteral("2026")));
    window->show();
    // The message waits until the window is on the screen, over it.
    EXPECT_TRUE(shownTexts().isEmpty());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(shownTexts(), QStringList{accessFailureMessage()});
    EXPECT_TRUE(allErrors());
    // Shown again, the window neither reads nor speaks again.
    window->hide();
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(shownTexts().size(), 1);

    if (auto* list = window->findChild<QListWidget*>(QStringLiteral("lstRecords"))) {
        EXPECT_EQ(list->count(), 0);
    }
    if (!reader.exportFile) return;

    // The export refuses at once: no question, no file, no "successo".
    window->findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->click();
    EXPECT_EQ(shownTexts(), QStringList(2, accessFailureMessage()));
    EXPECT_TRUE(allErrors());
    EXPECT_EQ(exportFile(reader.exportFile), kOldExport.toLatin1());
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryReader, ArchiveReads,
                         ::testing::Combine(::testing::ValuesIn(kReaders),
                                            ::testing::Values(Refusal::Folder, Refusal::ReadOnly,
                                                              Refusal::Immutable,
                                                              Refusal::ReadFault)),
                         [](const ::testing::TestParamInfo<ArchiveReads::ParamType>& param) {
                             return std::string(std::get<0>(param.param).window) + "_" +
                                    nameOf(std::get<1>(param.param));
                         });

}  // namespace
}  // namespace vt
