#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "invoices/logic/office.h"
#include "invoices/logic/sources.h"

// The import of electronic invoices, for a thin window: it hands over the
// chosen files, the office's identity and the days of notice, shows the
// preview's rows in a grid and the progress in a bar, then asks for the
// import and shows its summary.
//
// The preview reads and writes nothing but memory: no archive file is
// created or touched for writing, however many years the invoices span.
// Only the import writes, through the archive layer, and stops at the first
// failure with an exact account of what was written.
namespace vt::invoices {

struct Request {
    QStringList paths;  // the chosen or dropped files
    OfficeIdentity office;
    QString notice = QStringLiteral("0");  // days of notice, as on a new card
    ReadLimits limits;
};

// The first field of the window that stops a preview, with its warning.
struct RequestProblem {
    enum class Field { VatNumber, FiscalCode, Notice, Files };
    Field field;
    QString message;
};
std::optional<RequestProblem> checkRequest(const Request& request);

enum class RowState {
    New,            // would be written by the import
    Present,        // already in its year file
    Repeated,       // the same payment came earlier in the chosen files
    NotImportable,  // `reason` says why
    Skipped,        // not an invoice (metadata, receipts, PDFs, ...)
    Imported,       // written by the import
};
QString stateText(RowState state);

// One row of the preview grid: a payment that would be created, or a file
// (or an invoice of a file) that cannot be imported or is passed over.
struct PreviewRow {
    QString file;          // "fatture.zip \u203A IT01234567890_a1B2c.xml"
    QString path;          // the chosen file's full path
    QString typeCode;      // "TD01"
    QString documentType;  // "Fattura", "Nota di credito", ...
    QString number, date;  // as the invoice gives them; the date as dd/mm/yyyy
    QString counterpart;
    QString direction;   // "Entrata" or "Uscita"
    QString amount;      // the amount text of the card ("1234,50")
    QString amountNote;  // empty, or where an amount without terms came from
    QString dueDate;
    QString dueNote;  // empty, or "calcolata ..." / "non indicata ..."
    QString method;
    QString year;
    QString registry;  // new or existing registry card of the counterpart
    RowState state = RowState::NotImportable;
    QString reason;

    QString stateText() const { return invoices::stateText(state); }
};

struct PreviewPlan;

struct Preview {
    QList<PreviewRow> rows;
    std::optional<RequestProblem> problem;  // the preview did not start
    bool cancelled = false;
    std::shared_ptr<PreviewPlan> plan;  // what the import needs; opaque to the window

    int count(RowState state) const;
    // Payments that would be written, registry cards that would be created,
    // and files that cannot be imported (in full or in part).
    int newPayments() const { return count(RowState::New); }
    int newCards() const;
    int failedFiles() const;
};

// Reads the chosen files and tells, for each payment, what the import
// would do. Progress runs from reading the files to looking into the year
// files; a cancelled preview has no rows.
Preview buildPreview(const Request& request, const Progress& progress = {});

struct ImportReport {
    // Payments written, per year file (by year, in ascending order).
    QList<QPair<QString, int>> writtenByYear;
    int cardsCreated = 0;
    int present = 0;   // already in the register (found at preview or at import)
    int repeated = 0;  // repeated in the chosen files
    int failedFiles = 0;
    enum class Stop { None, Archive, Copy, Cancelled };
    Stop stop = Stop::None;
    QString stopFile;  // the archive file or the attachment copy that failed
    QList<qsizetype> importedRows;

    int written() const;
};

// Writes the preview's new payments, with the counterparts' missing
// registry cards and the attachment copies, and marks the rows written. A
// payment that meanwhile reached its year file is not written again, so a
// second call writes nothing. Stops at the first failure or when progress
// asks to; what was written until then stays and is reported.
ImportReport importPreview(Preview& preview, const Progress& progress = {});

// The one message that closes an import: an information, or an error when
// the import stopped on a failure.
struct Summary {
    bool error = false;
    QString text;
};
Summary summary(const ImportReport& report);

}  // namespace vt::invoices
