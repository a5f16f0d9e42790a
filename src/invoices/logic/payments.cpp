#include "invoices/logic/payments.h"

#include <QRegularExpression>
#include <QSet>

#include "archive/texts.h"
#include "invoices/logic/wording.h"

namespace vt::invoices {

namespace {

const QString kKeySeparator = QStringLiteral("\x1F");

// Documents issued for VAT purposes only (integrations of reverse charge,
// self-invoices, extractions from a VAT warehouse, communications): the
// money moves, if at all, with the supplier's own invoice, so a payment
// made from them would be counted twice or would not exist.
const QSet<QString>& vatOnlyTypes() {
    static const QSet<QString> types{
        QStringLiteral("TD16"), QStringLiteral("TD17"), QStringLiteral("TD18"),
        QStringLiteral("TD19"), QStringLiteral("TD20"), QStringLiteral("TD21"),
        QStringLiteral("TD22"), QStringLiteral("TD23"), QStringLiteral("TD27"),
        QStringLiteral("TD28"), QStringLiteral("TD29"),
    };
    return types;
}

// A date of the file, YYYY-MM-DD, perhaps with a time zone after it.
std::optional<QDate> fileDate(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(Z|[+-]\\d{2}:\\d{2})?$"));
    const auto m = form.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const QDate day(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!day.isValid()) return std::nullopt;
    return day;
}

// An amount of the file: "." before the decimals, perhaps a sign.
struct FileAmount {
    double value = 0;
    QString magnitude;  // the unsigned amount text of the program ("1234,50")
};
std::optional<FileAmount> fileAmount(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^[+-]?\\d+(\\.\\d+)?$"));
    if (!form.match(text).hasMatch()) return std::nullopt;
    QString unsignedText = text;
    if (unsignedText.startsWith(u'+') || unsignedText.startsWith(u'-')) unsignedText.remove(0, 1);
    unsignedText.replace(u'.', u',');
    const auto value = amountValue(unsignedText);
    if (!value) return std::nullopt;
    return FileAmount{text.startsWith(u'-') ? -*value : *value, normalizeAmount(unsignedText)};
}

QString partyName(const Party& party) {
    QString name = party.name();
    if (name.isEmpty()) name = party.vatId();
    if (name.isEmpty()) name = party.fiscalCode;
    return name;
}

QString paymentWords(const PaymentDetail& detail) {
    QStringList pieces;
    if (!detail.modalita.isEmpty()) pieces << wording::methodWords(detail.modalita);
    if (!detail.iban.isEmpty()) pieces << QStringLiteral("IBAN ") + detail.iban;
    if (!detail.istituto.isEmpty()) pieces << detail.istituto;
    return pieces.join(QStringLiteral(" - "));
}

std::optional<CarriedPdf> carriedPdf(const Body& body) {
    for (const Attachment& a : body.attachments) {
        if (!a.compressione.isEmpty()) continue;
        QByteArray text = a.base64;
        text.removeIf([](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
        auto decoded =
            QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || !decoded.decoded.startsWith("%PDF")) continue;
        CarriedPdf pdf;
        pdf.name = a.nome.isEmpty() ? QStringLiteral("allegato.pdf") : a.nome;
        if (!pdf.name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            pdf.name += QStringLiteral(".pdf");
        pdf.description =
            a.descrizione.isEmpty() ? wording::kCarriedFileDescription : a.descrizione;
        pdf.bytes = std::move(decoded.decoded);
        return pdf;
    }
    return std::nullopt;
}

// One payment before it becomes a card: its amount and due date.
struct Due {
    FileAmount amount;
    AmountSource amountSource = AmountSource::Payment;
    QDate due;
    DueSource dueSource = DueSource::Given;
    const PaymentDetail* detail = nullptr;
};

// The payments of the body's terms, or the reason they cannot be read.
std::variant<QList<Due>, QString> termsPayments(const Body& body, const QDate& invoiceDate) {
    QList<const PaymentDetail*> details;
    for (const PaymentTerms& terms : body.terms)
        for (const PaymentDetail& d : terms.details) details << &d;
    QList<Due> dues;
    const int n = static_cast<int>(details.size());
    for (int k = 0; k < n; ++k) {
        const PaymentDetail& d = *details[k];
        Due due;
        due.detail = &d;
        if (d.importo.isEmpty()) return wording::missingPaymentAmount(k + 1, n);
        const auto amount = fileAmount(d.importo);
        if (!amount) return wording::amountNotNumber(d.importo);
        due.amount = *amount;
        if (!d.dataScadenza.isEmpty()) {
            const auto day = fileDate(d.dataScadenza);
            if (!day) return wording::impossibleDate(QStringLiteral("di scadenza"), d.dataScadenza);
            due.due = *day;
            due.dueSource = DueSource::Given;
        } else if (!d.dataRiferimento.isEmpty() || !d.giorni.isEmpty()) {
            QDate from = invoiceDate;
            if (!d.dataRiferimento.isEmpty()) {
                const auto day = fileDate(d.dataRiferimento);
                if (!day)
                    return wording::impossibleDate(
                        QStringLiteral("di riferimento dei termini di pagamento"),
                        d.dataRiferimento);
                from = *day;
            }
            int days = 0;
            if (!d.giorni.isEmpty()) {
                static const QRegularExpression digits(QStringLiteral("^\\d{1,3}$"));
                if (!digits.match(d.giorni).hasMatch()) return wording::daysNotNumber(d.giorni);
                days = d.giorni.toInt();
            }
            due.due = from.addDays(days);
            due.dueSource = DueSource::Computed;
        } else {
            due.due = invoiceDate;
            due.dueSource = DueSource::InvoiceDate;
        }
        dues << due;
    }
    return dues;
}

// The single payment of a body without terms.
std::variant<QList<Due>, QString> wholePayment(const Body& body, const QDate& invoiceDate) {
    Due due;
    due.due = invoiceDate;
    due.dueSource = DueSource::InvoiceDate;
    if (!body.importoTotale.isEmpty()) {
        const auto amount = fileAmount(body.importoTotale);
        if (!amount) return wording::amountNotNumber(body.importoTotale);
        due.amount = *amount;
        due.amountSource = AmountSource::DocumentTotal;
        return QList<Due>{due};
    }
    if (body.summary.isEmpty()) return wording::noAmountAtAll();
    double sum = 0;
    for (const SummaryLine& line : body.summary) {
        for (const QString& text : {line.imponibile, line.imposta}) {
            if (text.isEmpty()) continue;
            const auto amount = fileAmount(text);
            if (!amount) return wording::amountNotNumber(text);
            sum += amount->value;
        }
    }
    const double magnitude = roundTo(sum < 0 ? -sum : sum, 2);
    due.amount = FileAmount{sum, normalizeAmount(plainNumberText(magnitude))};
    due.amountSource = AmountSource::Summary;
    return QList<Due>{due};
}

clients::CardTexts registryCard(const Party& party, const QString& iban) {
    clients::CardTexts card = clients::clearedCard();
    card.cliente = partyName(party);
    card.indirizzoRes = (party.indirizzo + u' ' + party.numeroCivico).trimmed();
    card.capRes = party.cap.toUpper();
    card.comuneRes = party.comune;
    card.provRes = clients::codeText(party.provincia);
    card.partitaIva = party.italianVatNumber();
    card.codFisc = clients::codeText(party.fiscalCode);
    card.email = clients::emailText(party.email);
    card.telUff = party.telefono;
    card.iban = clients::codeText(iban).remove(u' ');
    card.note = foreignVatNote(party);
    return card;
}

}  // namespace

QString yearOf(const QDate& date) {
    return QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString foreignVatNote(const Party& party) {
    if (!party.vatCode.isEmpty() && party.italianVatNumber().isEmpty())
        return QStringLiteral("Partita IVA ") + party.vatId();
    return {};
}

std::variant<InvoicePlan, QString> planInvoice(const Invoice& invoice, qsizetype bodyIndex,
                                               const OfficeIdentity& office, const QString& notice,
                                               const QString& fileName) {
    const Body& body = invoice.bodies.at(bodyIndex);
    const bool sells = isOffice(invoice.seller, office);
    const bool buys = isOffice(invoice.buyer, office);
    if (sells && buys) return wording::officeBothParties();
    if (!sells && !buys) return wording::officeNeitherParty();

    InvoicePlan plan;
    plan.issued = sells;
    plan.tipoDocumento = body.tipoDocumento.toUpper();
    plan.numero = body.numero;
    plan.counterpart = sells ? invoice.buyer : invoice.seller;
    plan.office = sells ? invoice.seller : invoice.buyer;
    if (vatOnlyTypes().contains(plan.tipoDocumento))
        return wording::vatOnlyDocument(plan.tipoDocumento);
    if (!body.divisa.isEmpty() && body.divisa.toUpper() != QLatin1String("EUR"))
        return wording::foreignCurrency(body.divisa);
    if (body.numero.isEmpty()) return wording::missingNumber();
    if (body.data.isEmpty()) return wording::missingDate();
    const auto date = fileDate(body.data);
    if (!date) return wording::impossibleDate(QStringLiteral("della fattura"), body.data);
    plan.date = *date;

    bool anyTerms = false;
    for (const PaymentTerms& t : body.terms) anyTerms = anyTerms || !t.details.isEmpty();
    auto read = anyTerms ? termsPayments(body, plan.date) : wholePayment(body, plan.date);
    if (auto* reason = std::get_if<QString>(&read)) return *reason;
    const QList<Due>& dues = std::get<QList<Due>>(read);

    const bool creditNote = plan.tipoDocumento == QLatin1String("TD04");
    const QString invoiceDay = dateText(plan.date);
    const QString word = wording::documentWord(plan.tipoDocumento);
    const QString counterpartName = partyName(plan.counterpart);
    const QString officeName = partyName(plan.office);
    QString promemoria = body.causali.join(u' ');
    if (promemoria.isEmpty()) promemoria = body.firstLineDescription;
    QStringList notes;
    if (!plan.counterpart.vatId().isEmpty())
        notes << QStringLiteral("Partita IVA ") + plan.counterpart.vatId();
    else if (!plan.counterpart.fiscalCode.isEmpty())
        notes << QStringLiteral("Codice fiscale ") + plan.counterpart.fiscalCode;
    notes << QStringLiteral("File ") + fileName;

    const int n = static_cast<int>(dues.size());
    QString beneficiaryIban;
    for (int k = 0; k < n; ++k) {
        const Due& due = dues[k];
        // A credit note moves the money the other way, and so does an
        // amount written negative (some issuers write a credit as a
        // negative invoice, others a credit note with negative amounts:
        // both mean the money goes back).
        const bool reversed = creditNote || due.amount.value < 0;
        const bool incoming = plan.issued != reversed;

        card::CardTexts c = card::clearedCard(plan.date);
        c.incoming = incoming;
        c.causale =
            word + QStringLiteral(" n. ") + body.numero + QStringLiteral(" del ") + invoiceDay;
        if (n > 1) c.causale += QStringLiteral(", rata %1 di %2").arg(k + 1).arg(n);
        c.promemoria = promemoria;
        c.dataSca = dateText(due.due);
        c.preavviso = notice;
        c.importo = due.amount.magnitude;
        c.totale = card::signedAmount(c.importo, incoming);
        if (incoming) {
            c.pagatore = counterpartName;
            c.recapitoPag = plan.counterpart.address();
            c.codFisc = card::fiscalCodeAfterKey(plan.counterpart.fiscalCode);
            c.partitaIva = plan.counterpart.italianVatNumber();
            c.email = card::emailAfterKey(plan.counterpart.email);
            c.beneficiario = officeName;
        } else {
            c.beneficiario = counterpartName;
            c.recapitoBen = plan.counterpart.address();
            c.pagatore = officeName;
            // The account named in the terms is the beneficiary's: the
            // counterpart's own only when the office pays it.
            if (due.detail && beneficiaryIban.isEmpty()) beneficiaryIban = due.detail->iban;
        }
        c.pagamento = due.detail ? paymentWords(*due.detail) : QString();
        c.note = notes.join(QStringLiteral(" - "));
        c.saldato = false;
        if (const auto failing = card::firstFailingCheck(c)) return failing->message;

        PlannedPayment p;
        p.card = std::move(c);
        p.due = due.dueSource;
        p.amount = due.amountSource;
        p.method = due.detail && !due.detail->modalita.isEmpty()
                       ? wording::methodWords(due.detail->modalita)
                       : QString();
        p.instalment = k + 1;
        p.instalments = n;
        plan.payments << std::move(p);
    }
    plan.pdf = carriedPdf(body);
    plan.registryCard = registryCard(plan.counterpart, beneficiaryIban);
    return plan;
}

QString paymentKey(const MovementRecord& r) {
    const bool incoming = r.flag(mov::Entrata) == Flag::Yes;
    return (incoming ? QStringLiteral("E") : QStringLiteral("U")) + kKeySeparator +
           r.text(mov::Data) + kKeySeparator + r.text(mov::Causale) + kKeySeparator +
           r.text(incoming ? mov::Pagatore : mov::Beneficiario) + kKeySeparator +
           r.text(mov::Importo) + kKeySeparator + r.text(mov::DataSca);
}

void RegistryIndex::addTexts(const QString& name, const QString& vat, const QString& fiscal,
                             const QString& note) {
    const QString v = vat.trimmed().toUpper();
    const QString f = fiscal.trimmed().toUpper();
    if (!v.isEmpty()) vat_.insert(v);
    if (!f.isEmpty()) fiscal_.insert(f);
    if (!note.trimmed().isEmpty()) notes_.insert(note.trimmed().toUpper());
    if (!name.trimmed().isEmpty()) names_.insert(name.trimmed().toCaseFolded());
}

void RegistryIndex::add(const ClientRecord& record) {
    addTexts(record.text(cli::Cliente), record.text(cli::PartitaIva), record.text(cli::CodFisc),
             record.text(cli::Note));
}

void RegistryIndex::add(const clients::CardTexts& card) {
    // Through the record, so that a card is known by the very texts it is
    // stored with (trimmed, converted, cut).
    add(clients::encode(card));
}

bool RegistryIndex::has(const Party& party) const {
    const QString vat = party.italianVatNumber();
    if (!vat.isEmpty() && (vat_.contains(vat) || fiscal_.contains(vat))) return true;
    const QString fiscal = party.fiscalCode.trimmed().toUpper();
    if (!fiscal.isEmpty() && (fiscal_.contains(fiscal) || vat_.contains(fiscal))) return true;
    if (!vat.isEmpty() || !fiscal.isEmpty()) return false;
    // A foreign party has neither Italian code: it is known by the note its
    // card was created with, or by its name.
    const QString note = foreignVatNote(party).toUpper();
    if (!note.isEmpty()) {
        for (const QString& n : notes_)
            if (n.contains(note)) return true;
    }
    ClientRecord stored;
    stored.setText(cli::Cliente, partyName(party));
    const QString name = stored.text(cli::Cliente).toCaseFolded();
    return !name.isEmpty() && names_.contains(name);
}

}  // namespace vt::invoices
