#include "stats/logic/statistics.h"

#include <cmath>

#include "archive/records.h"
#include "archive/texts.h"

namespace vt::stats {

namespace {

constexpr std::array<QRgb, 12> kMonthColours{0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF,
                                             0xFFC0DCC0, 0xFFFFFF00, 0xFF00FF00, 0xFFC0C0C0,
                                             0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};

bool flagged(QByteArrayView record, mov::Field flag) {
    return readFlag(record, mov::kFields[flag]) == Flag::Yes;
}

double pointValue(const QString& text) {
    const auto value = amountValue(text);
    return value && std::isfinite(*value) ? *value : 0.0;
}

}  // namespace

int monthOf(const QString& data, const QString& year) {
    const QString d = data.trimmed() + QString(10, u' ');
    const QString month = d.mid(3, 2).trimmed();
    if (d.mid(6, 4).trimmed() != year.trimmed()) return 0;
    for (int m = 1; m <= 12; ++m)
        if (month == QStringLiteral("%1").arg(m, 2, 10, QChar(u'0'))) return m;
    return 0;
}

QString wholeEuros(const QString& sumText) {
    return plainNumberText(roundTo(pointValue(sumText), 0));
}

namespace {

// The sum goes through its text, as the totals are kept as text while they
// are summed; a sum too large for a plain text is rounded as it is.
QString wholeEuros(double sum) {
    const auto read = amountValue(plainNumberText(sum));
    return plainNumberText(roundTo(read && std::isfinite(*read) ? *read : sum, 0));
}

}  // namespace

FileResult<MonthTexts> monthlyTotals(const QString& path, const QString& year,
                                     Direction direction) {
    const mov::Field flag = direction == Direction::Receipts ? mov::Entrata : mov::Uscita;
    std::array<double, 12> sums{};
    const MovementFile file(path);
    const FileStatus status = file.scan([&](qint64, QByteArrayView record) {
        if (!flagged(record, flag)) return true;
        const int month = monthOf(readField(record, mov::kFields[mov::Data]), year);
        if (month == 0) return true;
        const auto amount = amountValue(readField(record, mov::kFields[mov::Importo]));
        if (!amount || !std::isfinite(*amount)) return true;
        sums[month - 1] += *amount;
        return true;
    });
    if (!status) return status.failure();
    MonthTexts texts;
    for (int m = 0; m < 12; ++m) texts[m] = wholeEuros(sums[m]);
    return texts;
}

FileResult<std::optional<BalanceTexts>> balanceTotals(const QString& path) {
    double receipts = 0;
    double expenses = 0;
    bool readable = true;
    const MovementFile file(path);
    const FileStatus status = file.scan([&](qint64, QByteArrayView record) {
        const bool in = flagged(record, mov::Entrata);
        const bool out = flagged(record, mov::Uscita);
        if (!in && !out) return true;
        const auto amount = amountValue(readField(record, mov::kFields[mov::Importo]));
        if (!amount || !std::isfinite(*amount)) {
            readable = false;
            return false;
        }
        if (in) receipts += *amount;
        if (out) expenses += *amount;
        return true;
    });
    if (!status) return status.failure();
    if (!readable) return std::optional<BalanceTexts>();
    return std::optional(BalanceTexts{wholeEuros(receipts), wholeEuros(expenses)});
}

QList<chart::Point> monthlyPoints(const MonthTexts& texts) {
    QList<chart::Point> points;
    for (int m = 0; m < 12; ++m)
        points.append({pointValue(texts[m]), kMonthNames[m], kMonthColours[m]});
    return points;
}

QList<chart::Point> balancePoints(const BalanceTexts& totals) {
    return {{pointValue(totals.receipts), QStringLiteral("Entrate"), 0xFF008000},
            {pointValue(totals.expenses), QStringLiteral("Uscite"), 0xFFFF0000}};
}

int proposedCopies(const QString& answer) {
    if (answer.trimmed().isEmpty()) return 1;
    for (QChar c : answer)
        if (c < u'0' || c > u'9') return 1;
    // Leading zeros are fine; a number too long to be meant is a slip.
    qsizetype first = 0;
    while (first < answer.size() - 1 && answer[first] == u'0') ++first;
    const QString digits = answer.mid(first);
    if (digits.size() > 3) return 1;
    const int copies = digits.toInt();
    return copies >= 1 && copies <= kMostCopies ? copies : 1;
}

}  // namespace vt::stats
