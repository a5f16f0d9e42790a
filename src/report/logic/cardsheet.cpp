#include "report/logic/cardsheet.h"

namespace vt::report {

namespace {
ReportObject textMemo(const QString& name, const QRectF& rect, double points, const QString& text) {
    ReportObject m;
    m.name = name;
    m.rect = rect;
    m.fontFamily = QStringLiteral("Arial");
    m.fontPoints = points;
    m.textColor = Qt::black;
    m.wordWrap = false;
    m.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    m.setText(text);
    return m;
}
}  // namespace

ReportLayout cardSheetLayout(const QString& name, const QString& title, const QList<CardRow>& rows,
                             double footerTop) {
    ReportLayout layout;
    layout.name = name;
    layout.page.orientation = QPageLayout::Portrait;
    Band& band = layout.addBand(QStringLiteral("Scheda"), BandKind::Title, footerTop + 5.8 + 1);

    ReportObject top = textMemo(QStringLiteral("titArcataSup"), QRectF(1, 1, 188, 5.8), 9, title);
    top.fill = QColor(0xB0, 0xC4, 0xDE);  // light steel blue
    top.framed = true;
    top.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    band.objects.push_back(top);

    for (qsizetype i = 0; i < rows.size(); ++i) {
        const double y = 7 + 5 * static_cast<double>(i);
        ReportObject frame;
        frame.name = QStringLiteral("shpRiga%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        frame.kind = ObjectKind::Shape;
        frame.rect = QRectF(1, y, 188, 4.6);
        frame.framed = true;
        band.objects.push_back(frame);
        const QString bare = rows[i].valueMemo.startsWith(QLatin1String("txt")) ? rows[i].valueMemo.mid(3)
                                                                                 : rows[i].valueMemo;
        band.objects.push_back(
            textMemo(QStringLiteral("tit") + bare, QRectF(2, y, 37.8, 4.6), 7, rows[i].caption));
        band.objects.push_back(textMemo(rows[i].valueMemo, QRectF(44, y, 144, 4.6), 7, QString()));
    }
    if (!rows.isEmpty()) {
        ReportObject divider;
        divider.name = QStringLiteral("linDivisore");
        divider.kind = ObjectKind::Line;
        divider.rect = QRectF(42, 7, 0, 5 * static_cast<double>(rows.size() - 1) + 4.6);
        band.objects.push_back(divider);
    }

    ReportObject foot = textMemo(QStringLiteral("txtCalce"), QRectF(1, footerTop, 188, 5.8), 8,
                                 QStringLiteral("Data e ora stampa"));
    foot.fill = QColor(0xFF, 0xD7, 0x00);  // gold
    foot.framed = true;
    foot.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    band.objects.push_back(foot);
    return layout;
}

ReportLayout cardSheetLayout(const CardSheet& sheet) {
    QList<CardRow> rows;
    rows.reserve(sheet.rows.size());
    for (const SheetRow& r : sheet.rows) rows.append({r.caption, r.memo});
    return cardSheetLayout(sheet.name, sheet.title, rows, sheet.footerTop);
}

QString printedOnText(const QDate& day, const QTime& time) {
    return QStringLiteral("Stampa eseguita in data ") + day.toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral(" alle ore ") + time.toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace vt::report
