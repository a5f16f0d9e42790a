#include "checks/checkwindows.h"

#include "app/windows.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIVA.h"
#include "checks/logic/openingrule.h"

namespace vt {

void openFiscalCodeCheck(QWidget* owner, const QString& fieldText) {
    if (checks::fiscalFieldCheck(fieldText) == checks::FiscalFieldCheck::VatNumber) {
        openVatNumberCheck(owner, fieldText);
        return;
    }
    const QString text = fieldText.trimmed();
    openDialog<TfrmCodFisc>(owner, [&](TfrmCodFisc& d) { d.setCode(text); });
}

void openVatNumberCheck(QWidget* owner, const QString& fieldText) {
    const QString text = fieldText.trimmed();
    openDialog<TfrmPartitaIva>(owner, [&](TfrmPartitaIva& d) { d.setNumber(text); });
}

void openCardCheck(QWidget* owner, const QString& fieldText) {
    const QString text = fieldText.trimmed();
    openDialog<TfrmCarta>(owner, [&](TfrmCarta& d) { d.setNumber(text); });
}

void openIbanCheck(QWidget* owner, const QString& fieldText) {
    const QString text = fieldText.trimmed();
    openDialog<TfrmIban>(owner, [&](TfrmIban& d) { d.setIban(text); });
}

}  // namespace vt
