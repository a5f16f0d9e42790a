#include "output/ListPrint.h"

#include "output/logic/listlogic.h"

namespace vt {

report::ReportLayout listReportLayout() {
    using namespace report;
    ReportLayout layout;
    layout.name = QStringLiteral("Riepilogo");
    layout.page.orientation = QPageLayout::Landscape;
    const QColor slateGrey(0x70, 0x80, 0x90);

    Band& title = layout.addBand(QStringLiteral("ReportTitle"), BandKind::Title, 8);
    ReportObject titolo;
    titolo.name = QStringLiteral("txtTitolo");
    titolo.rect = QRectF(2, 1, 273, 5);
    titolo.fill = slateGrey;
    titolo.fontFamily = QStringLiteral("Verdana");
    titolo.fontPoints = 9;
    titolo.bold = true;
    titolo.textColor = Qt::white;
    titolo.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    titolo.wordWrap = false;
    titolo.setText(QStringLiteral("Riepilogo"));
    title.objects.push_back(titolo);

    Band& data = layout.addBand(QStringLiteral("MasterData"), BandKind::Data, unitsToMm(10), true);
    ReportObject riepilogo;
    riepilogo.name = QStringLiteral("txtRiepilogo");
    riepilogo.rect = QRectF(3, 0, 273, 0);
    riepilogo.fontFamily = QStringLiteral("Courier New");
    riepilogo.fontPoints = 8;
    riepilogo.textColor = Qt::black;
    riepilogo.wordWrap = false;
    riepilogo.lineSpacing = unitsToMm(list::kPrintedLineUnits);
    data.objects.push_back(riepilogo);

    Band& footer = layout.addBand(QStringLiteral("Footer"), BandKind::Footer, 8);
    ReportObject pagina;
    pagina.name = QStringLiteral("txtPagina");
    pagina.rect = QRectF(3, 2, 272, 5);
    pagina.fill = slateGrey;
    pagina.fontFamily = QStringLiteral("Verdana");
    pagina.fontPoints = 8;
    pagina.bold = true;
    pagina.textColor = Qt::white;
    pagina.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    pagina.wordWrap = false;
    pagina.setText(QStringLiteral("Stampa eseguita in data [DATE]"));
    // The one memo that gets the print date; list lines print as they are.
    pagina.expandsDate = true;
    footer.objects.push_back(pagina);
    return layout;
}

void fillListReport(Report& report, const QString& title, const QStringList& lines) {
    report.setText(QStringLiteral("txtTitolo"), title);
    report.clear(QStringLiteral("txtRiepilogo"));
    for (const QString& line : lines) report.addLine(QStringLiteral("txtRiepilogo"), line);
    report.setHeightUnits(QStringLiteral("txtRiepilogo"), list::printedMemoUnits(lines.size()));
    report.setHeightUnits(QStringLiteral("MasterData"), list::printedBandUnits(lines.size()));
}

bool printList(QWidget* parent, const QString& title, const QStringList& lines, bool askUser) {
    Report report(listReportLayout());
    fillListReport(report, title, lines);
    report.prepare();
    return report.print(parent, askUser);
}

void previewList(QWidget* parent, const QString& title, const QStringList& lines) {
    Report report(listReportLayout());
    fillListReport(report, title, lines);
    report.prepare();
    report.preview(parent, title);
}

}  // namespace vt
