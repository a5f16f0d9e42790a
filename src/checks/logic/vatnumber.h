#pragma once

#include <QString>

#include "checks/logic/checkreply.h"

namespace vt::checks {

// Eleven digits whose last is the check digit of the first ten (Luhn).
bool isValidVatNumber(QStringView number);

// The VAT office of a three-digit office code ("001" to "102", "120",
// "121"); empty for a code not in the table.
QString vatOfficeName(QStringView code);

// The answer of the VAT number window for the field's text.
CheckReply vatNumberReply(const QString& fieldText);

}  // namespace vt::checks
