#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>
#include <variant>

#include "archive/records.h"
#include "clients/logic/card.h"
#include "invoices/logic/invoice.h"
#include "invoices/logic/office.h"
#include "movements/logic/card.h"

// Every payment of an invoice as the movement card that records it, built
// through the card editor's own rules, and the registry card of the
// counterpart.
namespace vt::invoices {

// Where a due date comes from.
enum class DueSource {
    Given,        // DataScadenzaPagamento
    Computed,     // the terms' reference date (or the invoice date) plus their days
    InvoiceDate,  // no due date at all: the invoice date stands in
};

// Where an amount comes from.
enum class AmountSource {
    Payment,        // ImportoPagamento
    DocumentTotal,  // no payment terms: ImportoTotaleDocumento
    Summary,        // no terms and no total: taxable amounts plus taxes
};

struct PlannedPayment {
    card::CardTexts card;  // as the editor would save it; attachment slots still empty
    DueSource due = DueSource::Given;
    AmountSource amount = AmountSource::Payment;
    QString method;  // the method in words ("Bonifico"), empty when not given
    int instalment = 1;
    int instalments = 1;
};

// A PDF carried inside the invoice, for the second attachment slot.
struct CarriedPdf {
    QString name;
    QString description;
    QByteArray bytes;
};

struct InvoicePlan {
    bool issued = false;  // the office sells (else it buys)
    QString tipoDocumento, numero;
    QDate date;
    Party counterpart, office;
    QList<PlannedPayment> payments;
    std::optional<CarriedPdf> pdf;
    clients::CardTexts registryCard;  // the counterpart's card, should it be missing
};

// The plan of body `body` of `invoice`, or the reason it cannot be imported.
// `notice` is the days of notice every payment gets (already checked);
// `fileName` the document's own file name, recorded in the notes.
std::variant<InvoicePlan, QString> planInvoice(const Invoice& invoice, qsizetype body,
                                               const OfficeIdentity& office, const QString& notice,
                                               const QString& fileName);

// The texts that make two payments the same payment: direction, date,
// causale, counterpart, amount and due date, as the record holds them.
QString paymentKey(const MovementRecord& record);

// The year file a payment belongs to: the year of its invoice, four digits.
QString yearOf(const QDate& date);

// The registry cards already there, by what tells a counterpart apart: the
// VAT number, the fiscal code, or for a foreign party without Italian codes
// its VAT id in the notes or its name.
class RegistryIndex {
public:
    void add(const ClientRecord& record);
    void add(const clients::CardTexts& card);
    bool has(const Party& party) const;

private:
    void addTexts(const QString& name, const QString& vat, const QString& fiscal,
                  const QString& note);
    QSet<QString> vat_, fiscal_, notes_, names_;
};

// The note a new registry card of a foreign party carries, by which the
// next import knows it.
QString foreignVatNote(const Party& party);

}  // namespace vt::invoices
