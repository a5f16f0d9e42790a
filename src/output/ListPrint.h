#pragma once

#include <QString>
#include <QStringList>

#include "report/Report.h"

class QWidget;

namespace vt {

// The printed list "frxReport" shared by the list windows and the balance
// sheet: A4 landscape, margins 10 mm; title band ReportTitle with the memo
// txtTitolo; data band MasterData, printed once and split across pages,
// with the memo txtRiepilogo (one list line a memo line); footer band
// Footer with txtPagina "Stampa eseguita in data [DATE]".
report::ReportLayout listReportLayout();

// Sets the title and the lines: txtRiepilogo gets every line and a height
// of lines x 12.822 units, MasterData that height + 10 units.
void fillListReport(Report& report, const QString& title, const QStringList& lines);

// Fills and prepares the list report and prints it: directly on the
// default printer, or through the print dialog with `askUser`. With no
// printer a clear message is shown. False when nothing was printed.
bool printList(QWidget* parent, const QString& title, const QStringList& lines, bool askUser = false);
// The same pages in the print preview.
void previewList(QWidget* parent, const QString& title, const QStringList& lines);

}  // namespace vt
