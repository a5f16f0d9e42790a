#include "archive/recordfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "app/base/services.h"

namespace vt {

QString accessFailureMessage() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
        "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

namespace {

IoFaultHook& faultHook() {
    static IoFaultHook hook;
    return hook;
}

bool injected(IoStep step, const QString& path) {
    const auto& hook = faultHook();
    if (hook && hook(step, path)) {
        errno = EIO;
        return true;
    }
    return false;
}

AccessFailure failure(const QString& path, const char* what) {
    return AccessFailure{path, QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                            QString::fromLocal8Bit(std::strerror(errno)))};
}

// An open file descriptor for the length of one action.
class OpenFile {
public:
    explicit OpenFile(const QString& path) : path_(path) {
        if (injected(IoStep::Open, path)) return;
        const QByteArray native = QFile::encodeName(path);
        do {
            fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        } while (fd_ < 0 && errno == EINTR);
    }
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    // Closing reports its own failure: a write may only be known lost here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        if (injected(IoStep::Close, path_)) {
            ::close(fd);
            return false;
        }
        return ::close(fd) == 0;
    }

    std::optional<qint64> size() const {
        if (injected(IoStep::Stat, path_)) return std::nullopt;
        struct stat st {};
        if (::fstat(fd_, &st) != 0) return std::nullopt;
        return static_cast<qint64>(st.st_size);
    }

    bool readAt(char* buffer, qint64 length, qint64 offset, qint64* got) const {
        *got = 0;
        if (injected(IoStep::Read, path_)) return false;
        while (*got < length) {
            const ssize_t n = ::pread(fd_, buffer + *got, static_cast<size_t>(length - *got),
                                      static_cast<off_t>(offset + *got));
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            if (n == 0) break;
            *got += n;
        }
        return true;
    }

    bool writeAt(const char* buffer, qint64 length, qint64 offset) const {
        if (injected(IoStep::Write, path_)) return false;
        qint64 done = 0;
        while (done < length) {
            const ssize_t n = ::pwrite(fd_, buffer + done, static_cast<size_t>(length - done),
                                       static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            done += n;
        }
        return true;
    }

    bool sync() const {
        if (injected(IoStep::Sync, path_)) return false;
        return ::fsync(fd_) == 0;
    }

private:
    QString path_;
    int fd_ = -1;
};

}  // namespace

RecordFile::RecordFile(QString path, int recordLength) : path_(std::move(path)), length_(recordLength) {}

FileResult<qint64> RecordFile::count() const {
    OpenFile file(path_);
    if (!file.isOpen()) return failure(path_, "open");
    const auto size = file.size();
    if (!size) return failure(path_, "stat");
    if (!file.close()) return failure(path_, "close");
    return *size / length_;
}

FileResult<QByteArray> RecordFile::read(qint64 position) const {
    OpenFile file(path_);
    if (!file.isOpen()) return failure(path_, "open");
    const auto size = file.size();
    if (!size) return failure(path_, "stat");
    if (position < 1 || position > *size / length_) {
        errno = EINVAL;
        return failure(path_, "position");
    }
    QByteArray record(length_, Qt::Uninitialized);
    qint64 got = 0;
    if (!file.readAt(record.data(), length_, (position - 1) * length_, &got) || got != length_)
        return failure(path_, "read");
    if (!file.close()) return failure(path_, "close");
    return record;
}

FileStatus RecordFile::overwrite(qint64 position, QByteArrayView record) const {
    OpenFile file(path_);
    if (!file.isOpen()) return failure(path_, "open");
    const auto size = file.size();
    if (!size) return failure(path_, "stat");
    if (position < 1 || position > *size / length_ || record.size() != length_) {
        errno = EINVAL;
        return failure(path_, "position");
    }
    if (!file.writeAt(record.data(), length_, (position - 1) * length_)) return failure(path_, "write");
    if (!file.sync()) return failure(path_, "sync");
    if (!file.close()) return failure(path_, "close");
    return Done{};
}

