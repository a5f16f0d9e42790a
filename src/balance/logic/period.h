#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vt::balance {

// The items of the day drop-downs, "01" to "31", and of the month
// drop-downs, "Gennaio" to "Dicembre".
QStringList dayItems();
QStringList monthItems();

// What a day or month field keeps when the user leaves it: its text when
// it is one of the list's items (blanks around it, and case for months, do
// not matter), otherwise nothing.
QString keptDay(const QString& text);
QString keptMonth(const QString& text);

// The two-digit number ("01" to "12") of a month name, matched trimmed and
// lower-cased; empty for any other text.
QString monthNumber(const QString& name);

// The texts of the selection window that "Visualizza riepilogo" checks.
struct PeriodInput {
    QString year;        // txtAnno, as typed
    QString startDay;    // txtGiornoInizio
    QString startMonth;  // txtMeseInizio
    QString startYear;   // lblAnnoInizio
    QString endDay;      // txtGiornoFine
    QString endMonth;    // txtMeseFine
    QString endYear;     // lblAnnoFine
};

// The field a failed check sends the focus to.
enum class PeriodField { None, Year, StartDay, StartMonth, EndDay, EndMonth };

// The outcome of the checks, in their order: the first failing one gives
// its message, its dialog form and its field. The limit dates are built as
// far as the checks got (they fill lblDataInizio and lblDataFine even when
// the date does not exist).
struct PeriodCheck {
    bool ok = false;
    QString startDate;  // dd/mm/yyyy as built
    QString endDate;
    QString yearFileName;  // trimmed year + ".eur", when ok
    enum class Kind { Warning, Notice };
    Kind kind = Kind::Warning;
    QString message;
    PeriodField focus = PeriodField::None;
};

PeriodCheck checkPeriod(const PeriodInput& input);

}  // namespace vt::balance
