#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <variant>

#include "archive/records.h"

namespace vt {

// Any failure to create, open, position, read, write, sync or close an
// archive file. The action that met it stops there.
struct AccessFailure {
    QString path;
    QString reason;
};

// The words in which the windows report an access failure: the warning, a
// message paragraph break, and the advice about the program folder's rights.
QString accessFailureMessage();

// The value of a file action, or the access failure that ended it.
template <typename T>
class FileResult {
public:
    FileResult(T value) : state_(std::move(value)) {}
    FileResult(AccessFailure failure) : state_(std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<0>(state_); }
    T& value() { return std::get<0>(state_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const AccessFailure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, AccessFailure> state_;
};

struct Done {};
using FileStatus = FileResult<Done>;

// A file of fixed-length records, addressed by 1-based positions. Every
// action opens the file (creating it empty when missing, never truncating or
// replacing an existing one), does its work and closes it again.
class RecordFile {
public:
    RecordFile(QString path, int recordLength);

    const QString& path() const { return path_; }
    int recordLength() const { return length_; }

    // Whole records only: a partial tail is not counted.
    FileResult<qint64> count() const;
    FileResult<QByteArray> read(qint64 position) const;
    FileStatus overwrite(qint64 position, QByteArrayView record) const;
    // Writes after the last whole record (over a partial tail) and returns
    // the new record's position.
    FileResult<qint64> append(QByteArrayView record) const;
    // Visits every record in file order, each with its position; the visitor
    // returns false to stop. The record bytes are valid during the visit
    // only. The records counted at the start are visited: a file that grows
    // meanwhile gives no more, one that is shortened ends the scan at its new
    // end.
    using Visitor = std::function<bool(qint64 position, QByteArrayView record)>;
    FileStatus scan(const Visitor& visit) const;
    // Opens (creating when missing) and closes again.
    FileStatus touch() const;

private:
    QString path_;
    int length_;
};

// Typed access for one record layout.
template <typename R>
class TypedRecordFile {
public:
    explicit TypedRecordFile(QString path) : file_(std::move(path), R::layout.length) {}

    const RecordFile& raw() const { return file_; }
    FileResult<qint64> count() const { return file_.count(); }
    FileResult<R> read(qint64 position) const {
        auto bytes = file_.read(position);
        if (!bytes) return bytes.failure();
        return R(std::move(bytes.value()));
    }
    FileStatus overwrite(qint64 position, const R& record) const {
        return file_.overwrite(position, record.bytes());
    }
    FileResult<qint64> append(const R& record) const { return file_.append(record.bytes()); }
    FileStatus scan(const RecordFile::Visitor& visit) const { return file_.scan(visit); }
    FileStatus touch() const { return file_.touch(); }

private:
    RecordFile file_;
};

using MovementFile = TypedRecordFile<MovementRecord>;
using CausaliFile = TypedRecordFile<CausaleRecord>;
using ClientFile = TypedRecordFile<ClientRecord>;

// Paths of the archive files, beside the executable.
QString yearFilePath(const QString& year);
QString causaliFilePath();
QString clientiFilePath();

// Lets tests make a chosen system call fail, as a full disk or a failing
// device would. Returns the failure to report instead of calling, or nothing.
enum class IoStep { Open, Stat, Read, Write, Sync, Close };
using IoFaultHook = std::function<bool(IoStep step, const QString& path)>;
void setIoFaultHook(IoFaultHook hook);
// Whether the installed hook fails this step; code of the archive layer
// that makes its own system calls asks it before each one.
bool ioFaultInjected(IoStep step, const QString& path);

}  // namespace vt