FileResult<qint64> RecordFile::append(QByteArrayView record) const {
    OpenFile file(path_);
    if (!file.isOpen()) return failure(path_, "open");
    const auto size = file.size();
    if (!size) return failure(path_, "stat");
    if (record.size() != length_) {
        errno = EINVAL;
        return failure(path_, "record");
    }
    const qint64 count = *size / length_;
    if (!file.writeAt(record.data(), length_, count * length_)) return failure(path_, "write");
    if (!file.sync()) return failure(path_, "sync");
    if (!file.close()) return failure(path_, "close");
    return count + 1;
}

namespace {

// About this many bytes of whole records are read at a time: small enough
// for the block to stay in the processor's cache while its fields are
// decoded, large enough for one read to cost little next to the decoding.
constexpr qint64 kScanBlockBytes = 128 * 1024;

// The read buffer of the scans of one thread, kept between scans so that a
// scan allocates nothing. A scan started by a visitor of another scan (on
// the same thread) gets a buffer of its own.
class ScanBuffer {
public:
    explicit ScanBuffer(std::size_t bytes) : shared_(!busy()) {
        if (shared_) {
            busy() = true;
            if (store().size() < bytes) store().resize(bytes);
            data_ = store().data();
        } else {
            own_.resize(bytes);
            data_ = own_.data();
        }
    }
    ~ScanBuffer() {
        if (shared_) busy() = false;
    }
    ScanBuffer(const ScanBuffer&) = delete;
    ScanBuffer& operator=(const ScanBuffer&) = delete;
    char* data() const { return data_; }

private:
    static std::vector<char>& store() {
        thread_local std::vector<char> buffer;
        return buffer;
    }
    static bool& busy() {
        thread_local bool inUse = false;
        return inUse;
    }
    bool shared_;
    std::vector<char> own_;
    char* data_ = nullptr;
};

}  // namespace

FileStatus RecordFile::scan(const Visitor& visit) const {
    OpenFile file(path_);
    if (!file.isOpen()) return failure(path_, "open");
    const auto size = file.size();
    if (!size) return failure(path_, "stat");
    // The records counted when the scan starts are the ones it visits. The
    // file is read with plain reads, never mapped: another workstation may
    // shorten or rewrite it meanwhile (a restored copy on a shared folder),
    // and a shortened file then only ends the scan early, where a mapping
    // would kill the process on the first page past the new end.
    const qint64 count = *size / length_;
    const qint64 perBlock = std::max<qint64>(1, kScanBlockBytes / length_);
    const ScanBuffer buffer(static_cast<std::size_t>(std::min(perBlock, std::max<qint64>(count, 1)) * length_));
    for (qint64 first = 0; first < count; first += perBlock) {
        const qint64 records = std::min(perBlock, count - first);
        qint64 got = 0;
        if (!file.readAt(buffer.data(), records * length_, first * length_, &got)) return failure(path_, "read");
        const qint64 whole = got / length_;
        for (qint64 i = 0; i < whole; ++i) {
            if (!visit(first + i + 1, QByteArrayView(buffer.data() + i * length_, length_))) {
                if (!file.close()) return failure(path_, "close");
                return Done{};
            }
        }
        if (whole < records) break;  // the file was shortened: the scan ends at its new end
    }
    if (!file.close()) return failure(path_, "close");
    return Done{};
}

FileStatus RecordFile::touch() const {
    OpenFile file(path_);
    if (!file.isOpen()) return failure(path_, "open");
    if (!file.close()) return failure(path_, "close");
    return Done{};
}

QString yearFilePath(const QString& year) { return programDir() + year + QStringLiteral(".eur"); }
QString causaliFilePath() { return programDir() + QStringLiteral("Causali.pro"); }
QString clientiFilePath() { return programDir() + QStringLiteral("Clienti.pro"); }

void setIoFaultHook(IoFaultHook hook) { faultHook() = std::move(hook); }
bool ioFaultInjected(IoStep step, const QString& path) { return injected(step, path); }

}  // namespace vt
