#include "app/logic/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace vt::ini {
namespace {

struct Content {
    QStringList lines;
    QString lineEnd = QStringLiteral("\n");
};

// Nothing when the path exists but is not a readable file.
std::optional<Content> load(const QString& path) {
    Content content;
    const QFileInfo info(path);
    if (!info.exists()) return content;
    if (!info.isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    // The values the program stores are plain ASCII; Latin-1 keeps any
    // other byte as it was.
    QString text = QString::fromLatin1(bytes);
    if (text.contains(QLatin1String("\r\n"))) content.lineEnd = QStringLiteral("\r\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    content.lines = text.split(u'\n');
    if (!content.lines.isEmpty() && content.lines.back().isEmpty()) content.lines.removeLast();
    return content;
}

// The section name when the line opens a section.
std::optional<QString> sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']')) return std::nullopt;
    return t.mid(1, t.size() - 2).trimmed();
}

bool isComment(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(u';') || t.startsWith(u'#');
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The index of `key`'s line inside `section`, or -1; `sectionEnd` receives
// the index after the section's last non-empty line (-1 when the section is
// missing).
qsizetype findKey(const QStringList& lines, const QString& section, const QString& key, qsizetype* sectionEnd) {
    bool inside = false;
    qsizetype found = -1;
    *sectionEnd = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (const auto name = sectionName(line)) {
            inside = sameName(*name, section);
            if (inside && *sectionEnd < 0) *sectionEnd = i + 1;
            continue;
        }
        if (!inside) continue;
        if (!line.trimmed().isEmpty()) *sectionEnd = i + 1;
        if (isComment(line) || found >= 0) continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && sameName(line.left(eq).trimmed(), key)) found = i;
    }
    return found;
}

}  // namespace

std::optional<QString> readValue(const QString& path, const QString& section, const QString& key) {
    const auto content = load(path);
    if (!content) return std::nullopt;
    qsizetype sectionEnd = -1;
    const qsizetype i = findKey(content->lines, section, key, &sectionEnd);
    if (i < 0) return QString();
    const QString& line = content->lines[i];
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

bool writeValue(const QString& path, const QString& section, const QString& key, const QString& value) {
    auto content = load(path);
    if (!content) return false;
    QStringList& lines = content->lines;
    const QString entry = key + u'=' + value;
    qsizetype sectionEnd = -1;
    const qsizetype i = findKey(lines, section, key, &sectionEnd);
    if (i >= 0) {
        lines[i] = entry;
    } else if (sectionEnd >= 0) {
        lines.insert(sectionEnd, entry);
    } else {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) lines.append(QString());
        lines.append(u'[' + section + u']');
        lines.append(entry);
    }
    QSaveFile file(path);
    // Unbuffered, so that a failing write is seen here: a buffered one would
    // only fail while committing, where QSaveFile does not notice it and
    // would put an empty file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray bytes = (lines.join(content->lineEnd) + content->lineEnd).toLatin1();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace vt::ini
