#include "clients/logic/printclient.h"

#include "archive/codec.h"

namespace vt::cliprint {

QString title() {
    return QStringLiteral("SCHEDA ANAGRAFICA");
}
QString reportName() {
    return QStringLiteral("Scheda informativa");
}

QStringList captions() {
    return {
        QStringLiteral("Cognome e nome:"),
        QStringLiteral("Data di nascita:"),
        QStringLiteral("Comune di nascita:"),
        QStringLiteral("Sesso:"),
        QStringLiteral("Recapito preferenziale:"),
        QStringLiteral("Indirizzo di residenza:"),
        QStringLiteral("Comune di residenza:"),
        QStringLiteral("Modalit\u00E0 pagamento:"),
        QStringLiteral("Tel. casa:"),
        QStringLiteral("Tel. ufficio:"),
        QStringLiteral("Tel. cellulare:"),
        QStringLiteral("Fax:"),
        QStringLiteral("E-mail:"),
        QStringLiteral("Codice fiscale:"),
        QStringLiteral("Partita IVA:"),
        QStringLiteral("Carta di credito:"),
        QStringLiteral("IBAN:"),
        QStringLiteral("Estremi documento:"),
        QStringLiteral("Occupazione:"),
        QStringLiteral("Titoli e qualifiche:"),
        QStringLiteral("Prodotti e servizi:"),
        QStringLiteral("Zona di appartenenza:"),
        QStringLiteral("Questioni in sospeso:"),
        QStringLiteral("Note:"),
    };
}

QStringList values(const std::function<QString(const QString& control)>& text) {
    auto t = [&](const char* control) { return vt::trimmed(text(QString::fromLatin1(control))); };
    return {
        t("txtCliente"),
        t("txtDataNasc"),
        t("txtComuneNasc") + u' ' + t("txtProvNasc"),
        t("txtSesso"),
        t("txtRecapito"),
        t("txtIndirizzoRes"),
        t("txtComuneRes") + u' ' + t("txtProvRes"),
        t("txtEstremi"),
        t("txtTelCasa"),
        t("txtTelUff"),
        t("txtTelCel"),
        t("txtFax"),
        t("txtEmail"),
        t("txtCodFisc"),
        t("txtPartitaIva"),
        QStringLiteral("N. ") + t("txtCarta") + QStringLiteral("  -  Scadenza: ") +
            t("txtScadeCarta"),
        t("txtIban"),
        t("txtDocumento"),
        t("txtOccupazione"),
        t("txtTitoli"),
        t("txtProdotti"),
        t("txtZona"),
        t("txtQuestioni"),
        t("txtNote"),
    };
}

QString captionMemo(int row) {
    return QStringLiteral("titCampo%1").arg(row, 2, 10, QLatin1Char('0'));
}
QString valueMemo(int row) {
    return QStringLiteral("txtCampo%1").arg(row, 2, 10, QLatin1Char('0'));
}

QString pdfFileName() {
    return QStringLiteral("Cliente.pdf");
}

QString pdfDoneQuestion() {
    return QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con successo.") +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole aprire il file?");
}

QString pdfFailureMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di scrivere il file Cliente.pdf.") +
           QStringLiteral("\n\r\n\r") +
           QStringLiteral(
               "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
               "del "
               "programma e che il file non sia gi\u00E0 aperto.");
}

}  // namespace vt::cliprint
