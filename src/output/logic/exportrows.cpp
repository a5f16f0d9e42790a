#include "output/logic/exportrows.h"

namespace vt::exporting {

Rows fileRows(const RecordFile& file,
              const std::function<QStringList(QByteArrayView record)>& cells) {
    Rows out;
    const auto count = file.count();
    if (!count) {
        out.failure = count.failure();
        return out;
    }
    if (count.value() == 0) return out;
    out.rowCount = count.value();
    out.rows.reserve(count.value());
    const FileStatus status = file.scan([&](qint64, QByteArrayView record) {
        if (out.rows.size() >= *out.rowCount) return false;
        out.rows.append(cells(record));
        return true;
    });
    if (!status) out.failure = status.failure();
    return out;
}

}  // namespace vt::exporting
