#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>

#include "report/logic/reportlayout.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace vt {

// The installed family that stands in for a family named by a layout:
// Arial, Courier New and Verdana print with metric-compatible free fonts.
QString reportFontFamily(const QString& family);
// Registers those stand-ins with Qt's font substitution, so that widgets
// asking for the same families get them too. Safe to call more than once.
void installReportFonts();
QFont reportFont(const report::ReportObject& memo);

// Breaks memo text with the real fonts, measured once on a reference
// device of 1200 dots per inch so that every device gets the same lines.
class FontTextMeasure : public report::TextMeasure {
public:
    QStringList lines(const report::ReportObject& memo, const QString& text,
                      double width) const override;
    double lineHeight(const report::ReportObject& memo) const override;
};

// The message shown when a report should be printed and the machine has no
// printer.
QString noPrinterMessage();

// A report layout with the operations the windows use: find objects, fill
// memos, set heights and orientation, prepare, print, preview, write a PDF.
// All drawing goes through one routine in millimetres, so the printer, the
// preview and the PDF show the same pages.
class Report {
public:
    explicit Report(report::ReportLayout layout);

    report::ReportLayout& layout() { return layout_; }
    const report::ReportLayout& layout() const { return layout_; }

    report::ReportObject* find(const QString& name) { return layout_.find(name); }
    report::Band* band(const QString& name) { return layout_.band(name); }
    // Memo operations; false when the layout has no memo of that name.
    bool setText(const QString& memo, const QString& text);
    bool clear(const QString& memo);
    bool addLine(const QString& memo, const QString& line);
    // Heights of a memo or a band, in millimetres or in report units.
    bool setHeight(const QString& name, double mm) { return layout_.setHeight(name, mm); }
    bool setHeightUnits(const QString& name, double units) {
        return setHeight(name, report::unitsToMm(units));
    }
    void setOrientation(QPageLayout::Orientation orientation) {
        layout_.page.orientation = orientation;
    }

    // Lays the pages out, with today's date for [DATE] in the memos that ask
    // for it.
    const report::PreparedReport& prepare();
    const report::PreparedReport& prepared() const { return prepared_; }
    int pageCount() const { return static_cast<int>(prepared_.pages.size()); }

    // Prints the prepared report on the default printer, or through the
    // print dialog with `askUser`. With no printer installed it shows an
    // error message. False when nothing was printed.
    bool print(QWidget* parent, bool askUser = false);
    // Shows the print preview (print, zoom, full screen, close).
    void preview(QWidget* parent, const QString& title);
    // Writes the prepared report as a PDF, replacing an existing file,
    // without asking anything. False when the file cannot be written.
    bool exportPdf(const QString& path, const QString& title, const QString& subject);

    // Draws every prepared page on a paged device whose page layout has
    // already been set; the painter is active on it.
    void paint(QPainter& painter, QPagedPaintDevice& device) const;

private:
    void preparedIfNeeded();

    report::ReportLayout layout_;
    report::PreparedReport prepared_;
    bool isPrepared_ = false;
};

}  // namespace vt
