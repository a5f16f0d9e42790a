#include "report/logic/reportlayout.h"

#include <algorithm>

namespace vt::report {

namespace {
constexpr double kEpsilon = 1e-6;
}

QSizeF PageSetup::paperSize() const {
    const QSizeF size = QPageSize(paper).size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape) return size.transposed();
    return size;
}

QSizeF PageSetup::printableSize() const {
    const QSizeF size = paperSize();
    return {size.width() - marginLeft - marginRight, size.height() - marginTop - marginBottom};
}

QPageLayout PageSetup::pageLayout() const {
    return QPageLayout(QPageSize(paper), orientation,
                       QMarginsF(marginLeft, marginTop, marginRight, marginBottom),
                       QPageLayout::Millimeter);
}

Band& ReportLayout::addBand(const QString& bandName, BandKind kind, double height, bool canSplit) {
    bands.push_back(Band{bandName, kind, height, canSplit, {}});
    return bands.back();
}

ReportObject* ReportLayout::find(const QString& objectName) {
    for (auto& b : bands)
        for (auto& o : b.objects)
            if (o.name == objectName) return &o;
    return nullptr;
}

const ReportObject* ReportLayout::find(const QString& objectName) const {
    return const_cast<ReportLayout*>(this)->find(objectName);
}

Band* ReportLayout::band(const QString& bandName) {
    for (auto& b : bands)
        if (b.name == bandName) return &b;
    return nullptr;
}

bool ReportLayout::setHeight(const QString& objectOrBandName, double mm) {
    if (Band* b = band(objectOrBandName)) {
        b->height = mm;
        return true;
    }
    if (ReportObject* o = find(objectOrBandName)) {
        o->rect.setHeight(mm);
        return true;
    }
    return false;
}

QString expandVariables(const QString& text, const QDate& printDate) {
    if (!text.contains(QLatin1String("[DATE]"))) return text;
    QString out = text;
    out.replace(QLatin1String("[DATE]"), printDate.toString(QStringLiteral("dd/MM/yyyy")));
    return out;
}

namespace {

// A band's objects with their text broken into lines, positions relative to
// the band.
struct LaidObject {
    ReportObject object;
    QRectF rect;
    QStringList lines;
    double firstLineTop = 0;
    double lineHeight = 0;

    double lineTop(qsizetype i) const { return firstLineTop + static_cast<double>(i) * lineHeight; }
};

struct LaidBand {
    double height = 0;
    bool canSplit = false;
    std::vector<LaidObject> objects;
};

LaidBand layOut(const Band& band, const TextMeasure& measure, const QDate& printDate) {
    LaidBand out;
    out.height = band.height;
    out.canSplit = band.canSplit;
    for (const ReportObject& o : band.objects) {
        LaidObject laid{o, o.rect, {}, o.rect.top(), 0};
        if (o.kind == ObjectKind::Memo) {
            const QString text = o.expandsDate ? expandVariables(o.text, printDate) : o.text;
            const double inner = std::max(0.0, o.rect.width() - 2 * o.padding);
            laid.lines = text.isEmpty() ? QStringList{} : measure.lines(o, text, inner);
            laid.lineHeight = measure.lineHeight(o);
            const double textHeight = static_cast<double>(laid.lines.size()) * laid.lineHeight;
            if (band.kind == BandKind::Data && textHeight > laid.rect.height() + kEpsilon) {
                // The memo grows to show its whole text, and the band with it.
                const double below = std::max(0.0, band.height - o.rect.bottom());
                laid.rect.setHeight(textHeight);
                out.height = std::max(out.height, laid.rect.bottom() + below);
            }
            const double spare = laid.rect.height() - textHeight;
            if (spare > 0 && (o.alignment & Qt::AlignVCenter))
                laid.firstLineTop = laid.rect.top() + spare / 2;
            else if (spare > 0 && (o.alignment & Qt::AlignBottom))
                laid.firstLineTop = laid.rect.bottom() - textHeight;
        }
        out.objects.push_back(std::move(laid));
    }
    return out;
}

class Paginator {
public:
    Paginator(const PageSetup& setup, PreparedReport& report)
        : report_(report),
          width_(setup.printableSize().width()),
          height_(setup.printableSize().height()) {
        report_.pages.emplace_back();
    }

