#include "balance/logic/helppages.h"

#include <QStringList>

namespace vt {

HelpPage balanceHelpPage() {
    const QStringList paragraphs{
        QStringLiteral(
            "L'applicazione Primanota e Bilancio consente di visualizzare e stampare il registro "
            "di "
            "primanota della propria azienda con l'estratto conto dei movimenti in dare e in avere "
            "registrati in ogni anno solare, mostrando il riepilogo delle operazioni, il totale "
            "degli "
            "incassi, il totale degli esborsi e il bilancio in attivo o passivo equivalente alla "
            "differenza fra entrate e uscite."),
        QStringLiteral(
            "Per ottenere il riepilogo \u00E8 sufficiente indicare l'anno solare, l'eventuale "
            "causale "
            "dei movimenti da considerare e le date di inizio e di fine dell'intervallo di tempo, "
            "scegliendo il giorno e il mese dagli elenchi a cascata, e premere il pulsante "
            "Visualizza "
            "riepilogo. Se non si indica nessuna causale, il riepilogo comprende tutti i movimenti "
            "in "
            "entrata e in uscita dell'intervallo."),
        QStringLiteral("Ogni riga dell'elenco riporta il tipo di movimento (entrata o uscita), la "
                       "causale, la data "
                       "dell'operazione, il pagatore, il beneficiario e l'importo con il suo "
                       "segno. In fondo alla "
                       "schermata sono riportati il totale delle entrate, il totale delle uscite e "
                       "il bilancio "
                       "fra entrate e uscite."),
        QStringLiteral("Il registro di primanota visualizzato, completo dell'intervallo "
                       "selezionato e dei totali, "
                       "pu\u00F2 essere stampato con il pulsante Stampa primanota."),
    };
    return {QStringLiteral("Applicazione Primanota e Bilancio."), helpText(paragraphs)};
}

QList<HelpPage> balanceHelpPages() {
    return {balanceHelpPage()};
}

}  // namespace vt
