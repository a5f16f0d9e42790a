#include "clients/logic/exportclients.h"

#include "archive/recordfile.h"
#include "archive/records.h"
#include "output/logic/exportrows.h"

namespace vt::expcli {

namespace {

exporting::Definition makeDefinition() {
    exporting::Definition d;
    d.caption = QStringLiteral(" Esporta archivio pagatori e beneficiari in Microsoft Excel");
    d.fileName = QStringLiteral("Anagrafica.xls");
    d.sheetName = QStringLiteral("Archivio Anagrafico");
    d.kind = exporting::Kind::Archive;
    // The grid names the birth place more widely than the file does.
    d.columns = {
        {QStringLiteral("Cognome e nome"), 250},
        {QStringLiteral("Data di nascita"), 200},
        {QStringLiteral("Comune / Stato estero di nascita"), 250, false,
         QStringLiteral("Comune di nascita")},
        {QStringLiteral("Recapito preferenziale"), 250},
        {QStringLiteral("Indirizzo di residenza"), 300},
        {QStringLiteral("Comune di residenza"), 250},
        {QStringLiteral("Modalit\u00E0 di pagamento"), 250},
        {QStringLiteral("Tel. casa"), 250},
        {QStringLiteral("Tel. ufficio"), 250},
        {QStringLiteral("Tel. cellulare"), 250},
        {QStringLiteral("Fax"), 250},
        {QStringLiteral("E-mail"), 250},
        {QStringLiteral("Codice fiscale"), 250},
        {QStringLiteral("Partita IVA"), 250},
        {QStringLiteral("Carta di credito n."), 300},
        {QStringLiteral("Scadenza"), 150},
        {QStringLiteral("IBAN"), 300},
        {QStringLiteral("Estremi documento"), 280},
        {QStringLiteral("Occupazione"), 250},
        {QStringLiteral("Stato civile"), 250},
        {QStringLiteral("Titoli e qualifiche"), 280},
        {QStringLiteral("Prodotti e servizi di interesse"), 300},
        {QStringLiteral("Zona di appartenenza"), 250},
        {QStringLiteral("Questioni in sospeso"), 300},
        {QStringLiteral("Note"), 300},
    };
    d.help.title =
        QStringLiteral("Esportazione archivio pagatori e beneficiari in Microsoft Excel.");
    d.help.text = helpText({
        QStringLiteral("Il pulsante Esporta archivio consente di esportare i dati anagrafici di "
                       "tutti i pagatori e "
                       "beneficiari in un foglio di lavoro di Microsoft Excel, che potr\u00E0 "
                       "essere aperto con qualsiasi "
                       "software in grado di gestire i file in formato XLS (ad esempio, con Open "
                       "Office, Libre Office o "
                       "Microsoft Office)."),
        QStringLiteral("Dopo aver aperto la finestra con il riepilogo delle schede, \u00E8 "
                       "sufficiente fare clic sull'icona "
                       "di Excel per creare immediatamente il file, che potr\u00E0 essere aperto "
                       "subito rispondendo "
                       "affermativamente alla domanda successiva."),
        QStringLiteral(
            "Una volta aperto, il file potr\u00E0 essere salvato con il nome che si preferisce."),
    });
    return d;
}

// A cell made of one field, or of a town and its province joined by a blank.
struct Cell {
    cli::Field field;
    int province = -1;  // a cli::Field, or -1
};
constexpr Cell kCells[] = {
    {cli::Cliente},     {cli::DataNasc},     {cli::ComuneNasc, cli::ProvNasc},
    {cli::Recapito},    {cli::IndirizzoRes}, {cli::ComuneRes, cli::ProvRes},
    {cli::Estremi},     {cli::TelCasa},      {cli::TelUff},
    {cli::TelCel},      {cli::Fax},          {cli::Email},
    {cli::CodFisc},     {cli::PartitaIva},   {cli::Carta},
    {cli::ScadeCarta},  {cli::Iban},         {cli::Documento},
    {cli::Occupazione}, {cli::Civile},       {cli::Titoli},
    {cli::Prodotti},    {cli::Zona},         {cli::Questioni},
    {cli::Note},
};

}  // namespace

const exporting::Definition& definition() {
    static const exporting::Definition d = makeDefinition();
    return d;
}

QStringList cells(QByteArrayView record) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(std::size(kCells)));
    for (const Cell& c : kCells) {
        QString text = readField(record, cli::kFields[c.field]);
        if (c.province >= 0) text += u' ' + readField(record, cli::kFields[c.province]);
        out.append(text);
    }
    return out;
}

exporting::Rows rows(const QString& path) {
    return exporting::fileRows(ClientFile(path).raw(), cells);
}

QList<HelpPage> helpPages() {
    return {definition().help};
}

}  // namespace vt::expcli
