#include "unpaid/logic/helppages.h"

namespace vt {

HelpPage unpaidMenuHelpPage() {
    return {
        QStringLiteral("Applicazione Pagamenti Insoluti."),
        helpText({
            QStringLiteral(
                "L'applicazione Pagamenti Insoluti \u00E8 studiata per visualizzare i riepiloghi "
                "dei pagamenti "
                "scaduti e non saldati relativamente alle entrate, alle uscite o ad entrambe le "
                "tipologie di "
                "movimento. Questa funzione risulta indispensabile per disporre in tempo reale di "
                "un elenco "
                "completo dei propri debitori a cui inviare un sollecito di pagamento, oppure per "
                "controllare "
                "che la propria ditta non sia in difetto con i propri creditori o con il fisco."),
            QStringLiteral("Per ogni anno solare \u00E8 possibile visualizzare i movimenti "
                           "insoluti ed esportarli in un "
                           "foglio di lavoro che potr\u00E0 essere aperto con qualsiasi software "
                           "in grado di gestire i "
                           "file in formato XLS."),
            QStringLiteral("Per esportare un riepilogo \u00E8 sufficiente indicare l'anno, aprire "
                           "l'elenco desiderato con "
                           "il pulsante Visualizza e fare clic sull'icona di Excel: rispondendo "
                           "affermativamente alla "
                           "domanda successiva il file verr\u00E0 aperto e potr\u00E0 essere "
                           "salvato con il nome che si "
                           "preferisce."),
        })};
}

HelpPage unpaidListHelpPage() {
    return {
        QStringLiteral("Riepilogo pagamenti insoluti."),
        helpText({
            QStringLiteral("E' possibile visualizzare tutti i movimenti in entrata e in uscita "
                           "insoluti registrati in un "
                           "anno solare ed esportare il riepilogo in un foglio di lavoro di "
                           "Microsoft Excel, che potr\u00E0 "
                           "essere aperto con qualsiasi software in grado di gestire i file in "
                           "formato XLS (ad esempio, "
                           "con Open Office, Libre Office o Microsoft Office)."),
            QStringLiteral("Facendo clic sull'icona di Excel il file viene creato immediatamente e "
                           "potr\u00E0 essere "
                           "aperto subito rispondendo affermativamente alla domanda successiva."),
            QStringLiteral("Una volta aperto, il file potr\u00E0 essere salvato con il nome che si "
                           "preferisce."),
        })};
}

QList<HelpPage> unpaidHelpPages() {
    return {unpaidMenuHelpPage(), unpaidListHelpPage()};
}

}  // namespace vt
