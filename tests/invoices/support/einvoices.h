#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Electronic invoices made by the tests themselves, as the exchange system
// delivers them: the XML of an invoice from a few plain values, signed
// copies (made on the spot with a throwaway self-signed certificate) and
// zip archives. An empty text leaves its element out.
namespace vt::test::einvoice {

struct PartyData {
    QString country = QStringLiteral("IT");
    QString vat;
    QString fiscalCode;
    QString denominazione, nome, cognome;
    QString indirizzo = QStringLiteral("Via Roma"), civico = QStringLiteral("1");
    QString cap = QStringLiteral("20100"), comune = QStringLiteral("Milano"),
            provincia = QStringLiteral("MI");
    QString nazione = QStringLiteral("IT");
    QString telefono, email;
};

struct PaymentData {
    QString modalita = QStringLiteral("MP05");
    QString dataRiferimento, giorni, scadenza;
    QString importo;
    QString istituto, iban;
};

struct TermsData {
    QString condizioni = QStringLiteral("TP02");
    QList<PaymentData> payments;
};

struct AttachmentData {
    QString nome, formato, descrizione;
    QByteArray bytes;
};

struct BodyData {
    QString tipo = QStringLiteral("TD01");
    QString divisa = QStringLiteral("EUR");
    QString data = QStringLiteral("2024-03-15");
    QString numero = QStringLiteral("1");
    QString totale;
    QStringList causali;
    QStringList descrizioni{QStringLiteral("Consulenza")};
    QList<QPair<QString, QString>> riepilogo{{QStringLiteral("100.00"), QStringLiteral("22.00")}};
    QList<TermsData> terms;
    QList<AttachmentData> attachments;
};

struct InvoiceData {
    QString prefix = QStringLiteral("p");  // namespace prefix of the root; empty for none
    PartyData seller, buyer;
    QList<BodyData> bodies;
};

// The office of the tests and two counterparts, with valid codes.
inline const QString kOfficeVat = QStringLiteral("01234567897");
inline const QString kSupplierVat = QStringLiteral("12345678903");
inline const QString kCustomerVat = QStringLiteral("11111111115");
PartyData office();
PartyData supplier();
PartyData customer();

// A body with one payment of `amount` due on `due`.
BodyData simpleBody(const QString& numero, const QString& amount, const QString& due);
// An invoice the office received from the supplier, or issued to the customer.
InvoiceData received(const QList<BodyData>& bodies);
InvoiceData issued(const QList<BodyData>& bodies);

// The XML text in the given encoding ("UTF-8", "ISO-8859-1",
// "windows-1252", "UTF-16"), declared as such, with an optional
// byte-order mark.
QByteArray xml(const InvoiceData& doc, const QByteArray& encoding = "UTF-8", bool bom = false);

// A CMS SignedData envelope holding `content`, as DER.
QByteArray signDer(const QByteArray& content);
// The same as base64 text: one line, or lines of `width` characters, with or
// without a PEM-style header.
QByteArray asBase64(const QByteArray& der, int width = 0, bool header = false);

// Writes a zip archive of the given entries (name, bytes).
bool writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries);
// Sets the uncompressed size every header of the archive declares, as a
// crafted archive would.
bool declareSize(const QString& path, quint32 size);

bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace vt::test::einvoice
