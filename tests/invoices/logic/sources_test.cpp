#include "invoices/logic/sources.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "einvoices.h"
#include "invoices/logic/wording.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt::invoices {
namespace {

namespace ei = test::einvoice;
using Kind = SourceItem::Kind;

QByteArray invoiceXml(const QString& numero = QStringLiteral("1")) {
    return ei::xml(ei::received({ei::simpleBody(numero, QStringLiteral("10.00"), QString())}));
}

class Sources : public ::testing::Test {
public:
    QTemporaryDir dir;
    QString put(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(ei::writeFile(path, bytes));
        return path;
    }
    QString zip(const QString& name, const QList<QPair<QString, QByteArray>>& entries) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(ei::writeZip(path, entries));
        return path;
    }

protected:
    static QList<SourceItem> read(const QStringList& paths, const ReadLimits& limits = {}) {
        bool cancelled = true;
        auto items = readSources(paths, limits, {}, &cancelled);
        EXPECT_FALSE(cancelled);
        return items;
    }
};

TEST_F(Sources, PlainAndSignedFilesGiveTheirXml) {
    const QByteArray xml = invoiceXml();
    const QByteArray der = ei::signDer(xml);
    const auto items = read({put(QStringLiteral("IT01234567897_a.xml"), xml),
                             put(QStringLiteral("IT01234567897_b.xml.p7m"), der),
                             put(QStringLiteral("IT01234567897_c.xml.p7m"), ei::asBase64(der, 76)),
                             // A signed file without the .p7m name is still opened.
                             put(QStringLiteral("IT01234567897_d.xml"), der)});
    ASSERT_EQ(items.size(), 4);
    for (const SourceItem& item : items) {
        EXPECT_EQ(item.kind, Kind::Document) << item.display.toStdString();
        EXPECT_EQ(item.xml, xml);
        EXPECT_FALSE(item.insideZip);
    }
    EXPECT_EQ(items[0].original, xml);
    EXPECT_EQ(items[1].original, der);
    EXPECT_EQ(items[1].fileName, QStringLiteral("IT01234567897_b.xml.p7m"));
    EXPECT_EQ(items[1].display, QStringLiteral("IT01234567897_b.xml.p7m"));
}

TEST_F(Sources, ZipListsInvoicesAndPassesOverEverythingElse) {
    const QByteArray der = ei::signDer(invoiceXml(QStringLiteral("2")));
    const QString path =
        zip(QStringLiteral("fatture.zip"),
            {{QStringLiteral("IT01234567897_a1.xml"), invoiceXml()},
             {QStringLiteral("IT01234567897_a1_MT_001.xml"), QByteArray("<FileMetadati/>")},
             {QStringLiteral("sub/IT01234567897_a2.xml.p7m"), der},
             {QStringLiteral("IT01234567897_a2_RC_001.xml"), QByteArray("<RicevutaConsegna/>")},
             {QStringLiteral("IT01234567897_a3_NS_001.xml"), QByteArray("<x/>")},
             {QStringLiteral("IT01234567897_a4_MC_001.xml.p7m"), QByteArray("x")},
             {QStringLiteral("copia.PDF"), QByteArray("%PDF-1.4")},
             {QStringLiteral("leggimi.txt"), QByteArray("ciao")},
             {QStringLiteral("altre.zip"), QByteArray("PK")}});
    const auto items = read({path});
    ASSERT_EQ(items.size(), 9);
    EXPECT_EQ(items[0].kind, Kind::Document);
    EXPECT_TRUE(items[0].insideZip);
    EXPECT_EQ(items[0].display, QStringLiteral("fatture.zip \u203A IT01234567897_a1.xml"));
    EXPECT_EQ(items[2].kind, Kind::Document);
    EXPECT_EQ(items[2].fileName, QStringLiteral("IT01234567897_a2.xml.p7m"));
    EXPECT_EQ(items[2].original, der);
    EXPECT_EQ(items[2].xml, invoiceXml(QStringLiteral("2")));
    const QList<QPair<int, QString>> skipped{
        {1, wording::skippedExchangeMessage(QStringLiteral("MT"))},
        {3, wording::skippedExchangeMessage(QStringLiteral("RC"))},
        {4, wording::skippedExchangeMessage(QStringLiteral("NS"))},
        {5, wording::skippedExchangeMessage(QStringLiteral("MC"))},
        {6, wording::skippedPdf()},
        {7, wording::skippedOther()},
        {8, wording::skippedNestedZip()},
    };
    for (const auto& s : skipped) {
        EXPECT_EQ(items[s.first].kind, Kind::Skipped) << s.first;
        EXPECT_EQ(items[s.first].reason, s.second);
    }
}