    void place(const LaidBand& band) {
        if (!band.canSplit) {
            if (y_ + band.height > height_ + kEpsilon && y_ > kEpsilon) newPage();
            placeSlice(band, 0, band.height, false);
            y_ = std::min(height_, y_ + band.height);
            return;
        }
        double start = 0;
        while (true) {
            const double available = height_ - y_;
            if (band.height - start <= available + kEpsilon) {
                placeSlice(band, start, band.height, false);
                y_ += band.height - start;
                return;
            }
            double cut = start + available;
            // Move the cut up to the top of any text line it would cross.
            for (const LaidObject& o : band.objects)
                for (qsizetype i = 0; i < o.lines.size(); ++i) {
                    const double top = o.lineTop(i);
                    if (top >= start - kEpsilon && top < cut - kEpsilon &&
                        top + o.lineHeight > cut + kEpsilon)
                        cut = top;
                }
            bool forced = false;
            if (cut <= start + kEpsilon) {
                if (y_ > kEpsilon) {
                    newPage();
                    continue;
                }
                // Not even one line fits on an empty page: cut it.
                cut = start + available;
                forced = true;
            }
            placeSlice(band, start, cut, forced);
            newPage();
            start = cut;
        }
    }

private:
    void newPage() {
        report_.pages.emplace_back();
        y_ = 0;
    }

    // Places the part of `band` between `from` and `to` (band coordinates)
    // at the current position.
    void placeSlice(const LaidBand& band, double from, double to, bool forced) {
        const double shift = y_ - from;
        const QRectF clip(0, y_, width_, std::min(to - from, height_ - y_));
        for (const LaidObject& o : band.objects) {
            const bool last = to >= band.height - kEpsilon;
            // An object belongs to this slice when it overlaps it; a line or
            // an empty-height object on the boundary goes with the earlier one.
            if (o.rect.bottom() < from - kEpsilon || o.rect.top() > to + kEpsilon) continue;
            if (o.rect.top() >= to - kEpsilon && !last && o.rect.height() > kEpsilon) continue;
            if (from > kEpsilon && o.rect.bottom() <= from + kEpsilon && o.rect.height() > kEpsilon)
                continue;
            PlacedObject placed{o.object, o.rect.translated(0, shift), clip, {}, 0, o.lineHeight};
            bool first = true;
            for (qsizetype i = 0; i < o.lines.size(); ++i) {
                const double top = o.lineTop(i);
                // The last slice takes every remaining line (a memo clips its
                // own overflow); others only the lines that end inside them.
                const bool fits =
                    (forced || last)
                        ? (top >= from - kEpsilon && (last || top < to - kEpsilon))
                        : (top >= from - kEpsilon && top + o.lineHeight <= to + kEpsilon);
                if (!fits) continue;
                if (first) placed.firstLineTop = top + shift;
                first = false;
                placed.lines.append(o.lines[i]);
            }
            report_.pages.back().objects.push_back(std::move(placed));
        }
    }

    PreparedReport& report_;
    double width_;
    double height_;
    double y_ = 0;
};

}  // namespace

PreparedReport prepare(const ReportLayout& layout, const TextMeasure& measure,
                       const QDate& printDate) {
    PreparedReport report;
    report.page = layout.page;
    Paginator paginator(layout.page, report);
    for (BandKind kind : {BandKind::Title, BandKind::Data, BandKind::Footer})
        for (const Band& band : layout.bands)
            if (band.kind == kind) paginator.place(layOut(band, measure, printDate));
    return report;
}

}  // namespace vt::report
