#include "report/Report.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cmath>

#include "app/base/services.h"
#include "app/pictures.h"
#include "app/uiservices.h"
#include "report/pdfinfo.h"

namespace vt {

namespace {

constexpr double kReferenceDpi = 1200;

struct FontStandIn {
    const char* family;
    const char* standIn;
};
constexpr FontStandIn kStandIns[] = {
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Verdana", "DejaVu Sans"},
};

// Draws a picture into `rect`, centred and keeping its proportions.
void paintPicture(QPainter& painter, const QString& path, const QRectF& rect) {
    loadPictures();
    QSvgRenderer svg(path);
    const QImage image = svg.isValid() ? QImage() : QImage(path);
    if (!svg.isValid() && image.isNull()) return;
    QSizeF size = svg.isValid() ? QSizeF(svg.defaultSize()) : QSizeF(image.size());
    size.scale(rect.size(), Qt::KeepAspectRatio);
    const QRectF target(rect.left() + (rect.width() - size.width()) / 2, rect.top() + (rect.height() - size.height()) / 2,
                        size.width(), size.height());
    if (svg.isValid())
        svg.render(&painter, target);
    else
        painter.drawImage(target, image);
}

const QImage& referenceDevice() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = static_cast<int>(std::lround(kReferenceDpi / 0.0254));
        i.setDotsPerMeterX(dotsPerMetre);
        i.setDotsPerMeterY(dotsPerMetre);
        return i;
    }();
    return image;
}

double pxToMm(double px) { return px * 25.4 / kReferenceDpi; }

}  // namespace

QString reportFontFamily(const QString& family) {
    for (const auto& s : kStandIns)
        if (family.compare(QLatin1String(s.family), Qt::CaseInsensitive) == 0) {
            if (QFontDatabase::hasFamily(family)) return family;
            return QString::fromLatin1(s.standIn);
        }
    return family;
}

void installReportFonts() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (const auto& s : kStandIns)
        if (!QFontDatabase::hasFamily(QLatin1String(s.family)))
            QFont::insertSubstitution(QLatin1String(s.family), QLatin1String(s.standIn));
}

