#include "app/logic/manual.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "app/logic/vendor.h"

namespace vt::manual {
namespace {

QString paragraphsHtml(const QString& text) {
    QString html;
    for (const QString& paragraph : text.split(kHelpBreak)) {
        QString lines = paragraph.toHtmlEscaped();
        lines.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
        lines.replace(u'\n', QLatin1String("<br>"));
        lines.remove(u'\r');
        html += QStringLiteral("<p style=\"margin-bottom: 8px;\">") + lines + QStringLiteral("</p>");
    }
    return html;
}

QString documentHtml(const QList<HelpPage>& pages) {
    QString html = QStringLiteral(
                       "<h1 style=\"color: #1b3f73; font-size: 28pt;\">%1</h1>"
                       "<p style=\"font-size: 16pt; color: #2f6fb5;\">Guida all'utilizzo del software</p>"
                       "<p>%2 - %3</p>"
                       "<h2 style=\"margin-top: 36px;\">Indice</h2>")
                       .arg(vendor::kProduct.toHtmlEscaped(), vendor::kName.toHtmlEscaped(),
                            vendor::kWebText.toHtmlEscaped());
    html += QStringLiteral("<ol>");
    for (const HelpPage& page : pages) html += QStringLiteral("<li>") + page.title.toHtmlEscaped() + QStringLiteral("</li>");
    html += QStringLiteral("</ol>");
    for (const HelpPage& page : pages) {
        html += QStringLiteral("<h2 style=\"page-break-before: always; color: #1b3f73;\">") +
                page.title.toHtmlEscaped() + QStringLiteral("</h2>");
        html += paragraphsHtml(page.text);
    }
    return html;
}

}  // namespace

bool write(const QString& path, const QList<HelpPage>& pages) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(vendor::kProduct + QStringLiteral(" - Guida all'utilizzo del software"));
        writer.setCreator(vendor::kProduct);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        QTextDocument document;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(11);
        document.setDefaultFont(font);
        document.setHtml(documentHtml(pages));
        document.print(&writer);
    }
    if (file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace vt::manual
