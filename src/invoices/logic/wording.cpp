#include "invoices/logic/wording.h"

#include <QPair>
#include <QStringList>

namespace vt::invoices::wording {

namespace {

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

QString megabytes(qint64 bytes) {
    return QString::number(bytes / (1024 * 1024));
}

}  // namespace

QList<ControlHint> hoverHints() {
    return {
        {"cmdSfoglia",
         QStringLiteral(
             "Sceglie i file delle fatture elettroniche da importare (.xml, .p7m, .zip).")},
        {"txtPartitaIva", QStringLiteral("Partita IVA dello studio: serve a distinguere le fatture "
                                         "ricevute da quelle emesse.")},
        {"txtCodFisc", QStringLiteral("Codice fiscale dello studio: serve a distinguere le fatture "
                                      "ricevute da quelle emesse.")},
        {"txtPreavviso",
         QStringLiteral(
             "Numero di giorni di preavviso da assegnare alle scadenze dei pagamenti importati.")},
        {"cmdAnteprima",
         QStringLiteral("Legge i file scelti e mostra i pagamenti che verranno registrati.")},
        {"grdAnteprima",
         QStringLiteral(
             "Elenco dei pagamenti contenuti nei file scelti, con lo stato di ciascuno.")},
        {"cmdImporta", QStringLiteral("Registra in archivio i pagamenti nuovi dell'elenco.")},
        {"cmdAnnulla", QStringLiteral("Interrompe la lettura dei file o l'importazione in corso.")},
        {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {"cmdEsci", QStringLiteral("Chiude la finestra senza registrare altri pagamenti.")},
    };
}

QList<QString> columnHeaders() {
    return {QStringLiteral("File"),
            QStringLiteral("Documento"),
            QStringLiteral("Numero"),
            QStringLiteral("Data"),
            QStringLiteral("Controparte"),
            QStringLiteral("Movimento"),
            QStringLiteral("Importo"),
            QStringLiteral("Scadenza"),
            QStringLiteral("Modalit\u00E0 pagamento"),
            QStringLiteral("Anno"),
            QStringLiteral("Stato")};
}

// ---- Reading the files ------------------------------------------------------

QString fileMissing() {
    return QStringLiteral("Il file non esiste.");
}
QString notAFile() {
    return QStringLiteral("Non \u00E8 un file ma una cartella.");
}
QString unreadable() {
    return QStringLiteral(
        "Il file non pu\u00F2 essere letto: accertarsi di possedere i privilegi di lettura.");
}
QString tooLarge(qint64 limitBytes) {
    return QStringLiteral(
               "Il file supera la dimensione massima di %1 MB prevista per una fattura "
               "elettronica.")
        .arg(megabytes(limitBytes));
}
QString notXml() {
    return QStringLiteral("Il file non \u00E8 un documento XML.");
}
QString truncated() {
    return QStringLiteral("Il documento XML \u00E8 incompleto: il file risulta troncato.");
}
QString malformed(qint64 line) {
    return QStringLiteral("Il documento XML non \u00E8 valido (errore alla riga %1).").arg(line);
}
QString forbiddenDtd() {
    return QStringLiteral(
        "Il documento contiene una dichiarazione DTD, che una fattura elettronica non prevede.");
}
QString otherKind(const QString& rootName) {
    return QStringLiteral(
               "Il documento XML non \u00E8 una fattura elettronica (elemento principale %1).")
        .arg(rootName);
}
QString simplified() {
    return QStringLiteral(
        "La fattura elettronica semplificata non contiene i termini di pagamento e non pu\u00F2 "
        "essere "
        "importata.");
}
QString noBody() {
    return QStringLiteral("La fattura elettronica non contiene nessun documento.");
}
QString notSigned() {
    return QStringLiteral("Il file firmato non contiene una busta di firma digitale valida (CMS).");
}
QString zipDamaged() {
    return QStringLiteral(
        "L'archivio compresso \u00E8 danneggiato oppure non \u00E8 in formato zip.");
}
QString zipTooManyFiles(qint64 limit) {
    return QStringLiteral("L'archivio compresso contiene pi\u00F9 di %1 file.").arg(limit);
}
QString zipTooLarge(qint64 limitBytes) {
    return QStringLiteral(
               "Una volta estratto, il contenuto dell'archivio compresso supererebbe %1 MB.")
        .arg(megabytes(limitBytes));
}
QString zipEmpty() {
    return QStringLiteral("L'archivio compresso non contiene nessun file.");
}
QString entryDamaged() {
    return QStringLiteral(
        "Il file non pu\u00F2 essere estratto dall'archivio compresso, che risulta danneggiato.");
}
QString entryEncrypted() {
    return QStringLiteral("Il file \u00E8 protetto da password e non pu\u00F2 essere estratto.");
}

QString skippedExchangeMessage(const QString& code) {
    const QString c = code.toUpper();
    if (c == QLatin1String("MT"))
        return QStringLiteral("File di metadati del Sistema di Interscambio.");
    if (c == QLatin1String("RC"))
        return QStringLiteral("Ricevuta di consegna del Sistema di Interscambio.");
    if (c == QLatin1String("NS"))
        return QStringLiteral("Notifica di scarto del Sistema di Interscambio.");
    if (c == QLatin1String("MC"))
        return QStringLiteral("Notifica di mancata consegna del Sistema di Interscambio.");
    if (c == QLatin1String("NE"))
        return QStringLiteral("Notifica di esito del Sistema di Interscambio.");
    if (c == QLatin1String("DT"))
        return QStringLiteral("Notifica di decorrenza dei termini del Sistema di Interscambio.");
    if (c == QLatin1String("AT"))
        return QStringLiteral("Attestazione di avvenuta trasmissione del Sistema di Interscambio.");
    return QStringLiteral("Ricevuta o notifica del Sistema di Interscambio.");
}
QString skippedPdf() {
    return QStringLiteral("Documento PDF: non \u00E8 una fattura elettronica.");
}
QString skippedNestedZip() {
    return QStringLiteral(
        "Archivio compresso contenuto nell'archivio: estrarlo e importarlo a parte.");
}
QString skippedOther() {
    return QStringLiteral("Non \u00E8 una fattura elettronica.");
}
QString skippedNotInvoice() {
    return QStringLiteral("Documento XML che non \u00E8 una fattura elettronica.");
}

// ---- The invoice's contents -------------------------------------------------

QString missingNumber() {
    return QStringLiteral("Manca il numero della fattura (Numero).");
}
QString missingDate() {
    return QStringLiteral("Manca la data della fattura (Data).");
}
QString impossibleDate(const QString& what, const QString& text) {
    return QStringLiteral("La data %1 %2 non esiste.").arg(what, quoted(text));
}
QString missingPaymentAmount(int instalment, int instalments) {
    if (instalments > 1)
        return QStringLiteral("Manca l'importo della rata %1 di %2 (ImportoPagamento).")
            .arg(instalment)
            .arg(instalments);
    return QStringLiteral("Manca l'importo del pagamento (ImportoPagamento).");
}
QString amountNotNumber(const QString& text) {
    return QStringLiteral("L'importo %1 non \u00E8 un numero.").arg(quoted(text));
}
QString daysNotNumber(const QString& text) {
    return QStringLiteral("I giorni dei termini di pagamento %1 non sono un numero da 0 a 999.")
        .arg(quoted(text));
}
QString foreignCurrency(const QString& code) {
    return QStringLiteral("Importi in valuta %1: il registro accetta soltanto importi in euro.")
        .arg(code);
}
QString noAmountAtAll() {
    return QStringLiteral(
        "La fattura non indica n\u00E9 i pagamenti, n\u00E9 il totale del documento, n\u00E9 il "
        "riepilogo "
        "IVA.");
}
QString officeNeitherParty() {
    return QStringLiteral(
        "La partita IVA e il codice fiscale dello studio non compaiono n\u00E9 tra i dati del "
        "cedente "
        "n\u00E9 tra quelli del cessionario.");
}
QString officeBothParties() {
    return QStringLiteral(
        "Lo studio figura sia come cedente sia come cessionario: il documento non comporta un "
        "pagamento.");
}
QString vatOnlyDocument(const QString& type) {
    return QStringLiteral(
               "Documento %1 emesso ai soli fini IVA (integrazione, autofattura o comunicazione): "
               "non "
               "comporta un pagamento alla controparte.")
        .arg(type);
}
QString yearFileUnreadable(const QString& year) {
    return QStringLiteral("L'archivio dei movimenti dell'anno %1 non \u00E8 accessibile.")
        .arg(year);
}
QString registryUnreadable() {
    return QStringLiteral(
        "L'archivio anagrafico dei pagatori e beneficiari non \u00E8 accessibile.");
}

// ---- The document's own words ------------------------------------------------

QString documentWord(const QString& tipoDocumento) {
    static const QList<QPair<QString, QString>> words{
        {QStringLiteral("TD01"), QStringLiteral("Fattura")},
        {QStringLiteral("TD02"), QStringLiteral("Acconto su fattura")},
        {QStringLiteral("TD03"), QStringLiteral("Acconto su parcella")},
        {QStringLiteral("TD04"), QStringLiteral("Nota di credito")},
        {QStringLiteral("TD05"), QStringLiteral("Nota di debito")},
        {QStringLiteral("TD06"), QStringLiteral("Parcella")},
        {QStringLiteral("TD16"), QStringLiteral("Integrazione fattura reverse charge interno")},
        {QStringLiteral("TD17"),
         QStringLiteral("Integrazione per acquisto di servizi dall'estero")},
        {QStringLiteral("TD18"),
         QStringLiteral("Integrazione per acquisto di beni intracomunitari")},
        {QStringLiteral("TD19"), QStringLiteral("Integrazione per acquisto di beni")},
        {QStringLiteral("TD20"), QStringLiteral("Autofattura")},
        {QStringLiteral("TD21"), QStringLiteral("Autofattura per splafonamento")},
        {QStringLiteral("TD22"), QStringLiteral("Estrazione di beni da deposito IVA")},
        {QStringLiteral("TD23"), QStringLiteral("Estrazione di beni da deposito IVA")},
        {QStringLiteral("TD24"), QStringLiteral("Fattura differita")},
        {QStringLiteral("TD25"), QStringLiteral("Fattura differita")},
        {QStringLiteral("TD26"), QStringLiteral("Fattura per cessione di beni ammortizzabili")},
        {QStringLiteral("TD27"), QStringLiteral("Fattura per autoconsumo")},
        {QStringLiteral("TD28"), QStringLiteral("Acquisto da San Marino")},
        {QStringLiteral("TD29"), QStringLiteral("Comunicazione di omessa fatturazione")},
    };
    const QString code = tipoDocumento.trimmed().toUpper();
    for (const auto& w : words)
        if (w.first == code) return w.second;
    return QStringLiteral("Documento");
}

QString methodWords(const QString& modalita) {
    static const QList<QPair<QString, QString>> words{
        {QStringLiteral("MP01"), QStringLiteral("Contanti")},
        {QStringLiteral("MP02"), QStringLiteral("Assegno")},
        {QStringLiteral("MP03"), QStringLiteral("Assegno circolare")},
        {QStringLiteral("MP04"), QStringLiteral("Contanti presso Tesoreria")},
        {QStringLiteral("MP05"), QStringLiteral("Bonifico")},
        {QStringLiteral("MP06"), QStringLiteral("Vaglia cambiario")},
        {QStringLiteral("MP07"), QStringLiteral("Bollettino bancario")},
        {QStringLiteral("MP08"), QStringLiteral("Carta di pagamento")},
        {QStringLiteral("MP09"), QStringLiteral("RID")},
        {QStringLiteral("MP10"), QStringLiteral("RID utenze")},
        {QStringLiteral("MP11"), QStringLiteral("RID veloce")},
        {QStringLiteral("MP12"), QStringLiteral("RIBA")},
        {QStringLiteral("MP13"), QStringLiteral("MAV")},
        {QStringLiteral("MP14"), QStringLiteral("Quietanza erario")},
        {QStringLiteral("MP15"), QStringLiteral("Giroconto su conti di contabilit\u00E0 speciale")},
        {QStringLiteral("MP16"), QStringLiteral("Domiciliazione bancaria")},
        {QStringLiteral("MP17"), QStringLiteral("Domiciliazione postale")},
        {QStringLiteral("MP18"), QStringLiteral("Bollettino di c/c postale")},
        {QStringLiteral("MP19"), QStringLiteral("SEPA Direct Debit")},
        {QStringLiteral("MP20"), QStringLiteral("SEPA Direct Debit CORE")},
        {QStringLiteral("MP21"), QStringLiteral("SEPA Direct Debit B2B")},
        {QStringLiteral("MP22"), QStringLiteral("Trattenuta su somme gi\u00E0 riscosse")},
        {QStringLiteral("MP23"), QStringLiteral("PagoPA")},
    };
    const QString code = modalita.trimmed().toUpper();
    for (const auto& w : words)
        if (w.first == code) return w.second;
    return modalita.trimmed();
}

// ---- Checks of the window's fields ------------------------------------------

QString officeMissing() {
    return QStringLiteral(
        "Attenzione: per distinguere le fatture ricevute da quelle emesse \u00E8 necessario "
        "indicare la "
        "partita IVA o il codice fiscale dello studio.");
}
QString vatNumberLength() {
    return QStringLiteral(
        "Attenzione: la partita IVA dello studio deve essere composta da 11 caratteri numerici.");
}
QString vatNumberWrong() {
    return QStringLiteral("Attenzione: il numero di partita IVA dello studio risulta ERRATO.");
}
QString fiscalCodeLength() {
    return QStringLiteral(
        "Attenzione: il codice fiscale dello studio deve essere composto da 16 caratteri "
        "alfanumerici "
        "oppure da 11 cifre.");
}
QString fiscalCodeWrong() {
    return QStringLiteral("Attenzione: il codice fiscale dello studio risulta ERRATO.");
}
QString noticeMissing() {
    return QStringLiteral(
        "Attenzione: per importare le fatture \u00E8 necessario indicare il numero di giorni di "
        "preavviso "
        "della scadenza dei pagamenti.");
}
QString noFiles() {
    return QStringLiteral(
        "Attenzione: scegliere almeno un file di fatture elettroniche da importare.");
}

// ---- The summary after importing -------------------------------------------

QString summaryDone() {
    return QStringLiteral("L'importazione delle fatture elettroniche \u00E8 terminata.");
}
QString summaryStopped() {
    return QStringLiteral("L'importazione delle fatture elettroniche \u00E8 stata interrotta.");
}
QString summaryCancelled() {
    return QStringLiteral("L'importazione delle fatture elettroniche \u00E8 stata annullata.");
}

QString summaryWritten(const QList<QPair<QString, int>>& perYear) {
    int total = 0;
    for (const auto& y : perYear) total += y.second;
    if (total == 0) return QStringLiteral("Non \u00E8 stato registrato nessun pagamento.");
    QStringList parts;
    for (const auto& y : perYear)
        parts << QStringLiteral("%1 nell'archivio dell'anno %2").arg(y.second).arg(y.first);
    QString where;
    if (parts.size() == 1) {
        where = parts.front();
    } else {
        const QString last = parts.takeLast();
        where = parts.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
    }
    if (total == 1)
        return QStringLiteral("\u00C8 stato registrato 1 pagamento nell'archivio dell'anno %1.")
            .arg(perYear.front().first);
    if (perYear.size() == 1)
        return QStringLiteral("Sono stati registrati %1 pagamenti nell'archivio dell'anno %2.")
            .arg(total)
            .arg(perYear.front().first);
    return QStringLiteral("Sono stati registrati %1 pagamenti: %2.").arg(total).arg(where);
}

QString summaryCards(int created) {
    if (created == 0)
        return QStringLiteral(
            "Non \u00E8 stata creata nessuna nuova scheda nell'archivio anagrafico.");
    if (created == 1)
        return QStringLiteral("\u00C8 stata creata 1 nuova scheda nell'archivio anagrafico.");
    return QStringLiteral("Sono state create %1 nuove schede nell'archivio anagrafico.")
        .arg(created);
}

QString summaryPresent(int present) {
    if (present == 0) return QStringLiteral("Nessun pagamento era gi\u00E0 presente in archivio.");
    if (present == 1)
        return QStringLiteral(
            "1 pagamento era gi\u00E0 presente in archivio e non \u00E8 stato registrato di "
            "nuovo.");
    return QStringLiteral(
               "%1 pagamenti erano gi\u00E0 presenti in archivio e non sono stati registrati di "
               "nuovo.")
        .arg(present);
}

QString summaryRepeated(int repeated) {
    if (repeated == 1)
        return QStringLiteral(
            "1 pagamento era ripetuto tra i file scelti ed \u00E8 stato considerato una volta "
            "sola.");
    return QStringLiteral(
               "%1 pagamenti erano ripetuti tra i file scelti e sono stati considerati una volta "
               "sola.")
        .arg(repeated);
}

QString summaryFailedFiles(int files) {
    if (files == 0) return QStringLiteral("Tutti i file scelti sono stati letti.");
    if (files == 1)
        return QStringLiteral(
            "1 file non \u00E8 stato importato: il motivo \u00E8 indicato nell'elenco.");
    return QStringLiteral("%1 file non sono stati importati: i motivi sono indicati nell'elenco.")
        .arg(files);
}

QString summaryStoppedAt(const QString& fileName) {
    return QStringLiteral("L'importazione si \u00E8 fermata all'archivio %1.").arg(fileName);
}

QString copyFailed(const QString& fileName) {
    return QStringLiteral(
               "Attenzione: non \u00E8 stato possibile salvare il file %1 nella cartella dei "
               "documenti "
               "allegati.")
               .arg(fileName) +
           kMessageBreak +
           QStringLiteral(
               "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
               "del "
               "programma.");
}

}  // namespace vt::invoices::wording
