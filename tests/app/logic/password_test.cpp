#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>

#include "app/logic/crypt.h"
#include "app/logic/inifile.h"
#include "app/logic/password.h"
#include "support/fakes.h"

namespace vt::password {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes every file write of this process fail, as on a full or read-only
// disk: a real failure even for root.
class FileSizeLimit {
public:
    FileSizeLimit() {
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit none = old_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

class PasswordStore : public ::testing::Test {
protected:
    test::FakeSystem system;
    QString store() const { return system.file(QStringLiteral("unins000.dll")); }
};

TEST_F(PasswordStore, LivesInTheProgramFolder) { EXPECT_EQ(storePath(), store()); }

TEST_F(PasswordStore, WritesTheScrambledUpperCasedTrimmedPasswordAsIni) {
    ASSERT_TRUE(writeStored(QStringLiteral("  primanota \t")));
    EXPECT_EQ(readFile(store()), QByteArray("[Accesso]\nValore=43B38784DBEBEAC801\n"));
    EXPECT_EQ(readStored(), QStringLiteral("PRIMANOTA"));
}

TEST_F(PasswordStore, ChangingKeepsTheOtherLinesOfTheFile) {
    writeFile(store(), "; comment\r\n[Altro]\r\nValore=1\r\n\r\n[accesso]\r\nvalore = 52\r\nX=y\r\n");
    EXPECT_EQ(readStored(), QStringLiteral("A"));
    ASSERT_TRUE(writeStored(QStringLiteral("primanota")));
    EXPECT_EQ(readFile(store()),
              QByteArray("; comment\r\n[Altro]\r\nValore=1\r\n\r\n[accesso]\r\nValore=43B38784DBEBEAC801\r\nX=y\r\n"));
}

TEST_F(PasswordStore, AddsAMissingSectionOrKey) {
    writeFile(store(), "[Accesso]\nAltro=1\n\n[Dopo]\nZ=2\n");
    ASSERT_TRUE(writeStored(QStringLiteral("a")));
    EXPECT_EQ(readFile(store()), QByteArray("[Accesso]\nAltro=1\nValore=52\n\n[Dopo]\nZ=2\n"));
    writeFile(store(), "[Dopo]\nZ=2\n");
    ASSERT_TRUE(writeStored(QStringLiteral("a")));
    EXPECT_EQ(readFile(store()), QByteArray("[Dopo]\nZ=2\n\n[Accesso]\nValore=52\n"));
}

TEST_F(PasswordStore, NothingStoredReadsEmptyAndMatchesNothing) {
    for (const QByteArray& content : {QByteArray(), QByteArray("[Altro]\nValore=52\n"),
                                      QByteArray("[Accesso]\nAltro=52\n"), QByteArray("[Accesso]\nValore=\n")}) {
        writeFile(store(), content);
        EXPECT_EQ(readStored(), QString()) << content.constData();
        EXPECT_EQ(checkLogin(QStringLiteral("A")), LoginResult::NoMatch);
        EXPECT_EQ(checkLogin(QString()), LoginResult::NoMatch);
        EXPECT_EQ(change(QStringLiteral(" "), QStringLiteral("b"), QStringLiteral("b")),
                  ChangeResult::WrongOldPassword);
    }
    QFile::remove(store());
    EXPECT_EQ(readStored(), QString());
    EXPECT_EQ(checkLogin(QStringLiteral("A")), LoginResult::NoMatch);
    EXPECT_FALSE(QFile::exists(store()));
}

TEST_F(PasswordStore, AValueThatIsNotHexadecimalIsAReadFailure) {
    writeFile(store(), "[Accesso]\nValore=5ZZ2\n");
    EXPECT_FALSE(readStored().has_value());
    EXPECT_EQ(checkLogin(QStringLiteral("A")), LoginResult::ReadFailure);
    EXPECT_EQ(change(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("b")), ChangeResult::ReadFailure);
}

TEST_F(PasswordStore, AStoreThatIsADirectoryIsAReadFailure) {
    ASSERT_TRUE(QDir().mkdir(store()));
    EXPECT_FALSE(readStored().has_value());
    EXPECT_EQ(change(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("b")), ChangeResult::ReadFailure);
    EXPECT_FALSE(writeStored(QStringLiteral("b")));
}

TEST_F(PasswordStore, AProgramFolderBelowAFileHoldsNoPasswordAndCannotBeWritten) {
    writeFile(system.file(QStringLiteral("file")), "x");
    const QString path = storePath(system.file(QStringLiteral("file/")));
    EXPECT_EQ(readStored(path), QString());
    EXPECT_EQ(checkLogin(QStringLiteral("A"), path), LoginResult::NoMatch);
    EXPECT_FALSE(writeStored(QStringLiteral("b"), path));
}

TEST_F(PasswordStore, LoginIgnoresLetterCaseOfAToZAndSurroundingBlanks) {
    ASSERT_TRUE(writeStored(QStringLiteral("segreto")));
    for (const char* typed : {"segreto", "SEGRETO", "SeGrEtO", "  segreto  ", "\tSEGRETO"})
        EXPECT_EQ(checkLogin(QString::fromLatin1(typed)), LoginResult::Match) << typed;
    for (const char* typed : {"segret", "se greto", "segreto1", ""})
        EXPECT_EQ(checkLogin(QString::fromLatin1(typed)), LoginResult::NoMatch) << typed;
}

TEST_F(PasswordStore, OnlyLettersAToZChangeCase) {
    EXPECT_EQ(normalized(QStringLiteral(" àbc-é ")), QStringLiteral("àBC-é"));
    ASSERT_TRUE(writeStored(QStringLiteral("città")));
    EXPECT_EQ(checkLogin(QStringLiteral("CITTà")), LoginResult::Match);
    EXPECT_EQ(checkLogin(QStringLiteral("CITTÀ")), LoginResult::NoMatch);
}

TEST_F(PasswordStore, ChangeChecksInOrderAndStoresOnlyOnSuccess) {
    ASSERT_TRUE(writeStored(QStringLiteral("vecchia1")));
    const QByteArray before = readFile(store());
    EXPECT_EQ(change(QStringLiteral("sbagliata"), QStringLiteral("nuova"), QStringLiteral("altra")),
              ChangeResult::WrongOldPassword);
    // Letter case counts between new password and confirmation.
    EXPECT_EQ(change(QStringLiteral(" VECCHIA1 "), QStringLiteral("nuova"), QStringLiteral("NUOVA")),
              ChangeResult::NotConfirmed);
    EXPECT_EQ(readFile(store()), before);
    EXPECT_EQ(change(QStringLiteral("vecchia1"), QStringLiteral(" nuova "), QStringLiteral("nuova")),
              ChangeResult::Changed);
    EXPECT_EQ(checkLogin(QStringLiteral("NUOVA")), LoginResult::Match);
    EXPECT_EQ(checkLogin(QStringLiteral("vecchia1")), LoginResult::NoMatch);
}

TEST_F(PasswordStore, ACharacterAboveCode255IsRefusedAndTheOldPasswordStays) {
    ASSERT_TRUE(writeStored(QStringLiteral("vecchia1")));
    EXPECT_FALSE(isStorable(QStringLiteral("caffè€")));
    EXPECT_TRUE(isStorable(QStringLiteral("caffè ÿ")));
    EXPECT_EQ(change(QStringLiteral("vecchia1"), QStringLiteral("euro€"), QStringLiteral("euro€")),
              ChangeResult::NotStorable);
    EXPECT_EQ(checkLogin(QStringLiteral("vecchia1")), LoginResult::Match);
}

TEST_F(PasswordStore, AFailedWriteKeepsTheOldPassword) {
    ASSERT_TRUE(writeStored(QStringLiteral("vecchia1")));
    const QByteArray before = readFile(store());
    {
        FileSizeLimit noWrites;
        EXPECT_EQ(change(QStringLiteral("vecchia1"), QStringLiteral("nuova"), QStringLiteral("nuova")),
                  ChangeResult::WriteFailure);
        EXPECT_EQ(checkLogin(QStringLiteral("vecchia1")), LoginResult::Match);
    }
    EXPECT_EQ(readFile(store()), before);
    EXPECT_EQ(checkLogin(QStringLiteral("vecchia1")), LoginResult::Match);
    EXPECT_EQ(checkLogin(QStringLiteral("nuova")), LoginResult::NoMatch);
    EXPECT_EQ(QDir(system.dir()).entryList(QDir::Files), QStringList{QStringLiteral("unins000.dll")});
}

}  // namespace
}  // namespace vt::password
