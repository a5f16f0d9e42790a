#include "movements/logic/attachments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

CopyOutcome copyIntoFolder(const QString& source, const std::function<bool()>& askOverwrite) {
    const QFileInfo from(source);
    const QString target = pathInFolder(from.fileName());
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
