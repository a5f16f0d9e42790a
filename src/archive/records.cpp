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

namespace {

// The bytes that decode to blanks or control characters in Windows-1252:
// trimming them before decoding gives the same text as trimming after, and
// spares a copy on the scans that read every record of a year.
bool blankByte(unsigned char b) {
    return b <= 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D ||
           b == 0xA0;
}

QByteArrayView trimmedBytes(QByteArrayView bytes) {
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && blankByte(static_cast<unsigned char>(bytes[begin]))) ++begin;
    while (end > begin && blankByte(static_cast<unsigned char>(bytes[end - 1]))) --end;
    return bytes.sliced(begin, end - begin);
}

}  // namespace

QString readField(QByteArrayView record, const FieldSpec& field) {
    return fromCp1252(trimmedBytes(rawField(record, field)));
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
    const QByteArrayView text = trimmedBytes(rawField(record, field));
    if (text == QByteArrayView("S\xEC")) return Flag::Yes;
    if (text == QByteArrayView("No")) return Flag::No;
    return Flag::Unknown;
}

void writeFlag(QByteArray& record, const FieldSpec& field, bool yes) {
    writeField(record, field, yes ? kYes : kNo);
}

}  // namespace vt
