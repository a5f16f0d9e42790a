#include "balance/logic/period.h"

#include "archive/codec.h"
#include "archive/texts.h"

namespace vt::balance {

namespace {
const QString kDateBreak = QStringLiteral("\n\r\n\r");

QString buildDate(const QString& day, const QString& month, const QString& year) {
    const QString number = monthNumber(month);
    if (number.isEmpty()) return {};
    return vt::trimmed(day) + u'/' + number + u'/' + vt::trimmed(year);
}

PeriodCheck failed(PeriodCheck check, PeriodCheck::Kind kind, const QString& message,
                   PeriodField focus) {
    check.ok = false;
    check.kind = kind;
    check.message = message;
    check.focus = focus;
    return check;
}
}  // namespace

QStringList dayItems() {
    QStringList items;
    for (int d = 1; d <= 31; ++d)
        items.append(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
    return items;
}

QStringList monthItems() {
    return {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
            QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
            QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
            QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
}

QString keptDay(const QString& text) {
    return dayItems().contains(vt::trimmed(text)) ? text : QString();
}

QString keptMonth(const QString& text) {
    return monthNumber(text).isEmpty() ? QString() : text;
}

QString monthNumber(const QString& name) {
    const QString wanted = vt::trimmed(name).toLower();
    const QStringList months = monthItems();
    for (int m = 0; m < months.size(); ++m)
        if (months[m].toLower() == wanted)
            return QStringLiteral("%1").arg(m + 1, 2, 10, QLatin1Char('0'));
    return {};
}

PeriodCheck checkPeriod(const PeriodInput& in) {
    using Kind = PeriodCheck::Kind;
    PeriodCheck check;
    if (in.year.size() != 4)
        return failed(
            check, Kind::Warning,
            QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."),
            PeriodField::Year);
    const struct {
        const QString& text;
        const char* what;
        PeriodField field;
    } required[] = {
        {in.startDay, "il giorno di inizio", PeriodField::StartDay},
        {in.startMonth, "il mese di inizio", PeriodField::StartMonth},
        {in.endDay, "il giorno di fine", PeriodField::EndDay},
        {in.endMonth, "il mese di fine", PeriodField::EndMonth},
    };
    for (const auto& r : required)
        if (vt::trimmed(r.text).isEmpty())
            return failed(
                check, Kind::Warning,
                QStringLiteral(
                    "Attenzione: indicare %1 intervallo selezionandolo dall'elenco a cascata.")
                    .arg(QLatin1String(r.what)),
                r.field);

    const QString invalidEnd =
        kDateBreak + QStringLiteral(
                         "Per poter visualizzare il riepilogo \u00E8 necessario indicare una "
                         "data valida.");
    check.startDate = buildDate(in.startDay, in.startMonth, in.startYear);
    const auto start = vt::dateValue(check.startDate);
    if (!start)
        return failed(check, Kind::Notice,
                      QStringLiteral("Attenzione: la data %1 di inizio intervallo non esiste.")
                              .arg(check.startDate) +
                          invalidEnd,
                      PeriodField::StartDay);
    check.endDate = buildDate(in.endDay, in.endMonth, in.endYear);
    const auto end = vt::dateValue(check.endDate);
    if (!end)
        return failed(check, Kind::Notice,
                      QStringLiteral("Attenzione: la data %1 di fine intervallo non esiste.")
                              .arg(check.endDate) +
                          invalidEnd,
                      PeriodField::EndDay);
    if (*start > *end)
        return failed(
            check, Kind::Notice,
            QStringLiteral(
                "Attenzione: la data di fine intervallo (%1) non pu\u00F2 essere anteriore a "
                "quella di inizio intervallo (%2).")
                    .arg(check.endDate, check.startDate) +
                kDateBreak +
                QStringLiteral("Per poter visualizzare il riepilogo \u00E8 necessario indicare un "
                               "intervallo di tempo valido."),
            PeriodField::None);
    check.ok = true;
    check.yearFileName = vt::trimmed(in.year) + QStringLiteral(".eur");
    return check;
}

}  // namespace vt::balance
