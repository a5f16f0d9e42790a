#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Every text of the import of electronic invoices: the reasons the preview
// rows give, the states, the summary's sentences, the window's caption and
// hover hints. The window shows them as they are.
namespace vt::invoices::wording {

// ---- The window -----------------------------------------------------------

inline const QString kWindowClass = QStringLiteral("TfrmImportaFatture");
inline const QString kCaption = QStringLiteral(" Importazione fatture elettroniche");
// The button of the register's year selection that opens the window.
inline const QString kMenuButton = QStringLiteral("Importa fatture elettroniche");
inline const QString kMenuButtonHint = QStringLiteral(
    "Importa nel registro i pagamenti delle fatture elettroniche ricevute ed emesse.");

inline const QString kFileDialogTitle =
    QStringLiteral("Selezionare le fatture elettroniche da importare:");
inline const QString kFileDialogFilter =
    QStringLiteral("Fatture elettroniche (*.xml *.p7m *.zip);;Tutti i file (*.*)");

// The hover hint of each control the window is expected to have.
struct ControlHint {
    const char* control;
    QString hint;
};
QList<ControlHint> hoverHints();

// Column headers of the preview grid, in order.
QList<QString> columnHeaders();

// ---- Directions, states and marks of a preview row --------------------------

inline const QString kIncoming = QStringLiteral("Entrata");
inline const QString kOutgoing = QStringLiteral("Uscita");

inline const QString kStateNew = QStringLiteral("Nuovo");
inline const QString kStatePresent = QStringLiteral("Gi\u00E0 presente in archivio");
inline const QString kStateRepeated = QStringLiteral("Ripetuto tra i file scelti");
inline const QString kStateNotImportable = QStringLiteral("Non importabile");
inline const QString kStateSkipped = QStringLiteral("Ignorato");
inline const QString kStateImported = QStringLiteral("Importato");

inline const QString kDueComputed = QStringLiteral("calcolata dai termini di pagamento");
inline const QString kDueMissing = QStringLiteral("non indicata: data della fattura");
inline const QString kAmountFromTotal = QStringLiteral("dal totale del documento");
inline const QString kAmountFromSummary = QStringLiteral("dal riepilogo IVA");

// Descriptions of the attachment slots of an imported payment.
inline const QString kInvoiceCopyDescription = QStringLiteral("Fattura elettronica");
inline const QString kCarriedFileDescription = QStringLiteral("Allegato alla fattura elettronica");

inline const QString kRegistryNew = QStringLiteral("Nuova scheda anagrafica");
inline const QString kRegistryExisting = QStringLiteral("Scheda anagrafica esistente");

// ---- Reasons: reading the files ---------------------------------------------

QString fileMissing();
QString notAFile();
QString unreadable();
QString tooLarge(qint64 limitBytes);
QString notXml();
QString truncated();
QString malformed(qint64 line);
QString forbiddenDtd();
QString otherKind(const QString& rootName);
QString simplified();
QString noBody();
QString notSigned();
QString zipDamaged();
QString zipTooManyFiles(qint64 limit);
QString zipTooLarge(qint64 limitBytes);
QString zipEmpty();
QString entryDamaged();
QString entryEncrypted();

// Why a file inside a zip archive is passed over (not an error).
QString skippedExchangeMessage(const QString& code);  // "MT", "RC", "NS", ...
QString skippedPdf();
QString skippedNestedZip();
QString skippedOther();
QString skippedNotInvoice();

// ---- Reasons: the invoice's contents ---------------------------------------

QString missingNumber();
QString missingDate();
QString impossibleDate(const QString& what, const QString& text);  // what: "della fattura", ...
QString missingPaymentAmount(int instalment, int instalments);
QString amountNotNumber(const QString& text);
QString daysNotNumber(const QString& text);
QString foreignCurrency(const QString& code);
QString noAmountAtAll();
QString officeNeitherParty();
QString officeBothParties();
QString vatOnlyDocument(const QString& type);
QString yearFileUnreadable(const QString& year);
QString registryUnreadable();

// ---- The document's own words ------------------------------------------------

// "Fattura", "Nota di credito", "Parcella", ... for a TipoDocumento code.
QString documentWord(const QString& tipoDocumento);
// "Contanti", "Bonifico", ... for a ModalitaPagamento code (the code itself
// when unknown).
QString methodWords(const QString& modalita);

// ---- Checks of the window's fields ------------------------------------------

QString officeMissing();
QString vatNumberLength();
QString vatNumberWrong();
QString fiscalCodeLength();
QString fiscalCodeWrong();
QString noticeMissing();
QString noFiles();

// ---- The summary after importing -------------------------------------------

inline const QString kMessageBreak = QStringLiteral("\n\r\n\r");

QString summaryDone();
QString summaryStopped();
QString summaryCancelled();
QString summaryWritten(const QList<QPair<QString, int>>& perYear);
QString summaryCards(int created);
QString summaryPresent(int present);
QString summaryRepeated(int repeated);
QString summaryFailedFiles(int files);
QString summaryStoppedAt(const QString& fileName);
QString copyFailed(const QString& fileName);

}  // namespace vt::invoices::wording
