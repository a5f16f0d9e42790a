#pragma once

#include <QString>
#include <optional>

#include "checks/logic/checkreply.h"

namespace vt::checks {

// The check character of a fiscal code from its first 15 characters (upper
// case expected). Each character counts by its code between '0' (48) and 'Z'
// (90), the seven codes between '9' and 'A' counting 0; any character outside
// that range has no value, and then there is no check character.
std::optional<QChar> fiscalCodeCheckCharacter(QStringView first15);

// A 16-character code (upper case) whose last character is its check
// character. Only the length and the check character are tested.
bool isValidFiscalCode(QStringView code);

// The answer of the fiscal code window for the field's text.
CheckReply fiscalCodeReply(const QString& fieldText);

}  // namespace vt::checks
