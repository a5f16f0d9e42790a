#include "checks/logic/openingrule.h"

namespace vt::checks {

FiscalFieldCheck fiscalFieldCheck(const QString& fieldText) {
    const QString text = fieldText.trimmed();
    if (text.isEmpty()) return FiscalFieldCheck::FiscalCode;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return FiscalFieldCheck::FiscalCode;
    return FiscalFieldCheck::VatNumber;
}

}  // namespace vt::checks
