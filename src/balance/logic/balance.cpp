#include "balance/logic/balance.h"

#include <charconv>
#include <cmath>

#include "archive/codec.h"
#include "archive/texts.h"
#include "output/logic/listlogic.h"
#include "output/logic/skippedrecords.h"

namespace vt::balance {

namespace {

const QString kNoFilter = QStringLiteral("- - -");

QString field(QByteArrayView record, mov::Field f) {
    return readField(record, mov::kFields[f]);
}

// The day of a stored date. The common form, ten bytes "dd/mm/yyyy", is read
// straight from the record; anything else goes through the full reading.
std::optional<qint64> dayNumber(QByteArrayView record) {
    const QByteArrayView raw = rawField(record, mov::kFields[mov::Data]);
    if (raw.size() == 10 && raw[2] == '/' && raw[5] == '/') {
        int digits[8];
        int k = 0;
        bool plain = true;
        for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
            const char c = raw[i];
            if (c < '0' || c > '9') {
                plain = false;
                break;
            }
            digits[k++] = c - '0';
        }
        if (plain) {
            const QDate day(digits[4] * 1000 + digits[5] * 100 + digits[6] * 10 + digits[7],
                            digits[2] * 10 + digits[3], digits[0] * 10 + digits[1]);
            if (!day.isValid()) return std::nullopt;
            return day.toJulianDay();
        }
    }
    const auto day = dateValue(field(record, mov::Data));
    if (!day) return std::nullopt;
    return day->toJulianDay();
}

void appendFixed(QString& line, const QString& text, int width) {
    line += list::fixedWidth(text, width);
}

}  // namespace

bool passesFilter(const QString& filter, const QString& causale) {
    if (filter.trimmed().isEmpty()) return true;
    return causale.toLower().contains(filter.toLower());
}

QString balanceLine(QByteArrayView record) {
    const QString amount = field(record, mov::ImportoSegnato);
    QString line;
    if (amount.startsWith(u'+'))
        line = QStringLiteral("ENTRATA  ");
    else if (amount.startsWith(u'-'))
        line = QStringLiteral("USCITA   ");
    else
        return line;
    line.reserve(160);
    appendFixed(line, field(record, mov::Causale), 40);
    line += QStringLiteral("  Data: ");
    appendFixed(line, field(record, mov::Data), 10);
    line += QStringLiteral("  Da: ");
    appendFixed(line, field(record, mov::Pagatore), 28);
    line += QStringLiteral("  A: ");
    appendFixed(line, field(record, mov::Beneficiario), 28);
    line += QStringLiteral("  Importo: ");
    line += amount;
    return line;
}

Result compute(const Request& request) {
    Result result;
    const bool filtered = !request.filter.trimmed().isEmpty();
    result.filterCount = filtered ? 1 : 0;
    result.causaleTitle = filtered ? request.filter.trimmed() : kNoFilter;
    const auto start = dateValue(request.startDate);
    const auto end = dateValue(request.endDate);
    if (!start || !end) {
        result.invalidLimits = true;
        return result;
    }
    const qint64 first = start->toJulianDay();
    const qint64 last = end->toJulianDay();
    const QString filter = request.filter.toLower();

    const MovementFile file(vt::trimmed(request.yearFile));
    const FileStatus status = file.scan([&](qint64 position, QByteArrayView record) {
        if (filtered && !field(record, mov::Causale).toLower().contains(filter)) return true;
        const auto day = dayNumber(record);
        if (!day) {
            result.stop = Stop{Stop::Reason::Date, position, field(record, mov::Data),
                               field(record, mov::Causale), field(record, mov::ImportoSegnato)};
            return false;
        }
        if (*day < first || *day > last) return true;
        const QString amount = field(record, mov::ImportoSegnato);
        const auto value = amountValue(amount);
        if (!value || !std::isfinite(*value)) {
            result.stop = Stop{Stop::Reason::Amount, position, field(record, mov::Data),
                               field(record, mov::Causale), amount};
            return false;
        }
        result.lines.append(balanceLine(record));
        if (amount.startsWith(u'+'))
            result.receipts += *value;
        else if (amount.startsWith(u'-'))
            result.payments += *value;
        result.balance += *value;
        return true;
    });
    if (!status) result.failure = status.failure();
    return result;
}

QString totalNumberText(double total) {
    // A sum of amounts in cents carries the binary noise of its terms (0,10 +
    // 0,20 - 0,30 is 5,55e-17, not 0): the text shows the sum to the cent,
    // which is what the amounts hold.
    if (std::fabs(total) < 1e15)
        return plainNumberText(
            static_cast<double>(std::round(static_cast<long double>(total) * 100) / 100));
    // d.dddddddddddddde+NN: the 15 significant digits, then as many zeros as
    // the exponent asks for.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, total, std::chars_format::scientific, 14);
    if (ec != std::errc()) return plainNumberText(total);
    const std::string text(buffer, end);
    const std::size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    QString digits;
    QString sign;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] == '-') sign = QStringLiteral("-");
        if (text[i] >= '0' && text[i] <= '9') digits += QLatin1Char(text[i]);
    }
    while (digits.size() < exponent + 1) digits += u'0';
    return sign + digits.left(exponent + 1);
}

QString totalText(double total) {
    return padAmount(totalNumberText(total)) + QStringLiteral(" \u20AC");
}

QString notComputedText() {
    return QStringLiteral("non calcolato");
}

QString stopNotice(const Stop& stop) {
    const QString why =
        stop.reason == Stop::Reason::Date
            ? QStringLiteral("la sua data non \u00E8 una data valida")
            : QStringLiteral("il suo importo (\"%1\") non \u00E8 leggibile").arg(stop.amount);
    return QStringLiteral("Attenzione: il riepilogo si \u00E8 interrotto alla ") +
           list::recordMention(stop.position, QStringLiteral("data"), stop.date, stop.causale) +
           QStringLiteral(", perch\u00E9 ") + why + QStringLiteral(".") +
           QStringLiteral("\n\r\n\r") +
           QStringLiteral(
               "I totali non sono stati calcolati: correggere la scheda nel Registro Movimenti e "
               "ripetere il riepilogo.");
}

QString accessNotice() {
    return QStringLiteral("Attenzione: il file di archivio non risulta accessibile.");
}

QString intervalText(const QString& startDate, const QString& endDate) {
    return QStringLiteral("Dal   ") + vt::trimmed(startDate) + QStringLiteral("   al   ") +
           vt::trimmed(endDate);
}

QStringList printedLines(const QStringList& listLines, const QString& interval,
                         const QString& receipts, const QString& payments, const QString& balance) {
    QStringList lines = listLines;
    lines.reserve(listLines.size() + 5);
    lines.append(QStringLiteral("- - - - - - - - - - - - - - - -"));
    const auto captioned = [](const char* caption, const QString& value) {
        return list::fixedWidth(QLatin1String(caption), 30) + vt::trimmed(value);
    };
    lines.append(captioned("INTERVALLO SELEZIONATO :", interval));
    lines.append(captioned("TOTALE ENTRATE :", receipts));
    lines.append(captioned("TOTALE USCITE :", payments));
    lines.append(captioned("BILANCIO ENTRATE E USCITE :", balance));
    return lines;
}

QString printedTitle(const QString& causaleTitle) {
    return QStringLiteral("PRIMANOTA E BILANCIO - Causale :  ") + vt::trimmed(causaleTitle);
}

}  // namespace vt::balance
