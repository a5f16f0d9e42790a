#include "output/logic/exportdefinition.h"

namespace vt::exporting {

namespace {
const QString kLineBreaks = QStringLiteral("\r\n\r\n");       // inside a question
const QString kParagraphBreak = QStringLiteral("\n\r\n\r");   // inside a notice
}  // namespace

QString idleText() { return QStringLiteral("Esportazione archivio in Microsoft Excel."); }

QString exportHint(Kind kind) {
    return kind == Kind::Unpaid ? QStringLiteral("Esporta i dati in formato Microsoft Excel.")
                                : QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
}

QString helpHint() { return QStringLiteral("Visualizza la pagina della guida sensibile al contesto."); }
QString exitHint() { return QStringLiteral("Esci da questo ambiente di lavoro."); }

QString startQuestion() {
    return QStringLiteral(
               "L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di "
               "schede presenti in archivio.") +
           kLineBreaks + QStringLiteral("Si vuole esportare i dati adesso?");
}

QString finishQuestion(Kind kind) {
    if (kind == Kind::Unpaid)
        return QStringLiteral("Esportazione in Excel effettuata con successo.") + kLineBreaks +
               QStringLiteral("Si vuole aprire il file .XLS?");
    return QStringLiteral("Le schede in archivio sono state esportate con successo.") + kLineBreaks +
           QStringLiteral("Si vuole aprire il file di Excel?");
}

QString failureNotice() {
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.") + kParagraphBreak +
           QStringLiteral("Accertarsi che il file di Excel non sia gi\u00E0 aperto.");
}

sheet::Sheet worksheet(const Definition& definition, const QList<QStringList>& gridRows) {
    sheet::Sheet out;
    out.name = definition.sheetName;
    out.columns.reserve(definition.columns.size());
    for (const Column& c : definition.columns) out.columns.append({c.headerInFile(), c.width, c.kind});
    out.rows = gridRows;
    return out;
}

}  // namespace vt::exporting
