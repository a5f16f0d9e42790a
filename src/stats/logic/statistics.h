#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "archive/recordfile.h"
#include "chart/logic/chartmodel.h"

namespace vt::stats {

// Which flag a monthly chart selects: receipts ("Entrata") or expenses
// ("Uscita").
enum class Direction { Receipts, Expenses };

// The twelve month totals of a monthly chart, as texts (what the window
// keeps in memGennaio..memDicembre): plain number texts of whole euros.
using MonthTexts = std::array<QString, 12>;

// The month (1 to 12) a movement dated `data` counts for in the chosen
// year, or 0. The date is read by its positions (characters 4-5 the month,
// 7-10 the year), as dates have always been stored as dd/mm/yyyy.
int monthOf(const QString& data, const QString& year);

// A sum text rounded to whole euros and written again as plain number text
// ("150,5" gives "151", "150,45" gives "150").
QString wholeEuros(const QString& sumText);

// Reads the year file once (creating it empty when missing) and adds up
// `Importo` per month for the movements of `year` with the chosen flag. A
// movement whose amount cannot be read is left out. An access failure comes
// back as such.
FileResult<MonthTexts> monthlyTotals(const QString& path, const QString& year, Direction direction);

// The year's total receipts and expenses, in whole euros as texts. Every
// record of the file counts, whatever its date. Nothing when the file cannot
// be read or an amount is not a number.
struct BalanceTexts {
    QString receipts;
    QString expenses;
};
// A file that cannot be read is a failure; an amount that does not read as a
// number gives no totals (the chart then stays without points).
FileResult<std::optional<BalanceTexts>> balanceTotals(const QString& path);

// The chart points: twelve months with their names and colours, or the two
// points "Entrate" (green) and "Uscite" (red).
inline const QStringList kMonthNames{
    QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
    QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
    QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
    QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
QList<chart::Point> monthlyPoints(const MonthTexts& texts);
QList<chart::Point> balancePoints(const BalanceTexts& totals);

// The number of copies an answer of the copies box proposes: the typed
// number when it is all digits, one otherwise; zero and numbers beyond what
// a print dialog offers (kMostCopies) are taken for slips and propose one.
inline constexpr int kMostCopies = 999;
int proposedCopies(const QString& answer);

}  // namespace vt::stats
