#include "app/base/services.h"
#include "app/base/serviceslot.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace vt {

QDate Clock::today() const { return QDate::currentDate(); }
QTime Clock::now() const { return QTime::currentTime(); }

QString ProgramDirectory::path() const {
    return QDir::fromNativeSeparators(QCoreApplication::applicationDirPath()) + u'/';
}

void ShellOpener::open(const QString& target) {
    // A target is a web address, a "mailto:" text or a file path, possibly
    // in double quotes. Whatever the desktop answers, nothing is reported.
    QString text = target.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) text = text.mid(1, text.size() - 2);
    QUrl url;
    if (text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) || text.contains(QLatin1String("://")))
        url = QUrl(text, QUrl::TolerantMode);
    else if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        url = QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    else
        url = QUrl::fromLocalFile(text);
    QDesktopServices::openUrl(url);
}


Clock& clock() { return *detail::serviceSlot<Clock>().current; }
ProgramDirectory& programDirectory() { return *detail::serviceSlot<ProgramDirectory>().current; }
ShellOpener& shell() { return *detail::serviceSlot<ShellOpener>().current; }
void setClock(std::shared_ptr<Clock> replacement) { detail::serviceSlot<Clock>().set(std::move(replacement)); }
void setProgramDirectory(std::shared_ptr<ProgramDirectory> replacement) { detail::serviceSlot<ProgramDirectory>().set(std::move(replacement)); }
void setShell(std::shared_ptr<ShellOpener> replacement) { detail::serviceSlot<ShellOpener>().set(std::move(replacement)); }

}  // namespace vt
