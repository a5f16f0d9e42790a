#include "invoices/logic/sources.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

#include "invoices/logic/envelope.h"
#include "invoices/logic/wording.h"
#include "invoices/logic/ziparchive.h"

namespace vt::invoices {

namespace {

const QString kSeparator = QStringLiteral(" \u203A ");

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Whether the bytes begin as an XML document does: a byte-order mark or
// blanks, then '<'.
bool looksLikeXml(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) return true;
    for (char c : bytes) {
        if (isBlank(c)) continue;
        return c == '<';
    }
    return false;
}

bool looksLikeZip(QByteArrayView bytes) {
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

bool named(const QString& name, const char* suffix) {
    return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

// The XML of a document, from the bytes as delivered: a signed envelope is
// opened whatever the file's name says, and a file named .p7m that holds
// plain XML is read as it is.
void takeDocument(SourceItem& item) {
    const bool signedName = named(item.fileName, ".p7m");
    if (looksLikeXml(item.original)) {
        item.kind = SourceItem::Kind::Document;
        item.xml = item.original;
        return;
    }
    if (signedName || looksLikeEnvelope(item.original)) {
        if (auto content = signedContent(item.original)) {
            item.kind = SourceItem::Kind::Document;
            item.xml = std::move(*content);
            return;
        }
        if (signedName) {
            item.kind = SourceItem::Kind::Failed;
            item.reason = wording::notSigned();
            return;
        }
    }
    // Left to the XML reader, which says what is wrong with it.
    item.kind = SourceItem::Kind::Document;
    item.xml = item.original;
}

QString baseName(const QString& entryName) {
    const qsizetype slash = std::max(entryName.lastIndexOf(u'/'), entryName.lastIndexOf(u'\\'));
    return slash >= 0 ? entryName.mid(slash + 1) : entryName;
}

class Reading {
public:
    Reading(const ReadLimits& limits, const Progress& progress, qint64 totalBytes)
        : limits_(limits), progress_(progress), total_(std::max<qint64>(totalBytes, 1)) {}

    bool stopped() const { return stopped_; }
    QList<SourceItem>& items() { return items_; }

    void readFile(const QString& path) {
        const QFileInfo info(path);
        SourceItem item;
        item.path = path;
        item.display = info.fileName();
        item.fileName = info.fileName();
        if (!info.exists()) return fail(item, wording::fileMissing());
        if (info.isDir()) return fail(item, wording::notAFile());
        const qint64 size = info.size();

        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return fail(item, wording::unreadable(), size);
        const QByteArray head = file.peek(4);
        if (named(item.fileName, ".zip") || looksLikeZip(head)) {
            file.close();
            readZip(item, size);
            return;
        }
        if (size > limits_.maxDocumentBytes)
            return fail(item, wording::tooLarge(limits_.maxDocumentBytes), size);
        item.original = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            item.original.clear();
            return fail(item, wording::unreadable(), size);
        }
        takeDocument(item);
        items_.append(std::move(item));
        advance(size);
    }

private:
    void fail(SourceItem& item, const QString& reason, qint64 bytes = 0) {
        item.kind = SourceItem::Kind::Failed;
        item.reason = reason;
        items_.append(std::move(item));
        advance(bytes);
    }

    void advance(qint64 bytes) {
        done_ += bytes;
        if (progress_ &&
            !progress_(static_cast<int>(std::min<qint64>(done_, total_) * 1000 / total_)))
            stopped_ = true;
    }

    void readZip(SourceItem& zipItem, qint64 size) {
        auto opened = ZipArchive::open(zipItem.path, limits_.maxZipEntries, limits_.maxZipBytes);
        if (auto* fault = std::get_if<ZipFault>(&opened)) {
            switch (*fault) {
                case ZipFault::Unreadable:
                    return fail(zipItem, wording::unreadable(), size);
                case ZipFault::NotZip:
                    return fail(zipItem, wording::zipDamaged(), size);
                case ZipFault::TooManyFiles:
                    return fail(zipItem, wording::zipTooManyFiles(limits_.maxZipEntries), size);
                case ZipFault::TooLarge:
                    return fail(zipItem, wording::zipTooLarge(limits_.maxZipBytes), size);
            }
        }
        ZipArchive& zip = std::get<ZipArchive>(opened);
        const qint64 before = done_;
        bool any = false;
        for (qsizetype i = 0; i < zip.entries().size() && !stopped_; ++i) {
            const ZipEntry& entry = zip.entries()[i];
            if (entry.directory) continue;
            any = true;
            SourceItem item;
            item.path = zipItem.path;
            item.insideZip = true;
            item.fileName = baseName(entry.name);
            item.display = zipItem.display + kSeparator + entry.name;
            if (const auto reason = skipReason(entry.name)) {
                item.kind = SourceItem::Kind::Skipped;
                item.reason = *reason;
            } else if (zip.exhausted()) {
                item.reason = wording::zipTooLarge(limits_.maxZipBytes);
            } else {
                auto bytes = zip.read(i, limits_.maxDocumentBytes);
                if (auto* fault = std::get_if<EntryFault>(&bytes)) {
                    item.reason =
                        *fault == EntryFault::Encrypted ? wording::entryEncrypted()
                        : *fault == EntryFault::TooLarge
                            ? (zip.exhausted() ? wording::zipTooLarge(limits_.maxZipBytes)
                                               : wording::tooLarge(limits_.maxDocumentBytes))
                            : wording::entryDamaged();
                } else {
                    item.original = std::move(std::get<QByteArray>(bytes));
                    takeDocument(item);
                }
            }
            items_.append(std::move(item));
            advance(std::min<qint64>(entry.packed, std::max<qint64>(0, before + size - done_)));
        }
        if (!any && !stopped_) {
            zipItem.kind = SourceItem::Kind::Failed;
            zipItem.reason = wording::zipEmpty();
            items_.append(std::move(zipItem));
        }
        // Whatever the entries declared, the archive's bytes are now read.
        advance(std::max<qint64>(0, before + size - done_));
    }

    const ReadLimits& limits_;
    const Progress& progress_;
    qint64 total_;
    qint64 done_ = 0;
    bool stopped_ = false;
    QList<SourceItem> items_;
};

}  // namespace

std::optional<QString> skipReason(const QString& entryName) {
    const QString name = baseName(entryName);
    // The exchange system names its own messages <file>_<kind>_<number>.
    static const QRegularExpression message(
        QStringLiteral("_(MT|RC|NS|MC|NE|DT|AT|EC|SE|SM|RS|RE)_\\d+"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = message.match(name);
    if (match.hasMatch()) return wording::skippedExchangeMessage(match.captured(1));
    if (named(name, ".pdf")) return wording::skippedPdf();
    if (named(name, ".zip")) return wording::skippedNestedZip();
    if (named(name, ".xml") || named(name, ".p7m")) return std::nullopt;
    return wording::skippedOther();
}

QList<SourceItem> readSources(const QStringList& paths, const ReadLimits& limits,
                              const Progress& progress, bool* cancelled) {
    qint64 total = 0;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isFile()) total += info.size();
    }
    Reading reading(limits, progress, total);
    for (const QString& path : paths) {
        if (reading.stopped()) break;
        reading.readFile(path);
    }
    if (cancelled) *cancelled = reading.stopped();
    return std::move(reading.items());
}

}  // namespace vt::invoices
