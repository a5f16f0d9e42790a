#include "movements/logic/exportmovements.h"

#include "archive/recordfile.h"
#include "archive/records.h"
#include "output/logic/exportrows.h"

namespace vt::expmov {

namespace {

exporting::Definition makeDefinition() {
    exporting::Definition d;
    d.caption = QStringLiteral(" Esporta archivio movimenti in Microsoft Excel");
    d.fileName = QStringLiteral("Movimenti.xls");
    d.sheetName = QStringLiteral("Riepilogo annuale movimenti");
    d.kind = exporting::Kind::Archive;
    // Dates, days and amounts are values; every other column is text, so
    // that codes such as a VAT number keep their leading zeros.
    constexpr auto value = sheet::CellKind::Value;
    d.columns = {
        {QStringLiteral("Tipo movimento"), 150},
        {.header = QStringLiteral("Data operazione"), .width = 180, .kind = value},
        {QStringLiteral("Causale"), 300},
        {QStringLiteral("Promemoria"), 300},
        {.header = QStringLiteral("Data scadenza"), .width = 180, .kind = value},
        {.header = QStringLiteral("Giorni preavviso"), .width = 150, .kind = value},
        {.header = QStringLiteral("Importo in euro"), .width = 150, .kind = value},
        {QStringLiteral("Pagatore"), 250},
        {QStringLiteral("Recapito"), 250},
        {QStringLiteral("Codice fiscale"), 200},
        {QStringLiteral("Partita IVA"), 180},
        {QStringLiteral("Categoria"), 250},
        {QStringLiteral("E-mail"), 250},
        {QStringLiteral("Modalit\u00E0 pagamento"), 250},
        {QStringLiteral("Beneficiario"), 250},
        {QStringLiteral("Recapito"), 250},
        {QStringLiteral("CRO o Ricevuta n."), 250},
        {QStringLiteral("Note"), 300},
        {QStringLiteral("Tariffa applicata"), 250},
        {QStringLiteral("Saldato"), 120},
    };
    d.help.title = QStringLiteral("Esportazione archivio movimenti in Microsoft Excel.");
    d.help.text = helpText({
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare tutti i movimenti in entrata e in uscita "
            "registrati in un anno solare in un foglio di lavoro di Microsoft Excel, che potr\u00E0 essere aperto "
            "con qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con Open Office, "
            "Libre Office o Microsoft Office)."),
        QStringLiteral(
            "Dopo aver aperto la finestra con il riepilogo dei movimenti, \u00E8 sufficiente fare clic sull'icona "
            "di Excel per creare immediatamente il file, che potr\u00E0 essere aperto subito rispondendo "
            "affermativamente alla domanda successiva."),
        QStringLiteral("Una volta aperto, il file potr\u00E0 essere salvato con il nome che si preferisce."),
    });
    return d;
}

// The record fields behind columns 2 to 20, in column order.
constexpr mov::Field kPlainFields[] = {
    mov::Data,      mov::Causale,     mov::Promemoria,  mov::DataSca,  mov::Preavviso,
    mov::ImportoSegnato, mov::Pagatore, mov::RecapitoPag, mov::CodFisc, mov::PartitaIva,
    mov::Categoria, mov::Email,       mov::Pagamento,   mov::Beneficiario, mov::RecapitoBen,
    mov::Ricevuta,  mov::Note,        mov::Tariffa,     mov::Saldato,
};

}  // namespace

const exporting::Definition& definition() {
    static const exporting::Definition d = makeDefinition();
    return d;
}

QStringList cells(QByteArrayView record) {
    QStringList out;
    out.reserve(20);
    const QString entrata = readField(record, mov::kFields[mov::Entrata]);
    if (entrata == kYes)
        out.append(QStringLiteral("Entrata"));
    else if (entrata == kNo)
        out.append(QStringLiteral("Uscita"));
    else
        out.append(QString());
    for (mov::Field f : kPlainFields) out.append(readField(record, mov::kFields[f]));
    return out;
}

exporting::Rows rows(const QString& yearFile) { return exporting::fileRows(MovementFile(yearFile).raw(), cells); }

}  // namespace vt::expmov
