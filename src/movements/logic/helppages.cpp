#include "movements/logic/helppages.h"

#include "movements/logic/exportmovements.h"

#include <QStringList>

namespace vt {

HelpPage movementsRegisterHelpPage() {
    const QStringList paragraphs{
        QStringLiteral("L'applicazione Registro Movimenti \u00E8 l'ambiente in cui bisogna annotare tutte le "
                       "operazioni relative ai pagamenti in dare e in avere che confluiranno nel registro di "
                       "primanota della propria azienda."),
        QStringLiteral("Per accedere al registro \u00E8 necessario indicare l'anno solare di riferimento nella "
                       "schermata di selezione dell'anno e premere il pulsante Apri: ogni anno dispone di un "
                       "proprio archivio dei movimenti."),
        QStringLiteral("Per registrare un nuovo movimento premere il pulsante Nuovo, scegliere se si tratta di un "
                       "pagamento in entrata o in uscita spuntando la casella Entrata o Uscita e digitare "
                       "l'importo in euro. La data dell'operazione \u00E8 impostata automaticamente sulla data "
                       "odierna, ma pu\u00F2 essere cambiata scegliendone un'altra dal calendario."),
        QStringLiteral("Nel campo Causale va indicato il motivo del pagamento e nel campo Promemoria gli eventuali "
                       "dettagli aggiuntivi. Una causale gi\u00E0 registrata nell'archivio delle causali pu\u00F2 "
                       "essere importata premendo il pulsante posto a destra del campo Causale e facendo doppio "
                       "clic sulla causale desiderata."),
        QStringLiteral("Per registrare un movimento simile a uno gi\u00E0 registrato nello stesso anno \u00E8 "
                       "possibile richiamare la scheda esistente e premere il pulsante Duplica al posto del "
                       "pulsante Nuovo: i dati della scheda vengono mantenuti e sar\u00E0 sufficiente modificare "
                       "quelli che cambiano."),
        QStringLiteral("La data di scadenza del pagamento, insieme al numero di giorni di preavviso, consente al "
                       "programma di segnalare per tempo i pagamenti in scadenza o scaduti nei riepiloghi dei "
                       "pagamenti in scadenza e dei pagamenti insoluti."),
        QStringLiteral("I nomi del pagatore e del beneficiario possono essere digitati direttamente oppure "
                       "richiamati dall'archivio anagrafico dei pagatori e dei beneficiari con i pulsanti posti "
                       "accanto ai rispettivi campi. I pulsanti accanto al codice fiscale e alla partita IVA "
                       "consentono di verificarne la correttezza."),
        QStringLiteral("Alla scheda \u00E8 possibile allegare fino a tre file di qualsiasi tipo (documenti, "
                       "immagini, fogli di calcolo, ecc.) con il pulsante Allega file."),
        QStringLiteral("Al termine dell'inserimento dei dati premere il pulsante Salva per memorizzare la scheda "
                       "in archivio."),
        QStringLiteral("Quando un pagamento viene saldato \u00E8 sufficiente richiamare la relativa scheda con il "
                       "pulsante Trova o con le frecce di scorrimento, spuntare la casella Saldato e premere "
                       "nuovamente il pulsante Salva."),
        QStringLiteral("Il pulsante Trova consente di ricercare le schede in archivio utilizzando "
                       "contemporaneamente pi\u00F9 filtri di ricerca (date, causale, promemoria, pagatore, "
                       "beneficiario, ecc.)."),
        QStringLiteral("Il pulsante con l'orologio visualizza il riepilogo dei pagamenti in scadenza o scaduti e "
                       "non ancora saldati: facendo doppio clic su una riga dell'elenco, la scheda corrispondente "
                       "viene richiamata nella schermata del registro."),
        QStringLiteral("La scheda corrente pu\u00F2 essere stampata con il pulsante Stampa, mentre il pulsante "
                       "Esporta consente di esportare tutte le schede dell'anno in un file di Microsoft Excel."),
    };
    return {QStringLiteral("Applicazione Registro Movimenti."), helpText(paragraphs)};
}

QList<HelpPage> movementsHelpPages() { return {movementsRegisterHelpPage(), expmov::definition().help}; }

}  // namespace vt
