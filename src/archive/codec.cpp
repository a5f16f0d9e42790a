#include "archive/codec.h"

#include <QList>
#include <QStringConverter>

namespace vt {

namespace {

constexpr const char* kCodePage = "windows-1252";

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

bool isTrimmable(QChar c) { return c.unicode() <= 32 || c.isSpace() || c.category() == QChar::Other_Control; }

}  // namespace

QByteArray toCp1252(const QString& text) {
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) return text.toLatin1();

    QStringEncoder encoder(kCodePage);
    QByteArray out = encoder(text);
    if (!encoder.hasError()) return out;

    // Redo it one code point at a time, so that each character the code page
    // cannot hold is replaced by one '?'.
    out.clear();
    const auto codePoints = text.toUcs4();
    for (char32_t cp : codePoints) {
        QStringEncoder single(kCodePage);
        const QByteArray one = single(QString::fromUcs4(&cp, 1));
        if (single.hasError() || one.size() != 1)
            out.append('?');
        else
            out.append(one);
    }
    return out;
}

QString fromCp1252(QByteArrayView bytes) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    // The decoder is stateless between calls for a single-byte code page, so
    // one instance per thread serves every field of a scan.
    thread_local QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QString upperAZ(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

QString trimmed(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmable(text.at(begin))) ++begin;
    while (end > begin && isTrimmable(text.at(end - 1))) --end;
    if (begin == 0 && end == text.size()) return text;
    return text.mid(begin, end - begin);
}

}  // namespace vt
