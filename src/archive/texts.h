#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace vt {

// Amounts and dates are kept as text everywhere in the program. These are
// the only conversions between those texts and values; none depends on the
// machine's regional settings.

// The value of an amount text: optional sign, digits with one optional ","
// (",5" and "12," are fine). Surrounding blanks are ignored; anything else
// (a full stop, a second comma, letters, exponents) cannot be read.
std::optional<double> amountValue(const QString& text);

// The amount text a card editor stores: digits, ",", two decimals.
// Never fails: what cannot be read becomes "0,00". The sign of a negative
// amount is dropped, since the direction of a movement is recorded apart.
QString normalizeAmount(const QString& text);

// Completes a number text to two decimals, without reading it.
QString padAmount(const QString& text);

// Rounds half up to `decimals` places, computed in 80-bit extended precision
// as the stored amounts have always been rounded.
double roundTo(double value, int decimals);

// Shortest text with at most 15 significant digits and "," as separator.
QString plainNumberText(double value);

// Date texts are dd/mm/yyyy.
std::optional<QDate> dateValue(const QString& text);
QString dateText(const QDate& day);

}  // namespace vt