// Every file that cannot be read is one item with its reason, and the
// files after it are still read.
struct BadCase {
    const char* name;
    QString (*make)(Sources& t);
    QString (*reason)();
};

class BadFiles : public Sources, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadFiles, GiveOneFailedItemAndTheNextFileIsRead) {
    const QString bad = GetParam().make(*this);
    if (bad.isEmpty()) GTEST_SKIP() << "not possible here";
    const QString good = put(QStringLiteral("buona.xml"), invoiceXml());
    const auto items = read({bad, good});
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].kind, Kind::Failed);
    EXPECT_EQ(items[0].reason, GetParam().reason());
    EXPECT_EQ(items[0].path, bad);
    EXPECT_FALSE(items[0].display.isEmpty());
    EXPECT_EQ(items[1].kind, Kind::Document);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadFiles,
    ::testing::Values(
        BadCase{"Missing",
                [](Sources& fx) { return fx.dir.filePath(QStringLiteral("sparita.xml")); },
                &wording::fileMissing},
        BadCase{"Folder",
                [](Sources& fx) {
                    QDir(fx.dir.path()).mkdir(QStringLiteral("cartella.xml"));
                    return fx.dir.filePath(QStringLiteral("cartella.xml"));
                },
                &wording::notAFile},
        BadCase{"Unreadable",
                [](Sources& fx) {
                    // Permission bits do not stop root; the kernel's view of
                    // the process's own memory cannot be read from its start.
                    if (::geteuid() == 0) return QStringLiteral("/proc/self/mem");
                    const QString path = fx.put(QStringLiteral("chiusa.xml"), invoiceXml());
                    QFile::setPermissions(path, QFileDevice::Permissions());
                    return path;
                },
                &wording::unreadable},
        BadCase{"SignedNotCms",
                [](Sources& fx) { return fx.put(QStringLiteral("falsa.xml.p7m"), "non firmato"); },
                &wording::notSigned},
        BadCase{"SignedBinaryNotCms",
                [](Sources& fx) {
                    return fx.put(QStringLiteral("falsa2.p7m"),
                                  QByteArray("\x30\x03\x02\x01\x05", 5));
                },
                &wording::notSigned},
        BadCase{"CorruptZip",
                [](Sources& fx) {
                    return fx.put(QStringLiteral("rotto.zip"),
                                  QByteArray("PK\x03\x04 rotto e troncato"));
                },
                &wording::zipDamaged},
        BadCase{"TruncatedZip",
                [](Sources& fx) {
                    const QString path =
                        fx.zip(QStringLiteral("troncato.zip"),
                               {{QStringLiteral("a.xml"), invoiceXml()},
                                {QStringLiteral("b.xml"), invoiceXml(QStringLiteral("2"))}});
                    QFile f(path);
                    f.resize(f.size() / 2);
                    return path;
                },
                &wording::zipDamaged},
        BadCase{"EmptyZip",
                [](Sources& fx) {
                    return fx.put(QStringLiteral("vuoto.zip"),
                                  QByteArray("PK\x05\x06" + QByteArray(18, '\0')));
                },
                &wording::zipEmpty},
        BadCase{"ZipBomb",
                [](Sources& fx) {
                    const QString path =
                        fx.zip(QStringLiteral("bomba.zip"),
                               {{QStringLiteral("a.xml"), invoiceXml()},
                                {QStringLiteral("b.xml"), invoiceXml(QStringLiteral("2"))}});
                    ei::declareSize(path, 300u * 1024 * 1024);  // 600 MB declared in all
                    return path;
                },
                [] { return wording::zipTooLarge(ReadLimits{}.maxZipBytes); }},
        BadCase{"FiftyMegabytes",
                [](Sources& fx) {
                    QByteArray big = invoiceXml();
                    big.insert(big.indexOf("</Descrizione>"), QByteArray(50 * 1024 * 1024, 'x'));
                    return fx.put(QStringLiteral("enorme.xml"), big);
                },
                [] { return wording::tooLarge(ReadLimits{}.maxDocumentBytes); }}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Sources, ZipEntriesThatCannotBeUnpackedFailOneByOne) {
    const QString path = zip(QStringLiteral("misto.zip"),
                             {{QStringLiteral("a.xml"), invoiceXml()},
                              {QStringLiteral("b.xml"), invoiceXml(QStringLiteral("2"))}});
    // Damage the compressed data of the first entry only.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    const qsizetype data = 30 + 5;  // local header and the name "a.xml"
    for (qsizetype i = data + 10; i < data + 40; ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    f.seek(0);
    f.write(bytes);
    f.close();
    const auto items = read({path});
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].kind, Kind::Failed);
    EXPECT_EQ(items[0].reason, wording::entryDamaged());
    EXPECT_EQ(items[1].kind, Kind::Document);
}

