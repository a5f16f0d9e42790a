#include "movements/logic/attachments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <string_view>

#include "app/base/services.h"
#include "archive/codec.h"

namespace vt::attach {

QString folder() { return programDir() + QStringLiteral("Documenti_Allegati/"); }

bool isBareName(const QString& slotName) {
    const QString name = trimmed(slotName);
    if (name.isEmpty() || name == u'.' || name == QLatin1String("..")) return false;
    for (QChar c : name) {
        // Folder separators of either system, a drive or stream colon, the
        // quote that closes the shell-open text, and control characters.
        if (c == u'/' || c == u'\\' || c == u':' || c == u'"' || c.unicode() < 32 || c.unicode() == 127)
            return false;
    }
    return true;
}

QString pathInFolder(const QString& slotName) {
    if (!isBareName(slotName)) return {};
    return folder() + trimmed(slotName);
}

bool presentInFolder(const QString& slotName) {
    const QString path = pathInFolder(slotName);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString openTarget(const QString& slotName) {
    const QString path = pathInFolder(slotName);
    if (path.isEmpty()) return {};
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

QString dialogTitle() { return QStringLiteral("Selezionare il file da allegare:"); }
QString dialogFilter() { return QStringLiteral("Tutti i file (*.*)"); }

QString overwriteQuestion() {
    return QStringLiteral(
               "Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo stesso nome.") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole sovrascrivere il file esistente?");
}

namespace {

// What Windows refuses in a file name besides the folder separators, and the
// separators and quote that a slot refuses.
bool refusedInName(char32_t c) {
    if (c < 32 || c == 127 || (c >= 0x80 && c <= 0x9F)) return true;
    return c < 128 && std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

bool heldByCodePage(const QString& c) { return fromCp1252(toCp1252(c)) == c; }

// The characters of one code point as the archive can hold them.
QString heldForm(char32_t c) {
    if (refusedInName(c)) return QStringLiteral("_");
    const QString text = QString::fromUcs4(&c, 1);
    if (heldByCodePage(text)) return text;
    // A letter with a mark the code page lacks keeps its plain letter.
    QString plain;
    for (QChar part : text.normalized(QString::NormalizationForm_KD)) {
        if (part.isMark() || refusedInName(part.unicode())) continue;
        if (heldByCodePage(QString(part))) plain.append(part);
    }
    return plain.isEmpty() ? QStringLiteral("_") : plain;
}

// The file systems limit a name to 255 bytes in their own encoding.
bool fitsFileSystem(const QString& name) { return QFile::encodeName(name).size() <= 255; }

bool fitsSlot(const QString& name) {
    return name.size() <= kSlotCapacity && fitsFileSystem(name) && trimmed(name) == name;
}

bool needsNoChange(const QString& name) {
    if (!fitsSlot(name) || name == u'.' || name == QLatin1String("..")) return false;
    for (char32_t c : name.toUcs4())
        if (heldForm(c) != QString::fromUcs4(&c, 1)) return false;
    return true;
}

// `stem` + `tail` + `extension`, the stem cut so that the whole fits.
QString fitted(QString stem, const QString& tail, const QString& extension) {
    const qsizetype room = kSlotCapacity - tail.size() - extension.size();
    stem.truncate(std::max<qsizetype>(room, 0));
    QString name;
    for (;;) {
        // A slot is stored trimmed: the name must not end in a blank.
        while (!stem.isEmpty() && trimmed(stem.right(1)).isEmpty()) stem.chop(1);
        if (stem.isEmpty()) stem = QStringLiteral("_");
        name = stem + tail + extension;
        if (fitsFileSystem(name) || stem.size() <= 1) return name;
        stem.chop(1);
    }
}

}  // namespace

QString copyName(const QString& chosenName, const QStringList& existing) {
    const QString given = trimmed(chosenName);
    if (needsNoChange(given)) return given;

    // Accents typed apart from their letter (as some systems name files)
    // join it first, so that "e" and its accent stay one "\u00E8".
    QString held;
    for (char32_t c : given.normalized(QString::NormalizationForm_C).toUcs4()) held += heldForm(c);
    held = trimmed(held);

    // The extension, when there is a short one, survives the cut.
    QString stem = held;
    QString extension;
    const qsizetype dot = held.lastIndexOf(u'.');
    if (dot > 0 && held.size() - dot <= 16) {
        stem = held.left(dot);
        extension = held.mid(dot);
    }

    QStringList taken;
    for (const QString& name : existing) taken.append(name.toCaseFolded());
    QString name = fitted(stem, QString(), extension);
    for (int n = 2; taken.contains(name.toCaseFolded()); ++n)
        name = fitted(stem, QStringLiteral(" (%1)").arg(n), extension);
    return name;
}

QString copyNameInFolder(const QString& chosenName) {
    return copyName(chosenName,
                    QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                             QDir::NoDotAndDotDot));
}

QString renamedNotice(const QString& name) {
    return QStringLiteral(
               "Il nome del file scelto contiene caratteri non ammessi oppure supera i 250 "
               "caratteri: la copia \u00E8 stata salvata nella cartella dei documenti allegati "
               "con il nome \"") +
           name + QStringLiteral("\".");
}

CopyOutcome copyIntoFolder(const QString& source, const std::function<bool()>& askOverwrite) {
    return copyIntoFolder(source, copyNameInFolder(QFileInfo(source).fileName()), askOverwrite);
}

CopyOutcome copyIntoFolder(const QString& source, const QString& name,
                           const std::function<bool()>& askOverwrite) {
    const QFileInfo from(source);
    const QString target = pathInFolder(name);
    if (target.isEmpty() || !from.isFile()) return CopyOutcome::Failed;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return CopyOutcome::Failed;
    if (!QDir().mkpath(folder())) return CopyOutcome::Failed;

    const QFileInfo to(target);
    if (to.exists()) {
        if (!to.isFile()) return CopyOutcome::Failed;
        if (to.canonicalFilePath() == from.canonicalFilePath()) return CopyOutcome::AlreadyThere;
        if (!askOverwrite()) return CopyOutcome::KeptExisting;
    }

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return CopyOutcome::Failed;
    for (;;) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) break;
    }
    if (in.error() != QFileDevice::NoError || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return CopyOutcome::Failed;
    }
    return out.commit() ? CopyOutcome::Copied : CopyOutcome::Failed;
}

}  // namespace vt::attach
