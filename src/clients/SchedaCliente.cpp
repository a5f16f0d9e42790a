#include "clients/SchedaCliente.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/base/services.h"
#include "app/pictures.h"
#include "app/uiservices.h"
#include "clients/logic/printclient.h"
#include "report/logic/cardsheet.h"

namespace vt::clients {

namespace {

const QColor kDarkOrange(0xD9, 0x6A, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

report::ReportObject memo(const QString& name, const QRectF& rect, double points,
                          const QColor& fill) {
    report::ReportObject m;
    m.name = name;
    m.rect = rect;
    m.fontFamily = QStringLiteral("Arial");
    m.fontPoints = points;
    m.wordWrap = false;
    m.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    m.padding = 1.5;
    m.fill = fill;
    m.textColor = fill.isValid() ? QColor(Qt::white) : QColor(Qt::black);
    return m;
}

report::ReportObject line(const QString& name, double y) {
    report::ReportObject l;
    l.name = name;
    l.kind = report::ObjectKind::Line;
    l.rect = QRectF(0, y, 190, 0);
    l.frameColor = kDarkOrange;
    l.frameWidth = 0.5;
    return l;
}

// The text of a card control by its object name, whatever kind it is.
QString controlText(const QWidget* card, const QString& name) {
    const QWidget* w = card ? card->findChild<QWidget*>(name) : nullptr;
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    return {};
}

}  // namespace

report::ReportLayout cardLayout() {
    report::ReportLayout layout;
    layout.name = cliprint::reportName();
    layout.page.orientation = QPageLayout::Portrait;
    report::Band& band = layout.addBand(QStringLiteral("Scheda"), report::BandKind::Title, 277);

    loadPictures();
    report::ReportObject logo;
    logo.name = QStringLiteral("imgLogo");
    logo.kind = report::ObjectKind::Picture;
    logo.rect = QRectF(0, 0, 18, 18);
    logo.picture = QStringLiteral(":/app/resources/logo.svg");
    band.objects.push_back(logo);

    report::ReportObject title =
        memo(QStringLiteral("txtTitolo"), QRectF(22, 2, 168, 14), 16, kDarkOrange);
    title.alignment = Qt::AlignCenter;
    band.objects.push_back(title);
    band.objects.push_back(line(QStringLiteral("linSepara01"), 21));

    for (int row = 1; row <= cliprint::kRows; ++row) {
        const double y = 25 + 10 * (row - 1);
        report::ReportObject caption =
            memo(cliprint::captionMemo(row), QRectF(0, y, 50, 7), 9, kTeal);
        caption.setText(cliprint::captions().at(row - 1));
        band.objects.push_back(caption);
        band.objects.push_back(memo(cliprint::valueMemo(row), QRectF(53, y, 137, 7), 10, QColor()));
    }
    band.objects.push_back(line(QStringLiteral("linSepara02"), 265));

    report::ReportObject footer =
        memo(QStringLiteral("txtCalce"), QRectF(0, 268, 190, 7), 9, kDarkOrange);
    footer.alignment = Qt::AlignCenter;
    band.objects.push_back(footer);
    return layout;
}

Report filledCard(const QWidget* card) {
    Report report(cardLayout());
    report.setOrientation(QPageLayout::Portrait);
    report.setText(QStringLiteral("txtTitolo"), cliprint::title());
    const QStringList captions = cliprint::captions();
    const QStringList values =
        cliprint::values([card](const QString& name) { return controlText(card, name); });
    for (int row = 1; row <= cliprint::kRows; ++row) {
        report.setText(cliprint::captionMemo(row), captions.at(row - 1));
        report.setText(cliprint::valueMemo(row), values.at(row - 1));
    }
    report.setText(QStringLiteral("txtCalce"),
                   report::printedOnText(vt::today(), vt::clock().now()));
    report.prepare();
    return report;
}

void previewCard(QWidget* card) {
    Report report = filledCard(card);
    report.preview(card, cliprint::reportName());
}

void printCard(QWidget* card) {
    Report report = filledCard(card);
    report.print(card, false);
}

void pdfCard(QWidget* card) {
    Report report = filledCard(card);
    const QString path = vt::programDir() + cliprint::pdfFileName();
    if (!report.exportPdf(path, cliprint::reportName(), cliprint::reportName())) {
        vt::error(card, cliprint::pdfFailureMessage());
        return;
    }
    if (vt::confirm(card, cliprint::pdfDoneQuestion())) vt::shell().open(u'"' + path + u'"');
}

}  // namespace vt::clients
