#include "causali/logic/helppages.h"

#include <QStringList>

#include "causali/logic/exportcausali.h"

namespace vt {

HelpPage causaliHelpPage() {
    const QStringList paragraphs{
        QStringLiteral(
            "L'applicazione Archivio Causali \u00E8 studiata per archiviare le causali dei "
            "pagamenti in entrata e "
            "in uscita pi\u00F9 ricorrenti allo scopo di rendere pi\u00F9 veloce la registrazione "
            "dei movimenti "
            "importando i dati in fase di compilazione delle schede negli archivi annuali. E' "
            "quindi possibile "
            "sfruttare questo ambiente per memorizzare i pagamenti in dare o avere che si ripetono "
            "negli anni, "
            "cosicch\u00E9 quando si andr\u00E0 a registrare un movimento in un nuovo anno solare "
            "si potr\u00E0 "
            "compilare la scheda con pochi clic importando i dati dall'archivio delle causali."),
        QStringLiteral(
            "Ogni causale conserva il tipo di movimento (entrata o uscita), la descrizione della "
            "causale, il "
            "promemoria, l'importo in euro, i dati del pagatore (nome, recapito, codice fiscale, "
            "partita IVA, "
            "categoria, e-mail), la modalit\u00E0 di pagamento, i dati del beneficiario, le note e "
            "la tariffa "
            "applicata. Il pagatore e il beneficiario possono essere importati dall'archivio "
            "anagrafico dei "
            "pagatori e dei beneficiari con i pulsanti posti accanto ai rispettivi campi."),
        QStringLiteral("Per inserire una nuova scheda premere il pulsante Nuovo, compilare i campi "
                       "e premere il pulsante "
                       "Salva: la causale, il pagatore e il beneficiario sono obbligatori. Per "
                       "richiamare e aggiornare una "
                       "scheda esistente utilizzare il pulsante Trova oppure le frecce di "
                       "scorrimento, apportare le "
                       "modifiche e premere nuovamente Salva."),
        QStringLiteral("Il pulsante Duplica consente di creare una nuova scheda a partire da "
                       "quella visualizzata: i dati "
                       "vengono mantenuti e, dopo averli modificati, premendo Salva la nuova "
                       "scheda viene inserita in "
                       "archivio senza alterare quella di partenza."),
        QStringLiteral("Il pulsante Trova visualizza l'elenco di tutte le causali in archivio: "
                       "facendo doppio clic su una "
                       "riga la scheda corrispondente viene richiamata nella schermata, dove "
                       "potr\u00E0 essere modificata e "
                       "salvata con il pulsante Salva."),
        QStringLiteral("La singola scheda visualizzata pu\u00F2 essere stampata con il pulsante "
                       "Stampa, mentre l'intero "
                       "archivio delle causali pu\u00F2 essere esportato in un foglio di lavoro di "
                       "Microsoft Excel con il "
                       "pulsante Esporta."),
    };
    return {QStringLiteral("Applicazione Archivio Causali."), helpText(paragraphs)};
}

QList<HelpPage> causaliHelpPages() {
    return {causaliHelpPage(), expcau::definition().help};
}

}  // namespace vt
