#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <variant>

namespace vt::invoices {

// One file inside a zip archive, as its directory declares it.
struct ZipEntry {
    QString name;       // path inside the archive, '/' separated
    qint64 size = 0;    // declared uncompressed size
    qint64 packed = 0;  // declared compressed size
    bool encrypted = false;
    bool directory = false;
};

enum class ZipFault {
    NotZip,        // not a zip archive, or one too damaged to list
    Unreadable,    // the file cannot be opened
    TooManyFiles,  // more entries than kMaxZipEntries
    TooLarge,      // declared content beyond kMaxZipBytes
};

enum class EntryFault {
    Damaged,    // the entry cannot be unpacked (wrong checksum, bad data)
    Encrypted,  // protected by a password
    TooLarge,   // more than the limit given to read()
};

// An archive open for reading for the life of the object. Every limit is
// checked twice: on the sizes the archive declares, before anything is
// unpacked, and on the bytes actually unpacked, since a crafted archive may
// declare small sizes and unpack to far more.
class ZipArchive {
public:
    static std::variant<ZipArchive, ZipFault> open(const QString& path, qint64 maxEntries,
                                                   qint64 maxTotalBytes);
    ZipArchive(ZipArchive&&) noexcept;
    ZipArchive& operator=(ZipArchive&&) noexcept;
    ~ZipArchive();

    const QList<ZipEntry>& entries() const { return entries_; }

    // The unpacked bytes of entry `index`, at most `limit` of them. What is
    // unpacked counts against the archive's total too.
    std::variant<QByteArray, EntryFault> read(qsizetype index, qint64 limit);

    // Bytes unpacked so far by read(), and whether they reached the
    // archive's limit (nothing more is then unpacked).
    qint64 unpacked() const { return unpacked_; }
    bool exhausted() const { return unpacked_ > maxTotal_; }

private:
    struct Handle;
    ZipArchive(std::unique_ptr<Handle> handle, QList<ZipEntry> entries, qint64 maxTotalBytes);

    std::unique_ptr<Handle> handle_;
    QList<ZipEntry> entries_;
    qint64 maxTotal_ = 0;
    qint64 unpacked_ = 0;
};

}  // namespace vt::invoices
