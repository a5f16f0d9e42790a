#include "causali/logic/printcard.h"

namespace vt::cauprint {

namespace {
report::CardSheet makeSheet() {
    report::CardSheet s;
    s.name = QStringLiteral("Scheda Causale");
    s.title = QStringLiteral("SCHEDA INFORMATIVA CAUSALE MOVIMENTO");
    s.footerTop = 83;
    s.rows = {
        {QStringLiteral("Tipo movimento:"), QStringLiteral("txtTipo"), QStringLiteral("optEntrata"),
         QStringLiteral("Entrata"), QStringLiteral("Uscita")},
        {QStringLiteral("Causale:"), QStringLiteral("txtCausale"), QStringLiteral("txtCausale")},
        {QStringLiteral("Promemoria:"), QStringLiteral("txtPromemoria"),
         QStringLiteral("txtPromemoria")},
        {QStringLiteral("Importo in euro:"), QStringLiteral("txtImporto"),
         QStringLiteral("txtImporto")},
        {QStringLiteral("Pagatore:"), QStringLiteral("txtPagatore"), QStringLiteral("txtPagatore")},
        {QStringLiteral("Recapito:"), QStringLiteral("txtRecapitoPag"),
         QStringLiteral("txtRecapitoPag")},
        {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFisc"),
         QStringLiteral("txtCodFisc")},
        {QStringLiteral("Partita IVA:"), QStringLiteral("txtPartitaIva"),
         QStringLiteral("txtPartitaIva")},
        {QStringLiteral("Categoria:"), QStringLiteral("txtCategoria"),
         QStringLiteral("txtCategoria")},
        {QStringLiteral("E-mail:"), QStringLiteral("txtEmail"), QStringLiteral("txtEmail")},
        {QStringLiteral("Modalit\u00E0 pagamento:"), QStringLiteral("txtPagamento"),
         QStringLiteral("txtPagamento")},
        {QStringLiteral("Beneficiario:"), QStringLiteral("txtBeneficiario"),
         QStringLiteral("txtBeneficiario")},
        {QStringLiteral("Recapito:"), QStringLiteral("txtRecapitoBen"),
         QStringLiteral("txtRecapitoBen")},
        {QStringLiteral("Tariffa applicata:"), QStringLiteral("txtTariffa"),
         QStringLiteral("txtTariffa")},
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), QStringLiteral("txtNote")},
    };
    return s;
}
}  // namespace

const report::CardSheet& sheet() {
    static const report::CardSheet s = makeSheet();
    return s;
}

}  // namespace vt::cauprint
