#include "invoices/logic/helppages.h"

#include <QStringList>

namespace vt {

HelpPage invoiceImportHelpPage() {
    const QStringList paragraphs{
        QStringLiteral("L'importazione delle fatture elettroniche registra nel registro dei "
                       "movimenti i pagamenti "
                       "delle fatture ricevute ed emesse attraverso il Sistema di Interscambio, "
                       "con le relative "
                       "scadenze, senza doverli digitare di nuovo a mano."),
        QStringLiteral(
            "Si possono importare i file delle fatture cos\u00EC come vengono scaricati: file XML, "
            "file "
            "firmati digitalmente con estensione .p7m e archivi compressi .zip che contengono "
            "molte "
            "fatture. I file si scelgono con il pulsante Sfoglia, anche pi\u00F9 di uno alla "
            "volta, "
            "oppure si trascinano nella finestra. I file di metadati, le ricevute e le notifiche "
            "del "
            "Sistema di Interscambio e le copie in PDF contenuti negli archivi vengono ignorati."),
        QStringLiteral(
            "Per distinguere le fatture ricevute da quelle emesse \u00E8 necessario indicare la "
            "partita "
            "IVA o il codice fiscale dello studio: il programma li ricorda per le importazioni "
            "successive. Una fattura ricevuta diventa un pagamento in uscita, una fattura emessa "
            "un "
            "pagamento in entrata; una nota di credito il contrario. Le fatture in cui lo studio "
            "non "
            "compare n\u00E9 come cedente n\u00E9 come cessionario non vengono importate."),
        QStringLiteral(
            "Prima di registrare qualsiasi dato il programma mostra l'elenco dei pagamenti che "
            "verranno creati: per ciascuno il file, il tipo, il numero e la data del documento, la "
            "controparte, il tipo di movimento, l'importo, la scadenza, la modalit\u00E0 di "
            "pagamento, "
            "l'anno del registro e lo stato. La lettura dei file non modifica gli archivi."),
        QStringLiteral(
            "Ogni rata dei termini di pagamento diventa una scheda del registro dell'anno della "
            "fattura, con la causale composta dal tipo, dal numero e dalla data del documento. La "
            "data di scadenza \u00E8 quella indicata nella fattura; quando manca viene calcolata "
            "dai "
            "termini di pagamento oppure, in mancanza anche di questi, \u00E8 la data della "
            "fattura: "
            "nell'elenco queste scadenze sono segnalate. Le fatture senza termini di pagamento "
            "danno "
            "un solo pagamento pari al totale del documento."),
        QStringLiteral("Il campo dei giorni di preavviso indica quanti giorni prima della scadenza "
                       "i pagamenti "
                       "importati compariranno tra i pagamenti in scadenza."),
        QStringLiteral(
            "Premendo Importa vengono registrati soltanto i pagamenti nuovi. I pagamenti gi\u00E0 "
            "presenti in archivio non vengono registrati di nuovo, per cui importare due volte gli "
            "stessi file non aggiunge nulla. Chiudendo la finestra senza premere Importa non viene "
            "registrato nulla."),
        QStringLiteral(
            "Alla scheda di ciascun pagamento viene allegata una copia del file della fattura e, "
            "quando la fattura contiene un documento PDF, anche quest'ultimo. Le controparti che "
            "non sono ancora presenti nell'archivio dei pagatori e beneficiari vengono aggiunte "
            "automaticamente; le schede esistenti non vengono mai modificate."),
        QStringLiteral(
            "Al termine un messaggio riepiloga quanti pagamenti sono stati registrati e in quali "
            "anni, quante schede anagrafiche sono state create, quanti pagamenti erano gi\u00E0 "
            "presenti e quanti file non \u00E8 stato possibile importare. Il motivo per cui un "
            "file "
            "non pu\u00F2 essere importato \u00E8 indicato nella relativa riga dell'elenco."),
    };
    return {QStringLiteral("Importazione fatture elettroniche."), helpText(paragraphs)};
}

QList<HelpPage> invoicesHelpPages() {
    return {invoiceImportHelpPage()};
}

}  // namespace vt
