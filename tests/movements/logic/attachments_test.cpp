#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "archive/codec.h"
#include "movements/logic/attachments.h"
#include "support/fakes.h"

#include <sys/stat.h>

namespace vt::attach {
namespace {

using namespace Qt::StringLiterals;

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

struct CopyNameCase {
    const char* name;
    QString chosen;
    QStringList existing;
    QString expected;
};
void PrintTo(const CopyNameCase& c, std::ostream* os) { *os << c.name; }

class CopyName : public ::testing::TestWithParam<CopyNameCase> {};

// Every name the rule gives is one a slot stores as it is and a file system
// takes: Windows-1252 only, no character a file name or a slot refuses, at
// most 250 characters, not blank at the ends.
TEST_P(CopyName, GivesANameTheSlotAndTheFolderCanHold) {
    const CopyNameCase& c = GetParam();
    const QString name = copyName(c.chosen, c.existing);
    EXPECT_EQ(name, c.expected);
    EXPECT_TRUE(isBareName(name));
    EXPECT_EQ(fromCp1252(toCp1252(name)), name);
    EXPECT_EQ(trimmed(name), name);
    EXPECT_LE(name.size(), kSlotCapacity);
    EXPECT_LE(QFile::encodeName(name).size(), 255);
    for (QChar ch : name) EXPECT_FALSE(QStringLiteral("\\/:*?\"<>|").contains(ch)) << name.toStdString();
}

const QString k256x = QString(256, u'x');

INSTANTIATE_TEST_SUITE_P(
    Table, CopyName,
    ::testing::Values(
        CopyNameCase{"Plain", u"fattura.pdf"_s, {}, u"fattura.pdf"_s},
        CopyNameCase{"Padded", u"  fattura.pdf "_s, {}, u"fattura.pdf"_s},
        CopyNameCase{"Accented", u"ricevuta caff\u00E8 \u20AC.jpg"_s, {},
                     u"ricevuta caff\u00E8 \u20AC.jpg"_s},
        // A name that needs no change keeps it even when taken: the user is
        // asked whether to replace the file.
        CopyNameCase{"PlainTaken", u"fattura.pdf"_s, {u"fattura.pdf"_s}, u"fattura.pdf"_s},
        CopyNameCase{"Greek", u"\u03A9mega.pdf"_s, {}, u"_mega.pdf"_s},
        CopyNameCase{"GreekTaken", u"\u03A9mega.pdf"_s, {u"_mega.pdf"_s}, u"_mega (2).pdf"_s},
        CopyNameCase{"GreekTakenTwiceInAnyCase", u"\u03A9mega.pdf"_s,
                     {u"_MEGA.PDF"_s, u"_mega (2).pdf"_s, u"altro.pdf"_s}, u"_mega (3).pdf"_s},
        CopyNameCase{"Colon", u"a:b.txt"_s, {}, u"a_b.txt"_s},
        CopyNameCase{"Backslash", u"a\\b.txt"_s, {}, u"a_b.txt"_s},
        CopyNameCase{"BackslashAfterColon", u"a\\b.txt"_s, {u"a_b.txt"_s}, u"a_b (2).txt"_s},
        CopyNameCase{"Time", u"fattura 10:30.pdf"_s, {}, u"fattura 10_30.pdf"_s},
        CopyNameCase{"RefusedOnWindows", u"a*b?c\"d<e>f|g.doc"_s, {}, u"a_b_c_d_e_f_g.doc"_s},
        CopyNameCase{"Control", u"tab\there.txt"_s, {}, u"tab_here.txt"_s},
        // Letters with marks the code page lacks keep their plain letter.
        CopyNameCase{"Polish", u"\u0141\u00F3d\u017A za\u017C\u00F3\u0142\u0107.pdf"_s, {},
                     u"_\u00F3dz zaz\u00F3_c.pdf"_s},
        CopyNameCase{"Czech", u"\u0159\u00ED\u010Den.odt"_s, {}, u"r\u00EDcen.odt"_s},
        CopyNameCase{"Cyrillic", u"\u0421\u0447\u0451\u0442.pdf"_s, {}, u"____.pdf"_s},
        CopyNameCase{"Emoji", u"\U0001F600.png"_s, {}, u"_.png"_s},
        // An accent typed apart from its letter joins it.
        CopyNameCase{"Decomposed", u"e\u0301.txt"_s, {}, u"\u00E9.txt"_s},
        CopyNameCase{"TooLong", k256x + u".pdf"_s, {}, QString(246, u'x') + u".pdf"_s},
        CopyNameCase{"TooLongTaken", k256x + u".pdf"_s, {QString(246, u'x') + u".pdf"_s},
                     QString(242, u'x') + u" (2).pdf"_s},
        CopyNameCase{"TooLongWithoutExtension", QString(251, u'x'), {}, QString(250, u'x')},
        CopyNameCase{"TooLongExtension", u"a."_s + QString(300, u'x'), {},
                     u"a."_s + QString(248, u'x')},
        CopyNameCase{"CutOnABlank", QString(245, u'x') + u"     y.pdf"_s, {},
                     QString(245, u'x') + u".pdf"_s},
        // 250 characters of two bytes each would pass no file system.
        CopyNameCase{"TooManyBytes", QString(300, QChar(0x00E8)) + u".pdf"_s, {},
                     QString(125, QChar(0x00E8)) + u".pdf"_s}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CopyName, TheNoticeNamesTheCopy) {
    EXPECT_EQ(renamedNotice(u"_mega.pdf"_s),
              u"Il nome del file scelto contiene caratteri non ammessi oppure supera i 250 "
              u"caratteri: la copia \u00E8 stata salvata nella cartella dei documenti allegati "
              u"con il nome \"_mega.pdf\"."_s);
}

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

TEST_F(CopyIntoFolder, ANameTheFolderCannotHoldIsCopiedUnderAFreeOneWithoutAQuestion) {
    const QString omega = source(u"\u03A9mega.pdf"_s, "omega");
    ASSERT_EQ(copyNameInFolder(u"\u03A9mega.pdf"_s), u"_mega.pdf"_s);
    EXPECT_EQ(copy(omega, true), CopyOutcome::Copied);
    EXPECT_EQ(contentOf(folder() + u"_mega.pdf"_s), "omega");
    // The same again: a new copy beside the first, nothing asked.
    EXPECT_EQ(copyNameInFolder(u"\u03A9mega.pdf"_s), u"_mega (2).pdf"_s);
    EXPECT_EQ(copy(omega, true), CopyOutcome::Copied);
    EXPECT_EQ(contentOf(folder() + u"_mega (2).pdf"_s), "omega");
    EXPECT_EQ(questions, 0);
    // Two names that become one.
    const QString colon = source(u"a:b.txt"_s, "colon");
    const QString backslash = source(u"a\\b.txt"_s, "backslash");
    EXPECT_EQ(copy(colon, true), CopyOutcome::Copied);
    EXPECT_EQ(copy(backslash, true), CopyOutcome::Copied);
    EXPECT_EQ(contentOf(folder() + u"a_b.txt"_s), "colon");
    EXPECT_EQ(contentOf(folder() + u"a_b (2).txt"_s), "backslash");
    EXPECT_EQ(questions, 0);
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