QFont reportFont(const report::ReportObject& memo) {
    QFont font(reportFontFamily(memo.fontFamily));
    font.setPointSizeF(memo.fontPoints);
    font.setBold(memo.bold);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QStringList FontTextMeasure::lines(const report::ReportObject& memo, const QString& text, double width) const {
    QStringList out;
    const QStringList paragraphs = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    if (!memo.wordWrap) return paragraphs;
    const QFontMetricsF metrics(reportFont(memo), &referenceDevice());
    const double limit = width * kReferenceDpi / 25.4;
    for (const QString& paragraph : paragraphs) {
        if (metrics.horizontalAdvance(paragraph) <= limit) {
            out.append(paragraph);
            continue;
        }
        QString line;
        const QStringList words = paragraph.split(u' ');
        for (qsizetype w = 0; w < words.size(); ++w) {
            QString word = words[w];
            const QString tried = line.isEmpty() ? word : line + u' ' + word;
            if (metrics.horizontalAdvance(tried) <= limit) {
                line = tried;
                continue;
            }
            if (!line.isEmpty()) out.append(line);
            line.clear();
            // A word wider than the memo is broken between characters.
            while (metrics.horizontalAdvance(word) > limit && word.size() > 1) {
                qsizetype n = 1;
                while (n < word.size() && metrics.horizontalAdvance(word.left(n + 1)) <= limit) ++n;
                out.append(word.left(n));
                word = word.mid(n);
            }
            line = word;
        }
        out.append(line);
    }
    return out;
}

double FontTextMeasure::lineHeight(const report::ReportObject& memo) const {
    if (memo.lineSpacing > 0) return memo.lineSpacing;
    return pxToMm(QFontMetricsF(reportFont(memo), &referenceDevice()).lineSpacing());
}

QString noPrinterMessage() {
    return QStringLiteral("Attenzione: non risulta installata nessuna stampante.") + kMessageBreak +
           QStringLiteral("Installare una stampante nel sistema e ripetere l'operazione di stampa.");
}

Report::Report(report::ReportLayout layout) : layout_(std::move(layout)) { installReportFonts(); }

bool Report::setText(const QString& memo, const QString& text) {
    report::ReportObject* o = find(memo);
    if (!o || o->kind != report::ObjectKind::Memo) return false;
    o->setText(text);
    isPrepared_ = false;
    return true;
}

bool Report::clear(const QString& memo) { return setText(memo, QString()); }

bool Report::addLine(const QString& memo, const QString& line) {
    report::ReportObject* o = find(memo);
    if (!o || o->kind != report::ObjectKind::Memo) return false;
    o->addLine(line);
    isPrepared_ = false;
    return true;
}

const report::PreparedReport& Report::prepare() {
    prepared_ = report::prepare(layout_, FontTextMeasure(), vt::today());
    isPrepared_ = true;
    return prepared_;
}

void Report::preparedIfNeeded() {
    if (!isPrepared_) prepare();
}

bool Report::print(QWidget* parent, bool askUser) {
    preparedIfNeeded();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(prepared_.page.pageLayout());
    printer.setDocName(layout_.name);
    if (!printers().setUp(printer, parent, askUser)) {
        if (!printers().hasPrinter()) error(parent, noPrinterMessage());
        return false;
    }
    // Whatever the set-up did, the layout's own page holds.
    printer.setPageLayout(prepared_.page.pageLayout());
    QPainter painter;
    if (!painter.begin(&printer)) {
        error(parent, noPrinterMessage());
        return false;
    }
    paint(painter, printer);
    painter.end();
    return true;
}

void Report::preview(QWidget* parent, const QString& title) {
    preparedIfNeeded();
    printers().preview(parent, title, [this](QPrinter* printer) {
        printer->setPageLayout(prepared_.page.pageLayout());
        QPainter painter;
        if (!painter.begin(printer)) return;
        paint(painter, *printer);
        painter.end();
    });
}

bool Report::exportPdf(const QString& path, const QString& title, const QString& subject) {
    preparedIfNeeded();
    // Written beside the target and put in its place only when complete, so
    // a failure never leaves a half-written file under the real name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Drawn in memory first: the subject is added to the finished document.
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    QPdfWriter writer(&drawn);
    writer.setResolution(static_cast<int>(kReferenceDpi));
    writer.setPageLayout(prepared_.page.pageLayout());
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Vantresa 4.0"));
    const QString xmp =
        QStringLiteral(
            "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
            "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
            "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>"
            "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li></rdf:Alt></dc:description>"
            "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>")
            .arg(title.toHtmlEscaped(), subject.toHtmlEscaped());
    writer.setDocumentXmpMetadata(xmp.toUtf8());
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    paint(painter, writer);
    if (!painter.end()) return false;
    const QByteArray bytes = report::withSubject(drawn.data(), subject);
    if (bytes.isEmpty() || file.write(bytes) != bytes.size()) return false;
    if (file.error() != QFileDevice::NoError) return false;
    return file.commit();
}

void Report::paint(QPainter& painter, QPagedPaintDevice& device) const {
    const double sx = device.logicalDpiX() / 25.4;
    const double sy = device.logicalDpiY() / 25.4;
    auto toDevice = [&](const QRectF& mm) {
        return QRectF(mm.left() * sx, mm.top() * sy, mm.width() * sx, mm.height() * sy);
    };
    bool first = true;
    for (const report::PreparedPage& page : prepared_.pages) {
        if (!first) device.newPage();
        first = false;
        for (const report::PlacedObject& placed : page.objects) {
            const report::ReportObject& o = placed.object;
            const QRectF rect = toDevice(placed.rect);
            painter.save();
            painter.setClipRect(toDevice(placed.clip));
            QPen pen(o.frameColor);
            pen.setWidthF(std::max(1.0, o.frameWidth * sx));
            if (o.kind == report::ObjectKind::Line) {
                painter.setPen(pen);
                painter.drawLine(rect.topLeft(), rect.bottomRight());
                painter.restore();
                continue;
            }
            if (o.kind == report::ObjectKind::Picture) {
                paintPicture(painter, o.picture, rect);
                painter.restore();
                continue;
            }
            if (o.fill.isValid()) painter.fillRect(rect, o.fill);
            if (o.framed) {
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(rect);
            }
            if (o.kind == report::ObjectKind::Memo && !placed.lines.isEmpty()) {
                painter.setClipRect(toDevice(placed.clip.intersected(placed.rect)));
                painter.setFont(reportFont(o));
                painter.setPen(o.textColor);
                const int flags = static_cast<int>(o.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter |
                                  Qt::TextDontClip | Qt::TextSingleLine;
                for (qsizetype i = 0; i < placed.lines.size(); ++i) {
                    const QRectF line(placed.rect.left() + o.padding,
                                      placed.firstLineTop + static_cast<double>(i) * placed.lineHeight,
                                      placed.rect.width() - 2 * o.padding, placed.lineHeight);
                    painter.drawText(toDevice(line), flags, placed.lines[i]);
                }
            }
            painter.restore();
        }
    }
}

}  // namespace vt
