#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "movements/logic/attachments.h"
#include "support/fakes.h"

#include <sys/stat.h>

namespace vt::attach {
namespace {

void put(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct NameCase {
    const char* name;
    const char16_t* text;
    bool bare;
};

class SlotNames : public ::testing::TestWithParam<NameCase> {
protected:
    test::FakeSystem system;
};

TEST_P(SlotNames, OnlyBareNamesLeadIntoTheFolder) {
    const auto& c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(isBareName(text), c.bare);
    if (c.bare) {
        EXPECT_EQ(openTarget(text), u'"' + QDir::toNativeSeparators(folder() + text.trimmed()) + u'"');
        EXPECT_EQ(pathInFolder(text), folder() + text.trimmed());
    } else {
        EXPECT_EQ(openTarget(text), QString());
        EXPECT_EQ(pathInFolder(text), QString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SlotNames,
    ::testing::Values(NameCase{"Plain", u"fattura.pdf", true}, NameCase{"Padded", u"  fattura 2026.pdf ", true},
                      NameCase{"Accented", u"ricevuta caff\u00E8 \u20AC.jpg", true},
                      NameCase{"DotsInside", u"a..b", true}, NameCase{"Empty", u"", false},
                      NameCase{"Blank", u"   ", false}, NameCase{"Dot", u".", false},
                      NameCase{"DotDot", u"..", false}, NameCase{"ParentSlash", u"../x", false},
                      NameCase{"ParentBackslash", u"..\\x", false}, NameCase{"Absolute", u"/etc/passwd", false},
                      NameCase{"Drive", u"C:\\Doc\\fattura.pdf", false}, NameCase{"DriveRelative", u"C:x", false},
                      NameCase{"SubFolder", u"sub/x.pdf", false}, NameCase{"Quote", u"a\" b", false},
                      NameCase{"LineBreak", u"a\nb", false}),
    [](const auto& p) { return std::string(p.param.name); });

class CopyIntoFolder : public ::testing::Test {
protected:
    test::FakeSystem system;
    QTemporaryDir elsewhere;
    int questions = 0;

    QString source(const QString& name, const QByteArray& content) {
        const QString path = elsewhere.filePath(name);
        put(path, content);
        return path;
    }
    CopyOutcome copy(const QString& path, bool answer) {
        return copyIntoFolder(path, [&] {
            ++questions;
            return answer;
        });
    }
};

TEST_F(CopyIntoFolder, CreatesTheFolderAndCopiesUnderTheBareName) {
    const QString from = source(QStringLiteral("fattura.pdf"), "PDF-1");
    EXPECT_EQ(copy(from, true), CopyOutcome::Copied);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(contentOf(folder() + QStringLiteral("fattura.pdf")), "PDF-1");
    EXPECT_EQ(contentOf(from), "PDF-1");
}

TEST_F(CopyIntoFolder, AFileOfTheSameNameIsReplacedOnlyOnYes) {
    ASSERT_EQ(copy(source(QStringLiteral("fattura.pdf"), "first"), true), CopyOutcome::Copied);
    QDir(elsewhere.path()).mkdir(QStringLiteral("other"));
    const QString second = elsewhere.filePath(QStringLiteral("other/fattura.pdf"));
    put(second, "second");

    EXPECT_EQ(copy(second, false), CopyOutcome::KeptExisting);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(contentOf(folder() + QStringLiteral("fattura.pdf")), "first");

    EXPECT_EQ(copy(second, true), CopyOutcome::Copied);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(contentOf(folder() + QStringLiteral("fattura.pdf")), "second");
}

TEST_F(CopyIntoFolder, TheFoldersOwnCopyIsLeftAloneWithoutAQuestion) {
    ASSERT_EQ(copy(source(QStringLiteral("fattura.pdf"), "mine"), true), CopyOutcome::Copied);
    EXPECT_EQ(copy(folder() + QStringLiteral("fattura.pdf"), true), CopyOutcome::AlreadyThere);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(contentOf(folder() + QStringLiteral("fattura.pdf")), "mine");
}

TEST_F(CopyIntoFolder, ASourceThatCannotBeReadCopiesNothing) {
    ASSERT_EQ(copy(source(QStringLiteral("fattura.pdf"), "kept"), true), CopyOutcome::Copied);
    // Missing, a folder, a pipe: nothing is asked, the folder's file stays.
    const QString pipe = elsewhere.filePath(QStringLiteral("fattura.pdf.fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QDir(elsewhere.path()).mkdir(QStringLiteral("cartella"));
    for (const QString& bad : {elsewhere.filePath(QStringLiteral("nessuno.pdf")),
                               elsewhere.filePath(QStringLiteral("cartella")), pipe}) {
        EXPECT_EQ(copy(bad, true), CopyOutcome::Failed) << bad.toStdString();
    }
    const QString gone = elsewhere.filePath(QStringLiteral("sparito.pdf"));
    EXPECT_EQ(copy(gone, true), CopyOutcome::Failed);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(contentOf(folder() + QStringLiteral("fattura.pdf")), "kept");
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{QStringLiteral("fattura.pdf")});
}

TEST_F(CopyIntoFolder, AFolderThatCannotBeCreatedStopsSilently) {
    put(system.file(QStringLiteral("Documenti_Allegati")), "not a folder");
    EXPECT_EQ(copy(source(QStringLiteral("fattura.pdf"), "x"), true), CopyOutcome::Failed);
    EXPECT_EQ(contentOf(system.file(QStringLiteral("Documenti_Allegati"))), "not a folder");
}

TEST_F(CopyIntoFolder, ATargetThatIsAFolderIsNeitherReplacedNorEntered) {
    ASSERT_TRUE(QDir().mkpath(folder() + QStringLiteral("fattura.pdf")));
    put(folder() + QStringLiteral("fattura.pdf/inside"), "inside");
    EXPECT_EQ(copy(source(QStringLiteral("fattura.pdf"), "x"), true), CopyOutcome::Failed);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(contentOf(folder() + QStringLiteral("fattura.pdf/inside")), "inside");
}

TEST(AttachTexts, DialogAndQuestion) {
    EXPECT_EQ(dialogTitle(), QStringLiteral("Selezionare il file da allegare:"));
    EXPECT_EQ(dialogFilter(), QStringLiteral("Tutti i file (*.*)"));
    EXPECT_EQ(overwriteQuestion(),
              QStringLiteral("Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo stesso "
                             "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
}

}  // namespace
}  // namespace vt::attach
