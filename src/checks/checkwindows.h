#pragma once

#include <QString>

class QWidget;

namespace vt {

// The fiscal code buttons of the three card editors: a text of digits only is
// a VAT number and opens the VAT number check; anything else opens the
// fiscal code check. The field's text is handed to the check window.
void openFiscalCodeCheck(QWidget* owner, const QString& fieldText);

// The VAT number buttons: opens the VAT number check with the field's text.
void openVatNumberCheck(QWidget* owner, const QString& fieldText);

// The registry card's card and IBAN buttons.
void openCardCheck(QWidget* owner, const QString& fieldText);
void openIbanCheck(QWidget* owner, const QString& fieldText);

}  // namespace vt
