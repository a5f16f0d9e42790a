#pragma once

#include <QString>

#include "checks/logic/checkreply.h"

namespace vt::checks {

// The digits that count in a card number: of the first 20 characters of the
// text, the digits 0-9 in order (blanks, dashes and anything else dropped).
QString cardDigits(QStringView text);

// Luhn check of a digit string: the last digit checks all the others.
bool luhnValid(QStringView digits);

// The card number test: 0 when the digits are missing or fail the Luhn
// check, otherwise the first digit minus 2 (from -2 to 7); 2 is Visa, 3
// MasterCard, 4 Discover, 1 one of the cards whose numbers begin with 3.
int cardNumberTest(QStringView text);

// The card type of a number that passed the test, or an empty text when the
// code names no type. For code 1 the first two digits decide.
QString cardType(int code, QStringView digits);

// The answer of the credit card window for the field's text.
CheckReply cardReply(const QString& fieldText);

}  // namespace vt::checks
