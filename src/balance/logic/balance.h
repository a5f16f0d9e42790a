#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "archive/recordfile.h"

namespace vt::balance {

// What the sheet is asked for: the causale filter exactly as typed, the
// year file and the two limit dates (dd/mm/yyyy, both inclusive).
struct Request {
    QString filter;
    QString yearFile;
    QString startDate;
    QString endDate;
};

// The movement at which the computation stopped: its date or its signed
// amount cannot be read. Date and causale are given as stored.
struct Stop {
    enum class Reason { Date, Amount };
    Reason reason = Reason::Date;
    qint64 position = 0;
    QString date;
    QString causale;
    QString amount;
};

struct Result {
    int filterCount = 0;   // 1 with a causale filter, 0 without (lblConta)
    QString causaleTitle;  // the trimmed filter, or "- - -"
    QStringList lines;     // one per selected movement, in file order
    double receipts = 0;   // sum of the "+" amounts
    double payments = 0;   // sum of the "-" amounts (zero or negative)
    double balance = 0;    // sum of every selected amount
    // Either stops the computation; the lines read before it are kept and
    // the totals are no result.
    std::optional<Stop> stop;
    std::optional<AccessFailure> failure;
    bool invalidLimits = false;

    bool complete() const { return !stop && !failure && !invalidLimits; }
};

// Whether a movement's causale passes the filter: always without a filter
// (blanks only count as none); otherwise the lower-cased filter, blanks
// included, must occur in the lower-cased causale.
bool passesFilter(const QString& filter, const QString& causale);

// The list line of a selected movement: "ENTRATA  " or "USCITA   ", the
// causale (40), "  Data: " and the date (10), "  Da: " and the payer (28),
// "  A: " and the beneficiary (28), "  Importo: " and the signed amount.
// A movement whose amount carries neither sign gives an empty line.
QString balanceLine(QByteArrayView record);

// One pass over the year file: selects the movements of the period (and of
// the causale, with a filter), lists them and sums the three totals in
// double precision in file order.
Result compute(const Request& request);

// A total as the sheet shows it: the number text of the sum to the cent,
// padded to two decimals, then " \u20AC". Beyond 15 integer digits the number keeps its 15
// significant digits followed by zeros instead of switching to an exponent.
QString totalText(double total);
// The number text of a total, before padding.
QString totalNumberText(double total);

// What the sheet shows in place of totals that were not computed.
QString notComputedText();

// The notice telling which movement stopped the computation.
QString stopNotice(const Stop& stop);
// The notice of a year file that cannot be read.
QString accessNotice();

// "Dal   dd/mm/yyyy   al   dd/mm/yyyy".
QString intervalText(const QString& startDate, const QString& endDate);

// The lines of the printed sheet: the list lines, the separator, the
// interval and the three totals, captions padded to 30 characters.
QStringList printedLines(const QStringList& listLines, const QString& interval,
                         const QString& receipts, const QString& payments, const QString& balance);
// The printed title: "PRIMANOTA E BILANCIO - Causale :  " and the causale.
QString printedTitle(const QString& causaleTitle);

}  // namespace vt::balance
