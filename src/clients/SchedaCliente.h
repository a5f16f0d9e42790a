#pragma once

#include "report/Report.h"

class QWidget;

namespace vt::clients {

// The one-page registry card "repScheda" (report "Scheda informativa"): A4
// portrait, margins 10 mm; the logo imgLogo top left, the title memo
// txtTitolo beside it, the line linSepara01, twenty-four rows one
// centimetre apart (caption memos titCampo01..24 on teal, value memos
// txtCampo01..24, no word wrap), the line linSepara02 and the footer
// txtCalce.
report::ReportLayout cardLayout();

// The report filled from the registry card's controls as they are on
// screen, saved or not, with the footer's print date and time.
Report filledCard(const QWidget* card);

// The card's three buttons: the print preview, the default printer, and
// "Cliente.pdf" beside the program followed by the question whether to
// open it.
void previewCard(QWidget* card);
void printCard(QWidget* card);
void pdfCard(QWidget* card);

}  // namespace vt::clients
