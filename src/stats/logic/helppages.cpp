#include "stats/logic/helppages.h"

#include <QStringList>

namespace vt {

HelpPage statsHelpPage(StatsHelpFor where) {
    const QString balance = where == StatsHelpFor::Menu
                                ? QStringLiteral(" attivo o in passivo in base agli incassi")
                                : QStringLiteral(" attivo o passivo in base agli incassi");
    const QStringList paragraphs{
        QStringLiteral("L'applicazione Grafici Statistici si compone di tre ambienti che "
                       "permettono di visualizzare "
                       "in maniera grafica l'andamento mensile delle entrate, quello delle uscite "
                       "e, infine, il "
                       "bilancio annuale degli incassi e degli esborsi."),
        QStringLiteral(
            "I grafici delle entrate e delle uscite mensili possono essere visualizzati sotto "
            "forma di "
            "torta o di barre tridimensionali e mostrano l'importo delle entrate o delle uscite di "
            "ciascun mese, arrotondato all'euro, permettendo di riconoscere a colpo d'occhio i "
            "mesi "
            "chiusi in") +
            balance + QStringLiteral(" e agli esborsi registrati."),
        QStringLiteral("Per visualizzare un grafico \u00E8 sufficiente indicare l'anno solare di "
                       "riferimento nella "
                       "relativa sezione e premere il pulsante Visualizza: il grafico viene aperto "
                       "in una nuova "
                       "finestra."),
        QStringLiteral(
            "Il grafico delle entrate o delle uscite mensili \u00E8 composto da dodici barre, una "
            "per "
            "ciascun mese dell'anno. Per passare alla rappresentazione a torta premere il pulsante "
            "Visualizza grafico a torta; per tornare al grafico a barre premere il pulsante "
            "Visualizza "
            "grafico a barre."),
        QStringLiteral("Il grafico del bilancio annuale funziona allo stesso modo, ma \u00E8 "
                       "composto da due soli "
                       "elementi: il totale delle entrate e il totale delle uscite dell'anno."),
        QStringLiteral(
            "Il pulsante Stampa grafico consente di stampare il grafico visualizzato, completo dei "
            "relativi dati."),
    };
    return {QStringLiteral("Applicazione Grafici Statistici."), helpText(paragraphs)};
}

QList<HelpPage> statsHelpPages() {
    return {statsHelpPage(StatsHelpFor::Menu)};
}

}  // namespace vt
