#include "clients/logic/helppages.h"

#include <QStringList>

namespace vt {

HelpPage clientsCardHelpPage() {
    const QStringList paragraphs{
        QStringLiteral(
            "L'applicazione Pagatori e Beneficiari \u00E8 utile per velocizzare la compilazione "
            "delle "
            "schede dei movimenti economici in entrata e in uscita grazie alla possibilit\u00E0 di "
            "importare i dati, ma pu\u00F2 essere usata anche come una completa rubrica "
            "elettronica "
            "dotata di funzioni avanzate quali l'invio di e-mail, il controllo della validit\u00E0 "
            "del "
            "codice fiscale, della partita IVA, del numero di carta di credito e del codice IBAN."),
        QStringLiteral(
            "Ogni scheda dell'archivio anagrafico raccoglie il cognome e il nome o la ragione "
            "sociale, "
            "la data e il comune di nascita, la residenza, la modalit\u00E0 di pagamento "
            "preferita, i "
            "numeri di telefono e di fax, l'indirizzo e-mail, il recapito preferenziale, il codice "
            "fiscale, la partita IVA, il numero e la scadenza della carta di credito, l'IBAN, gli "
            "estremi di un documento di identit\u00E0, l'occupazione, lo stato civile, i titoli e "
            "le "
            "qualifiche, i prodotti o servizi di interesse e la zona di appartenenza."),
        QStringLiteral(
            "Per inserire una nuova scheda premere il pulsante Nuovo, compilare i campi desiderati "
            "(il "
            "solo campo obbligatorio \u00E8 il nome) e premere il pulsante Salva. Per modificare "
            "una "
            "scheda esistente visualizzarla con le frecce di scorrimento o con il pulsante Trova, "
            "apportare le modifiche e premere nuovamente Salva."),
        QStringLiteral("Nel campo Questioni in sospeso \u00E8 possibile annotare gli argomenti "
                       "ancora da definire "
                       "con il pagatore o beneficiario: spuntando la casella Da ricontattare la "
                       "scheda compare "
                       "nel riepilogo visualizzato dal pulsante Ricontatta."),
        QStringLiteral(
            "Il pulsante Duplica consente di registrare rapidamente schede con dati molto simili, "
            "per "
            "esempio quelle di familiari residenti allo stesso indirizzo: richiamare la scheda "
            "esistente, premere Duplica, modificare i dati che cambiano e premere Salva."),
        QStringLiteral(
            "Il pulsante Trova consente di ricercare le schede in archivio utilizzando uno o "
            "pi\u00F9 "
            "filtri contemporaneamente (zona di appartenenza, prodotti o servizi di interesse, "
            "questioni in sospeso, una parola contenuta nelle note)."),
        QStringLiteral(
            "Con il pulsante Allega file \u00E8 possibile allegare a ogni scheda fino a tre file "
            "di "
            "qualsiasi tipo (documenti, immagini, fogli di calcolo, ecc.), ciascuno con la propria "
            "descrizione; i file allegati si aprono con il pulsante Apri."),
        QStringLiteral(
            "I pulsanti posti accanto ai campi del codice fiscale, del numero di carta di credito, "
            "dell'IBAN e della partita IVA ne controllano la validit\u00E0; per una partita IVA "
            "valida "
            "viene indicato anche l'ufficio provinciale che l'ha rilasciata. Il pulsante accanto "
            "al "
            "campo E-mail avvia il programma di posta elettronica con l'indirizzo gi\u00E0 "
            "compilato. "
            "La scheda corrente pu\u00F2 essere visualizzata in anteprima, stampata o salvata in "
            "formato "
            "PDF, e l'intero archivio pu\u00F2 essere esportato in un file di Microsoft Excel."),
    };
    return {QStringLiteral("Applicazione Pagatori e Beneficiari."), helpText(paragraphs)};
}

QList<HelpPage> clientsHelpPages() {
    return {clientsCardHelpPage()};
}

}  // namespace vt
