#include "archive/texts.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vt {

static_assert(std::numeric_limits<long double>::digits == 64,
              "amount rounding needs an 80-bit extended long double");

std::optional<double> amountValue(const QString& input) {
    const QString text = input.trimmed();
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool comma = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            ascii.push_back(static_cast<char>(c.unicode()));
            digits = true;
        } else if (c == u',' && !comma) {
            ascii.push_back('.');
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    if (ascii.front() == '.') ascii.insert(ascii.begin(), '0');
    if (ascii.back() == '.') ascii.pop_back();
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return negative ? -value : value;
}

double roundTo(double value, int decimals) {
    const long double scale = std::pow(10.0L, decimals);
    const long double scaled = static_cast<long double>(value) * scale + 0.5L;
    return static_cast<double>(std::trunc(scaled) / scale);
}

QString plainNumberText(double value) {
    if (value == 0) return QStringLiteral("0");
    // std::to_chars never consults the C library's locale, which Qt sets
    // from the environment: the separator is always "." before the swap.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc()) return QStringLiteral("0");
    QString text = QString::fromLatin1(buffer, end - buffer);
    text.replace(u'.', u',');
    return text;
}

QString padAmount(const QString& input) {
    QString text = input;
    if (!text.contains(u',')) text += QStringLiteral(",00");
    if (text.trimmed() == QStringLiteral(",")) text = QStringLiteral("0,00");
    if (text.startsWith(u',')) text = u'0' + text.trimmed();
    if (text.endsWith(u',')) text = text.trimmed() + QStringLiteral("00");
    const qsizetype n = text.size();
    if (n >= 2 && text[n - 2] == u',' && text[n - 1].isDigit() && text[n - 1].unicode() < 128)
        text = text.trimmed() + u'0';
    return text;
}

QString normalizeAmount(const QString& text) {
    if (text.trimmed().isEmpty()) return QStringLiteral("0,00");
    const auto value = amountValue(text);
    if (!value || !std::isfinite(*value)) return QStringLiteral("0,00");
    return padAmount(plainNumberText(roundTo(std::fabs(*value), 2)));
}

std::optional<QDate> dateValue(const QString& text) {
    const QStringList parts = text.trimmed().split(u'/');
    if (parts.size() != 3) return std::nullopt;
    int numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        const QString& part = parts[i];
        const int maxLength = i == 2 ? 4 : 2;
        if (part.isEmpty() || part.size() > maxLength) return std::nullopt;
        for (QChar c : part)
            if (c < u'0' || c > u'9') return std::nullopt;
        numbers[i] = part.toInt();
    }
    if (parts[2].size() != 4) return std::nullopt;
    const QDate day(numbers[2], numbers[1], numbers[0]);
    if (!day.isValid()) return std::nullopt;
    return day;
}

QString dateText(const QDate& day) {
    return QStringLiteral("%1/%2/%3")
        .arg(day.day(), 2, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace vt
