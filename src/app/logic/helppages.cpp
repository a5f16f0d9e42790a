#include "app/logic/helppages.h"

#include "app/logic/password.h"

namespace vt {

HelpPage mainMenuHelpPage() {
    const QStringList paragraphs{
        QStringLiteral("Vantresa 4.0 è un software facile e intuitivo per contabilizzare i movimenti di denaro in dare e avere, tenere un registro di primanota con calcolo del bilancio in attivo o passivo, controllare la situazione dei pagamenti insoluti e generare grafici statistici tridimensionali degli incassi ed esborsi."),
        // Payers and beneficiaries.
        QStringLiteral("L'applicazione Pagatori e Beneficiari raccoglie le persone e le aziende con cui si hanno rapporti di denaro: i loro dati possono essere importati con un clic nelle schede dei movimenti e delle causali. L'archivio funziona anche come una vera rubrica, da cui inviare messaggi di posta elettronica e controllare codice fiscale, partita IVA, numero della carta di credito e IBAN."),
        QStringLiteral("Ogni scheda dell'anagrafica può contenere i dati personali, l'indirizzo di residenza, i numeri di telefono e di fax, l'indirizzo e-mail, il mezzo di contatto preferito, il codice fiscale e la partita IVA, la carta di credito e l'IBAN, il documento di identità, la professione, lo stato civile, i titoli, i prodotti di interesse e la zona di appartenenza."),
        QStringLiteral("Per inserire una nuova scheda premi Nuovo, compila i campi e premi Salva. Per modificare una scheda esistente richiamala scorrendo l'archivio con i pulsanti a freccia oppure con la ricerca, cambia i dati e premi di nuovo Salva."),
        QStringLiteral("Le questioni in sospeso con una persona possono essere annotate nella scheda: spuntando la casella Da ricontattare la persona entra nel riepilogo delle persone da ricontattare, un elenco sempre pronto per non dimenticare nessuna telefonata."),
        QStringLiteral("Il pulsante Duplica crea una nuova scheda partendo da quella visualizzata: è comodo per inserire schede simili, per esempio i componenti di una stessa famiglia che abitano allo stesso indirizzo."),
        QStringLiteral("La ricerca nell'anagrafica permette di combinare più filtri contemporaneamente, come il nome, la città, la zona o la professione, e mostra l'elenco delle schede che li soddisfano tutti."),
        QStringLiteral("A ogni scheda dell'anagrafica si possono allegare fino a tre file, per esempio contratti o documenti scansionati, ciascuno con una breve descrizione; il pulsante Apri li visualizza con il programma predefinito del computer."),
        QStringLiteral("I pulsanti di controllo verificano la validità del codice fiscale, della partita IVA, del numero della carta di credito e dell'IBAN; per una partita IVA valida viene indicato anche l'ufficio provinciale che l'ha rilasciata. Il pulsante della posta elettronica apre il programma di posta con un nuovo messaggio già indirizzato."),
        QStringLiteral("La scheda corrente dell'anagrafica può essere vista in anteprima, stampata o salvata in formato PDF, e l'intero archivio dei pagatori e beneficiari può essere esportato in Microsoft Excel."),
        // Causali.
        QStringLiteral("L'applicazione Archivio Causali conserva i pagamenti che si ripetono, come l'affitto, le utenze o gli stipendi: una causale compila in un attimo la scheda di un movimento, in qualunque anno."),
        QStringLiteral("Una causale contiene la descrizione del pagamento, la direzione in entrata o in uscita, l'importo, il promemoria e i dati del pagamento; il pagatore e il beneficiario si importano direttamente dall'anagrafica."),
        QStringLiteral("Per inserire una causale premi Nuovo, compila i campi e premi Salva; per aggiornarla richiamala, modificala e salva di nuovo. I campi obbligatori vengono segnalati se mancano, e i pulsanti a freccia permettono di scorrere l'archivio scheda per scheda."),
        QStringLiteral("Il pulsante Duplica crea una nuova causale partendo da quella visualizzata, utile quando più causali differiscono solo per qualche dato."),
        QStringLiteral("Il pulsante Trova elenca tutte le causali dell'archivio: con un doppio clic sulla riga desiderata la causale viene caricata nella scheda."),
        QStringLiteral("La scheda della causale corrente può essere stampata, e l'intero archivio delle causali può essere esportato in Microsoft Excel."),
        // Movements register.
        QStringLiteral("L'applicazione Registro Movimenti è il cuore della primanota: qui si registrano tutti i pagamenti ricevuti ed effettuati."),
        QStringLiteral("All'apertura scegli l'anno solare su cui lavorare e premi Apri: ogni anno ha il suo registro dei movimenti."),
        QStringLiteral("Per registrare un movimento premi Nuovo, indica se si tratta di un'entrata o di un'uscita, scrivi l'importo in euro e controlla la data dell'operazione, che viene proposta con la data odierna."),
        QStringLiteral("Scrivi la causale e il promemoria, oppure importali dall'archivio delle causali: in questo modo la scheda viene compilata automaticamente con i dati del pagamento ricorrente."),
        QStringLiteral("Il pulsante Duplica crea un nuovo movimento uguale a uno già registrato nello stesso anno, da correggere soltanto dove serve."),
        QStringLiteral("La data di scadenza, insieme ai giorni di preavviso, indica quando il pagamento deve avvenire: su questi dati si basano il riepilogo dei pagamenti in scadenza e quelli dei pagamenti insoluti."),
        QStringLiteral("Il pagatore e il beneficiario possono essere scritti a mano oppure richiamati dall'anagrafica; accanto ai loro dati fiscali si trovano i pulsanti di controllo del codice fiscale e della partita IVA."),
        QStringLiteral("Anche a ogni movimento si possono allegare fino a tre file, come fatture, ricevute o contabili bancarie."),
        QStringLiteral("Quando la scheda è completa premi Salva per registrarla in archivio."),
        QStringLiteral("Quando un pagamento è stato effettuato o incassato spunta la casella Saldato e salva la scheda: il movimento non comparirà più tra gli insoluti."),
        QStringLiteral("Il pulsante Trova cerca i movimenti dell'anno combinando più filtri, come le date dell'operazione e della scadenza, la causale, il pagatore, il beneficiario, la categoria, il numero di ricevuta e le note."),
        QStringLiteral("Il pulsante con l'orologio mostra i pagamenti in scadenza o già scaduti che non risultano ancora saldati."),
        QStringLiteral("La scheda del movimento corrente può essere stampata, e l'intero registro dell'anno può essere esportato in Microsoft Excel."),
        // Balance.
        QStringLiteral("L'applicazione Primanota e Bilancio mostra la primanota di un anno con le entrate, le uscite e la loro differenza, cioè il bilancio in attivo o in passivo."),
        QStringLiteral("Scegli una causale e un intervallo di date e premi Visualizza riepilogo; lasciando vuota la causale vengono considerati tutti i movimenti del periodo."),
        QStringLiteral("Per ogni operazione la primanota riporta la data, la causale, il pagatore o il beneficiario e l'importo in entrata o in uscita; in fondo compaiono il totale delle entrate, il totale delle uscite e il saldo."),
        QStringLiteral("La primanota visualizzata può essere stampata."),
        // Statistics.
        QStringLiteral("L'applicazione Grafici Statistici offre tre viste: le entrate mensili, le uscite mensili e il bilancio annuale."),
        QStringLiteral("I grafici delle entrate e delle uscite mensili possono essere mostrati a torta oppure a barre tridimensionali, con i totali arrotondati all'euro."),
        QStringLiteral("Scegli l'anno e apri il grafico desiderato."),
        QStringLiteral("Il grafico a barre mostra dodici barre, una per ogni mese dell'anno; un pulsante permette di passare dalle barre alla torta e viceversa."),
        QStringLiteral("Il grafico del bilancio annuale mette a confronto due elementi: il totale delle entrate e il totale delle uscite dell'anno."),
        QStringLiteral("Ogni grafico può essere stampato insieme ai dati da cui è stato ricavato."),
        // Unpaid payments.
        QStringLiteral("L'applicazione Pagamenti Insoluti elenca i pagamenti non ancora saldati: è utile per sollecitare i debitori e per tenere sotto controllo i propri debiti."),
        QStringLiteral("Scegli l'anno per vedere i movimenti insoluti in entrata, in uscita o entrambi, ed esportali in Microsoft Excel."),
        QStringLiteral("Dall'elenco degli insoluti si crea il file del foglio di calcolo, che può essere aperto subito."),
        // Program-wide.
        QStringLiteral("Ogni applicazione esporta i propri dati nel formato del foglio di calcolo, che può essere aperto con Microsoft Excel o con qualsiasi altro programma di fogli di calcolo."),
        QStringLiteral("L'accesso al programma è protetto da una password, che l'utente autorizzato può cambiare quando vuole con il pulsante Cambia password della finestra di accesso: per una buona protezione scegline una lunga almeno otto caratteri. Al primo accesso dopo l'installazione la password è \"%1\": sostituiscila subito con una password personale. Una nuova installazione del programma non modifica la password già scelta.")
            .arg(password::kInitialPassword),
        QStringLiteral("Vantresa 4.0 può essere usato in una rete locale: installando il programma in una cartella condivisa, gli archivi sono comuni a tutte le postazioni."),
        QStringLiteral("Il programma funziona anche da una chiavetta USB. Poiché tutti gli archivi si trovano nella cartella del programma, copiare quella cartella è il modo più rapido per fare una copia di sicurezza di tutti i dati."),
        QStringLiteral("Ogni giorno, al primo accesso, il programma copia da sé gli archivi dei movimenti, le causali, i pagatori e beneficiari, la password e i documenti allegati nella cartella Backup, in una cartella con la data del giorno; vengono conservate le copie degli ultimi 30 giorni. La copia avviene mentre si lavora, senza attese. Per tornare ai dati di un giorno, chiudi il programma e copia i file della cartella di quel giorno nella cartella del programma."),
        QStringLiteral("Vantresa 4.0 è lo strumento ideale per tenere sotto controllo incassi, pagamenti e insoluti, con pochi clic e senza bisogno di conoscenze contabili."),
    };
    return {QStringLiteral("Uno sguardo a Vantresa 4.0."), helpText(paragraphs)};
}

QList<HelpPage> appHelpPages() { return {mainMenuHelpPage()}; }

}  // namespace vt
