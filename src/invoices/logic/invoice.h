#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

// An electronic invoice as far as a payment needs it: who sells and who
// buys, and for each invoice of the file its document data, the payment
// terms with their instalments, the VAT summary and the files it carries.
// Texts are kept as the file writes them (trimmed); they are checked and
// turned into card texts only when the payments are planned.
namespace vt::invoices {

struct Party {
    QString vatCountry;  // IdFiscaleIVA/IdPaese, upper case
    QString vatCode;     // IdFiscaleIVA/IdCodice
    QString fiscalCode;  // CodiceFiscale, upper case
    QString denominazione, nome, cognome;
    QString indirizzo, numeroCivico, cap, comune, provincia, nazione;
    QString telefono, email;

    // "Rossi Mario" for a person, the company name otherwise.
    QString name() const;
    // Country code and number, "IT01234567890"; empty without a VAT id.
    QString vatId() const;
    // The Italian VAT number (eleven digits) or nothing for a foreign one.
    QString italianVatNumber() const;
    // "Via Roma 1, 00100 Roma (RM)", the country added when not Italy.
    QString address() const;
};

struct PaymentDetail {
    QString beneficiario;
    QString modalita;         // MP01..MP23
    QString dataRiferimento;  // DataRiferimentoTerminiPagamento
    QString giorni;           // GiorniTerminiPagamento
    QString dataScadenza;     // DataScadenzaPagamento
    QString importo;          // ImportoPagamento; empty when missing
    QString istituto, iban, abi, cab, bic;
};

struct PaymentTerms {
    QString condizioni;  // TP01, TP02, TP03
    QList<PaymentDetail> details;
};

struct SummaryLine {
    QString imponibile;  // ImponibileImporto
    QString imposta;     // Imposta
};

struct Attachment {
    QString nome, formato, descrizione, compressione;
    QByteArray base64;  // as written, blanks and line breaks included
};

struct Body {
    QString tipoDocumento, divisa, data, numero, importoTotale;
    QStringList causali;
    QString firstLineDescription;
    QList<SummaryLine> summary;
    QList<PaymentTerms> terms;
    QList<Attachment> attachments;
};

struct Invoice {
    QString versione;
    Party seller;  // CedentePrestatore
    Party buyer;   // CessionarioCommittente
    QList<Body> bodies;
};

// Why a document could not be read as an invoice.
enum class ReadFault {
    NotXml,        // no element at all: not an XML document
    Truncated,     // the document ends in the middle
    Malformed,     // broken XML (with the line of the fault)
    ForbiddenDtd,  // a document type declaration: never part of an invoice
    OtherKind,     // well-formed XML whose root is not an invoice
    Simplified,    // a simplified invoice, whose layout has no payment terms
    NoBody,        // an invoice without any FatturaElettronicaBody
};

struct ReadError {
    ReadFault fault;
    qint64 line = 0;   // for Malformed
    QString rootName;  // for OtherKind
};

// Reads an invoice from XML bytes in any of the encodings a declaration or
// a byte-order mark names (UTF-8, ISO-8859-1, windows-1252, UTF-16), with
// any namespace prefix: elements are matched on their local names.
std::variant<Invoice, ReadError> readInvoice(const QByteArray& xml);

}  // namespace vt::invoices
