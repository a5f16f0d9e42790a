#include "invoices/logic/ziparchive.h"

#include <zip.h>

#include <QFile>

namespace vt::invoices {

struct ZipArchive::Handle {
    zip_t* archive = nullptr;
    ~Handle() {
        if (archive) zip_discard(archive);
    }
};

ZipArchive::ZipArchive(std::unique_ptr<Handle> handle, QList<ZipEntry> entries,
                       qint64 maxTotalBytes)
    : handle_(std::move(handle)), entries_(std::move(entries)), maxTotal_(maxTotalBytes) {}
ZipArchive::ZipArchive(ZipArchive&&) noexcept = default;
ZipArchive& ZipArchive::operator=(ZipArchive&&) noexcept = default;
ZipArchive::~ZipArchive() = default;

std::variant<ZipArchive, ZipFault> ZipArchive::open(const QString& path, qint64 maxEntries,
                                                    qint64 maxTotalBytes) {
    // Opened by the program first, so that a file it may not read is told
    // apart from one that is not an archive.
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly)) return ZipFault::Unreadable;
    }
    int error = 0;
    auto handle = std::make_unique<Handle>();
    handle->archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!handle->archive)
        return error == ZIP_ER_OPEN || error == ZIP_ER_READ ? ZipFault::Unreadable
                                                            : ZipFault::NotZip;

    const zip_int64_t count = zip_get_num_entries(handle->archive, 0);
    if (count < 0) return ZipFault::NotZip;
    if (count > maxEntries) return ZipFault::TooManyFiles;
    QList<ZipEntry> entries;
    entries.reserve(count);
    qint64 declared = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(handle->archive, static_cast<zip_uint64_t>(i), 0, &st) != 0)
            return ZipFault::NotZip;
        ZipEntry entry;
        if (st.valid & ZIP_STAT_NAME) entry.name = QString::fromUtf8(st.name);
        if (st.valid & ZIP_STAT_SIZE) entry.size = static_cast<qint64>(st.size);
        if (st.valid & ZIP_STAT_COMP_SIZE) entry.packed = static_cast<qint64>(st.comp_size);
        entry.encrypted =
            (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
        entry.directory = entry.name.endsWith(u'/');
        if (entry.size < 0 || entry.size > maxTotalBytes - declared) return ZipFault::TooLarge;
        declared += entry.size;
        entries.append(std::move(entry));
    }
    return ZipArchive(std::move(handle), std::move(entries), maxTotalBytes);
}

std::variant<QByteArray, EntryFault> ZipArchive::read(qsizetype index, qint64 limit) {
    const ZipEntry& entry = entries_.at(index);
    if (entry.encrypted) return EntryFault::Encrypted;
    if (exhausted()) return EntryFault::TooLarge;
    if (entry.size > limit) return EntryFault::TooLarge;
    zip_file_t* file = zip_fopen_index(handle_->archive, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(handle_->archive));
        return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD ? EntryFault::Encrypted
                                                                     : EntryFault::Damaged;
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(entry.size));
    constexpr qint64 kChunk = 64 * 1024;
    char buffer[kChunk];
    std::variant<QByteArray, EntryFault> result = EntryFault::Damaged;
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer, kChunk);
        if (n < 0) break;
        if (n == 0) {
            result = std::move(bytes);
            break;
        }
        unpacked_ += n;
        if (bytes.size() + n > limit || unpacked_ > maxTotal_) {
            result = EntryFault::TooLarge;
            break;
        }
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    zip_fclose(file);
    return result;
}

}  // namespace vt::invoices
