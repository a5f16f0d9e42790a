#pragma once

#include <QColor>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace vt::report {

// Lengths of a layout are millimetres; the report unit used by some callers
// is one ninety-sixth of an inch.
constexpr double kMmPerUnit = 25.4 / 96.0;
constexpr double unitsToMm(double units) {
    return units * kMmPerUnit;
}
constexpr double mmToUnits(double mm) {
    return mm / kMmPerUnit;
}

enum class ObjectKind { Shape, Line, Memo, Picture };

// One named object of a band. `rect` is in millimetres from the band's top
// left corner (the band's left is the left edge of the printable area).
struct ReportObject {
    QString name;
    ObjectKind kind = ObjectKind::Memo;
    QRectF rect;

    // Frame and fill (shapes and memos); a line is drawn from the rect's top
    // left to its bottom right with the frame colour.
    bool framed = false;
    QColor frameColor = Qt::black;
    double frameWidth = 0.2;  // millimetres
    QColor fill;              // invalid: no fill

    // Text (memos only), printed literally: a note or a causale that holds
    // "[DATE]" prints as typed. Only a memo marked `expandsDate` (a footer
    // such as "Stampa eseguita in data [DATE]") gets the print date in place
    // of [DATE].
    QString text;
    bool expandsDate = false;
    QString fontFamily = QStringLiteral("Arial");
    double fontPoints = 10;
    bool bold = false;
    QColor textColor = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = true;
    // Distance between two text lines; 0 means the font's own line spacing.
    double lineSpacing = 0;
    // Inner gap between the frame and the text, left and right.
    double padding = 0.5;

    // Pictures only: the picture drawn into the rect, keeping its
    // proportions (a resource path such as ":/app/resources/logo.svg").
    QString picture;

    // Memo text helpers.
    void clear() { text.clear(); }
    void addLine(const QString& line) {
        if (lines_ > 0) text += u'\n';
        text += line;
        ++lines_;
    }
    void setText(const QString& value) {
        text = value;
        lines_ = value.isEmpty() ? 0 : static_cast<int>(value.count(u'\n')) + 1;
    }

private:
    int lines_ = 0;
};

enum class BandKind { Title, Data, Footer };

// A horizontal strip of the page. Bands are laid out one below the other in
// the order title, data, footer; a data band marked `canSplit` continues on
// the next page when it does not fit.
struct Band {
    QString name;
    BandKind kind = BandKind::Data;
    double height = 0;  // millimetres
    bool canSplit = false;
    std::vector<ReportObject> objects;
};

struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double marginLeft = 10, marginTop = 10, marginRight = 10, marginBottom = 10;

    QSizeF paperSize() const;      // millimetres, oriented
    QSizeF printableSize() const;  // inside the margins
    QPageLayout pageLayout() const;
};

// A report layout: a page holding bands of named objects.
class ReportLayout {
public:
    QString name;
    PageSetup page;
    std::vector<Band> bands;

    Band& addBand(const QString& bandName, BandKind kind, double height, bool canSplit = false);
    // Finds an object of any band by name (nullptr when there is none).
    ReportObject* find(const QString& objectName);
    const ReportObject* find(const QString& objectName) const;
    Band* band(const QString& bandName);
    // Sets the height of a memo or of a band, in millimetres; false when no
    // object or band has that name.
    bool setHeight(const QString& objectOrBandName, double mm);
};

// What a report needs to know about text: how a memo's text breaks into
// lines and how far apart lines are. The printing side measures with the
// real fonts; tests can use a fixed pitch.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The lines of `text` in a memo `width` mm wide (inner width), honouring
    // explicit line breaks and, when the memo wraps, breaking long lines.
    virtual QStringList lines(const ReportObject& memo, const QString& text,
                              double width) const = 0;
    // Distance between two lines, in millimetres.
    virtual double lineHeight(const ReportObject& memo) const = 0;
};

// An object placed on a prepared page, in millimetres from the top left of
// the printable area. `clip` is the part of the page it may draw on (a
// split object continues on the next page). For a memo, `lines` are the
// text lines shown on this page, the first at `firstLineTop`.
struct PlacedObject {
    ReportObject object;
    QRectF rect;
    QRectF clip;
    QStringList lines;
    double firstLineTop = 0;
    double lineHeight = 0;
};

struct PreparedPage {
    std::vector<PlacedObject> objects;
};

struct PreparedReport {
    PageSetup page;
    std::vector<PreparedPage> pages;
};

// Replaces the date variable of the report engine by the print date.
QString expandVariables(const QString& text, const QDate& printDate);

// Lays the bands out on pages: the title band on the first page, then the
// data bands (split at text-line boundaries when they do not fit, so that no
// line is ever cut by a page end), then the footer. A memo of a data band
// whose text needs more room than its height grows, and its band with it.
PreparedReport prepare(const ReportLayout& layout, const TextMeasure& measure,
                       const QDate& printDate);

}  // namespace vt::report
