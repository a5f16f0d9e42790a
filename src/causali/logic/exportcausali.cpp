#include "causali/logic/exportcausali.h"

#include "archive/recordfile.h"
#include "archive/records.h"
#include "output/logic/exportrows.h"

namespace vt::expcau {

namespace {

exporting::Definition makeDefinition() {
    exporting::Definition d;
    d.caption = QStringLiteral(" Esporta archivio causali in Microsoft Excel");
    d.fileName = QStringLiteral("Causali.xls");
    d.sheetName = QStringLiteral("Riepilogo causali movimenti");
    d.kind = exporting::Kind::Archive;
    // The amount is a value; every other column is text, so that codes such
    // as a VAT number keep their leading zeros.
    d.columns = {
        {QStringLiteral("Tipo movimento"), 150},
        {QStringLiteral("Causale"), 300},
        {QStringLiteral("Promemoria"), 300},
        {.header = QStringLiteral("Importo in euro"), .width = 150, .kind = sheet::CellKind::Value},
        {QStringLiteral("Pagatore"), 250},
        {QStringLiteral("Recapito"), 250},
        {QStringLiteral("Codice fiscale"), 200},
        {QStringLiteral("Partita IVA"), 180},
        {QStringLiteral("Categoria"), 250},
        {QStringLiteral("E-mail"), 250},
        {QStringLiteral("Modalit\u00E0 pagamento"), 250},
        {QStringLiteral("Beneficiario"), 250},
        {QStringLiteral("Recapito"), 250},
        {QStringLiteral("Note"), 300},
        {QStringLiteral("Tariffa applicata"), 250},
    };
    d.help.title = QStringLiteral("Esportazione archivio causali in Microsoft Excel.");
    d.help.text = helpText({
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare tutte le causali dei movimenti in "
            "un foglio di "
            "lavoro di Microsoft Excel, che potr\u00E0 essere aperto con qualsiasi software in "
            "grado di gestire i "
            "file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."),
        QStringLiteral("Dopo aver aperto la finestra con il riepilogo delle causali, \u00E8 "
                       "sufficiente fare clic sull'icona "
                       "di Excel per creare immediatamente il file, che potr\u00E0 essere aperto "
                       "subito rispondendo "
                       "affermativamente alla domanda successiva."),
        QStringLiteral(
            "Una volta aperto, il file potr\u00E0 essere salvato con il nome che si preferisce."),
    });
    return d;
}

// The record fields behind columns 2 to 15, in column order. The unsigned
// amount and the "Uscita" flag are not exported.
constexpr cau::Field kPlainFields[] = {
    cau::Causale,      cau::Promemoria,  cau::ImportoSegnato, cau::Pagatore, cau::RecapitoPag,
    cau::CodFisc,      cau::PartitaIva,  cau::Categoria,      cau::Email,    cau::Pagamento,
    cau::Beneficiario, cau::RecapitoBen, cau::Note,           cau::Tariffa,
};

}  // namespace

const exporting::Definition& definition() {
    static const exporting::Definition d = makeDefinition();
    return d;
}

QStringList cells(QByteArrayView record) {
    QStringList out;
    out.reserve(15);
    const Flag entrata = readFlag(record, cau::kFields[cau::Entrata]);
    out.append(entrata == Flag::Yes  ? QStringLiteral("Entrata")
               : entrata == Flag::No ? QStringLiteral("Uscita")
                                     : QString());
    for (cau::Field f : kPlainFields) out.append(readField(record, cau::kFields[f]));
    return out;
}

exporting::Rows rows(const QString& path) {
    return exporting::fileRows(CausaliFile(path).raw(), cells);
}

}  // namespace vt::expcau