TEST_F(Sources, ZipLimitsHoldOnDeclaredAndOnUnpackedSizes) {
    ReadLimits small;
    small.maxDocumentBytes = 64 * 1024;
    small.maxZipEntries = 3;
    small.maxZipBytes = 256 * 1024;
    const QByteArray filler(200 * 1024, ' ');  // compresses to almost nothing

    // Too many entries: refused before anything is unpacked.
    const QString many = zip(QStringLiteral("tanti.zip"), {{QStringLiteral("1.xml"), "a"},
                                                           {QStringLiteral("2.xml"), "b"},
                                                           {QStringLiteral("3.xml"), "c"},
                                                           {QStringLiteral("4.xml"), "d"}});
    // An entry declaring a small size that unpacks to more than a document
    // may hold: stopped while unpacking.
    const QString lying = zip(QStringLiteral("bugiardo.zip"), {{QStringLiteral("a.xml"), filler}});
    ASSERT_TRUE(ei::declareSize(lying, 1000));
    const auto items = read({many, lying}, small);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].kind, Kind::Failed);
    EXPECT_EQ(items[0].reason, wording::zipTooManyFiles(3));
    EXPECT_EQ(items[1].kind, Kind::Failed);
    EXPECT_EQ(items[1].reason, wording::tooLarge(small.maxDocumentBytes));

    // Entries each within the document limit that together unpack to more
    // than the archive's limit, while declaring little.
    QByteArray part(60 * 1024, ' ');
    const QString total = zip(QStringLiteral("totale.zip"), {{QStringLiteral("1.xml"), part},
                                                             {QStringLiteral("2.xml"), part},
                                                             {QStringLiteral("3.xml"), part}});
    ASSERT_TRUE(ei::declareSize(total, 10));
    small.maxZipEntries = 10;
    small.maxZipBytes = 100 * 1024;
    const auto parts = read({total}, small);
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts[0].kind, Kind::Document);
    EXPECT_EQ(parts[1].reason, wording::zipTooLarge(small.maxZipBytes));
    EXPECT_EQ(parts[2].reason, wording::zipTooLarge(small.maxZipBytes));
}

TEST_F(Sources, EncryptedEntryIsRefusedWithItsReason) {
    const QString path = dir.filePath(QStringLiteral("protetto.zip"));
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(z, nullptr);
    const QByteArray xml = invoiceXml();
    zip_source_t* src =
        zip_source_buffer(z, xml.constData(), static_cast<zip_uint64_t>(xml.size()), 0);
    const zip_int64_t index = zip_file_add(z, "a.xml", src, 0);
    ASSERT_GE(index, 0);
    if (zip_file_set_encryption(z, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "segreta") !=
        0) {
        zip_discard(z);
        GTEST_SKIP() << "libzip without encryption";
    }
    ASSERT_EQ(zip_close(z), 0);
    const auto items = read({path});
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].reason, wording::entryEncrypted());
}

TEST_F(Sources, ProgressRisesToTheEndAndCanStopTheReading) {
    QList<QPair<QString, QByteArray>> entries;
    for (int i = 0; i < 50; ++i)
        entries.append({QStringLiteral("f%1.xml").arg(i), invoiceXml(QString::number(i))});
    const QString a = zip(QStringLiteral("a.zip"), entries);
    const QString b = put(QStringLiteral("b.xml"), invoiceXml());
    QList<int> seen;
    bool cancelled = true;
    const auto all = readSources(
        {a, b}, {},
        [&](int t) {
            seen << t;
            return true;
        },
        &cancelled);
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(all.size(), 51);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 1000);

    int calls = 0;
    const auto part = readSources(
        {a, b}, {}, [&](int) { return ++calls < 10; }, &cancelled);
    EXPECT_TRUE(cancelled);
    EXPECT_LT(part.size(), 51);
}

}  // namespace
}  // namespace vt::invoices
