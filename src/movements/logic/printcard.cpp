#include "movements/logic/printcard.h"

namespace vt::movprint {

namespace {
report::CardSheet makeSheet() {
    report::CardSheet s;
    s.name = QStringLiteral("Scheda movimento");
    s.title = QStringLiteral("SCHEDA INFORMATIVA MOVIMENTO");
    s.footerTop = 109;
    s.rows = {
        {QStringLiteral("Tipo movimento:"), QStringLiteral("txtTipo"), QStringLiteral("optEntrata"),
         QStringLiteral("Entrata"), QStringLiteral("Uscita")},
        {QStringLiteral("Data operazione:"), QStringLiteral("txtData"), QStringLiteral("txtData")},
        {QStringLiteral("Causale:"), QStringLiteral("txtCausale"), QStringLiteral("txtCausale")},
        {QStringLiteral("Promemoria:"), QStringLiteral("txtPromemoria"), QStringLiteral("txtPromemoria")},
        {QStringLiteral("Data scadenza:"), QStringLiteral("txtDataSca"), QStringLiteral("txtDataSca")},
        {QStringLiteral("Giorni preavviso:"), QStringLiteral("txtPreavviso"), QStringLiteral("txtPreavviso")},
        {QStringLiteral("Importo in euro:"), QStringLiteral("txtImporto"), QStringLiteral("txtImporto")},
        {QStringLiteral("Pagatore:"), QStringLiteral("txtPagatore"), QStringLiteral("txtPagatore")},
        {QStringLiteral("Recapito:"), QStringLiteral("txtRecapitoPag"), QStringLiteral("txtRecapitoPag")},
        {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFisc"), QStringLiteral("txtCodFisc")},
        {QStringLiteral("Partita IVA:"), QStringLiteral("txtPartitaIva"), QStringLiteral("txtPartitaIva")},
        {QStringLiteral("Categoria:"), QStringLiteral("txtCategoria"), QStringLiteral("txtCategoria")},
        {QStringLiteral("E-mail:"), QStringLiteral("txtEmail"), QStringLiteral("txtEmail")},
        {QStringLiteral("Modalit\u00E0 pagamento:"), QStringLiteral("txtPagamento"), QStringLiteral("txtPagamento")},
        {QStringLiteral("Beneficiario:"), QStringLiteral("txtBeneficiario"), QStringLiteral("txtBeneficiario")},
        {QStringLiteral("Recapito:"), QStringLiteral("txtRecapitoBen"), QStringLiteral("txtRecapitoBen")},
        {QStringLiteral("CRO / Ricevuta n."), QStringLiteral("txtRicevuta"), QStringLiteral("txtRicevuta")},
        {QStringLiteral("Tariffa applicata:"), QStringLiteral("txtTariffa"), QStringLiteral("txtTariffa")},
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), QStringLiteral("txtNote")},
        {QStringLiteral("Saldato:"), QStringLiteral("txtSaldato"), QStringLiteral("chkSaldato"),
         QStringLiteral("S\u00EC"), QStringLiteral("No")},
    };
    return s;
}
}  // namespace

const report::CardSheet& sheet() {
    static const report::CardSheet s = makeSheet();
    return s;
}

}  // namespace vt::movprint
