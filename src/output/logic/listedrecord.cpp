#include "output/logic/listedrecord.h"

#include "archive/codec.h"

namespace vt::list {

CollectedLines collectLines(const RecordFile& file, const SelectionRule& select,
                            const LineComposer& compose, const SkipDescriber& describe) {
    CollectedLines out;
    const FileStatus status = file.scan([&](qint64 position, QByteArrayView record) {
        switch (select(record)) {
            case Selection::List:
                out.lines.append({compose(record), position});
                break;
            case Selection::Unreadable:
                out.skipped.append(describe ? describe(position, record)
                                            : SkippedRecord{position, {}, {}});
                break;
            case Selection::Skip:
                break;
        }
        return true;
    });
    if (!status) out.failure = status.failure();
    return out;
}

ListedRecord findListedRecord(const RecordFile& file, const ListLine& line,
                              const LineComposer& compose) {
    ListedRecord found;
    const QString wanted = trimmed(line.text);
    if (line.position > 0) {
        // A position past the end (or a read that fails) falls back to the
        // scan below, which then reports a file it cannot read.
        auto record = file.read(line.position);
        if (record && trimmed(compose(record.value())) == wanted) {
            found.record = std::move(record.value());
            found.position = line.position;
            return found;
        }
    }
    const FileStatus status = file.scan([&](qint64 position, QByteArrayView bytes) {
        if (trimmed(compose(bytes)) == wanted) {
            found.record = QByteArray(bytes.data(), bytes.size());
            found.position = position;
        }
        return true;
    });
    if (!status) {
        found.failed = true;
        found.record.reset();
        found.position = 0;
    }
    return found;
}

}  // namespace vt::list
