#include "archive/records.h"

#include <algorithm>

#include "archive/codec.h"

namespace vt {

QByteArrayView rawField(QByteArrayView record, const FieldSpec& field) {
    if (record.size() <= field.offset) return {};
    const int length = std::min<int>(static_cast<unsigned char>(record[field.offset]), field.capacity);
    const qsizetype available = record.size() - field.offset - 1;
    return record.sliced(field.offset + 1, std::min<qsizetype>(length, available));
}

QString readField(QByteArrayView record, const FieldSpec& field) {
    return trimmed(fromCp1252(rawField(record, field)));
}

void writeField(QByteArray& record, const FieldSpec& field, const QString& text) {
    QByteArray bytes = toCp1252(trimmed(text));
    if (bytes.size() > field.capacity) bytes.truncate(field.capacity);
    char* base = record.data() + field.offset;
    base[0] = static_cast<char>(bytes.size());
    std::fill(base + 1, base + 1 + field.capacity, '\0');
    std::copy(bytes.cbegin(), bytes.cend(), base + 1);
}

Flag readFlag(QByteArrayView record, const FieldSpec& field) {
    const QString text = readField(record, field);
    if (text == kYes) return Flag::Yes;
    if (text == kNo) return Flag::No;
    return Flag::Unknown;
}

void writeFlag(QByteArray& record, const FieldSpec& field, bool yes) {
    writeField(record, field, yes ? kYes : kNo);
}

}  // namespace vt
