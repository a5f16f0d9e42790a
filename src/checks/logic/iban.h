#pragma once

#include <QString>

#include "checks/logic/checkreply.h"

namespace vt::checks {

// The IBAN as the check reads it: blanks removed, upper case, the first
// "IBAN" taken out, the first four characters moved to the end, and each
// letter A-Z written as its number (A = 10 ... Z = 35). Other characters are
// left as they are.
QString ibanDigits(const QString& text);

// The remainder modulo 97 of a long decimal text, reduced nine digits at a
// time. A text holding anything but digits gives 0.
int mod97(QStringView digits);

// True when the text's check digits fit (remainder 1). The length is not
// tested here.
bool ibanCheckDigitsFit(const QString& text);

// The answer of the IBAN window for the field's text.
CheckReply ibanReply(const QString& fieldText);

}  // namespace vt::checks
