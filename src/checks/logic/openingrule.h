#pragma once

#include <QString>

namespace vt::checks {

// Which check a fiscal code button opens: a field of digits only holds a VAT
// number, anything else (empty included) is checked as a fiscal code.
enum class FiscalFieldCheck { FiscalCode, VatNumber };
FiscalFieldCheck fiscalFieldCheck(const QString& fieldText);

}  // namespace vt::checks
