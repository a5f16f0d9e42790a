#include "invoices/logic/invoice.h"

#include <QXmlStreamReader>

namespace vt::invoices {

QString Party::name() const {
    if (!denominazione.isEmpty()) return denominazione;
    return (cognome + u' ' + nome).trimmed();
}

QString Party::vatId() const {
    if (vatCode.isEmpty()) return {};
    return vatCountry + vatCode;
}

QString Party::italianVatNumber() const {
    if (vatCountry != QLatin1String("IT") || vatCode.size() != 11) return {};
    for (QChar c : vatCode)
        if (c < u'0' || c > u'9') return {};
    return vatCode;
}

QString Party::address() const {
    QStringList pieces;
    const QString street = (indirizzo + u' ' + numeroCivico).trimmed();
    if (!street.isEmpty()) pieces << street;
    QString town = (cap + u' ' + comune).trimmed();
    if (!provincia.isEmpty()) town = (town + QStringLiteral(" (") + provincia + u')').trimmed();
    if (!town.isEmpty()) pieces << town;
    if (!nazione.isEmpty() && nazione != QLatin1String("IT")) pieces << nazione;
    return pieces.join(QStringLiteral(", "));
}

namespace {

// Which text of a party an element path below CedentePrestatore or
// CessionarioCommittente feeds.
struct PartyField {
    const char16_t* path;
    QString Party::*member;
};
constexpr PartyField kPartyFields[] = {
    {u"DatiAnagrafici/IdFiscaleIVA/IdPaese", &Party::vatCountry},
    {u"DatiAnagrafici/IdFiscaleIVA/IdCodice", &Party::vatCode},
    {u"DatiAnagrafici/CodiceFiscale", &Party::fiscalCode},
    {u"DatiAnagrafici/Anagrafica/Denominazione", &Party::denominazione},
    {u"DatiAnagrafici/Anagrafica/Nome", &Party::nome},
    {u"DatiAnagrafici/Anagrafica/Cognome", &Party::cognome},
    {u"Sede/Indirizzo", &Party::indirizzo},
    {u"Sede/NumeroCivico", &Party::numeroCivico},
    {u"Sede/CAP", &Party::cap},
    {u"Sede/Comune", &Party::comune},
    {u"Sede/Provincia", &Party::provincia},
    {u"Sede/Nazione", &Party::nazione},
    {u"Contatti/Telefono", &Party::telefono},
    {u"Contatti/Email", &Party::email},
};

struct DetailField {
    const char16_t* name;
    QString PaymentDetail::*member;
};
constexpr DetailField kDetailFields[] = {
    {u"Beneficiario", &PaymentDetail::beneficiario},
    {u"ModalitaPagamento", &PaymentDetail::modalita},
    {u"DataRiferimentoTerminiPagamento", &PaymentDetail::dataRiferimento},
    {u"GiorniTerminiPagamento", &PaymentDetail::giorni},
    {u"DataScadenzaPagamento", &PaymentDetail::dataScadenza},
    {u"ImportoPagamento", &PaymentDetail::importo},
    {u"IstitutoFinanziario", &PaymentDetail::istituto},
    {u"IBAN", &PaymentDetail::iban},
    {u"ABI", &PaymentDetail::abi},
    {u"CAB", &PaymentDetail::cab},
    {u"BIC", &PaymentDetail::bic},
};

struct DocumentField {
    const char16_t* name;
    QString Body::*member;
};
constexpr DocumentField kDocumentFields[] = {
    {u"TipoDocumento", &Body::tipoDocumento},
    {u"Divisa", &Body::divisa},
    {u"Data", &Body::data},
    {u"Numero", &Body::numero},
    {u"ImportoTotaleDocumento", &Body::importoTotale},
};

struct AttachmentField {
    const char16_t* name;
    QString Attachment::*member;
};
constexpr AttachmentField kAttachmentFields[] = {
    {u"NomeAttachment", &Attachment::nome},
    {u"FormatoAttachment", &Attachment::formato},
    {u"DescrizioneAttachment", &Attachment::descrizione},
    {u"AlgoritmoCompressione", &Attachment::compressione},
};

ReadError fault(ReadFault f) {
    return ReadError{f, 0, {}};
}

// Walks the document once, element by element, keeping the local names of
// the open elements; what an element holds is taken when it closes.
class Reader {
public:
    explicit Reader(const QByteArray& xml) : xml_(xml) {}

    std::variant<Invoice, ReadError> run() {
        bool sawRoot = false;
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
                case QXmlStreamReader::DTD:
                    // Invoices never declare a document type; refusing one
                    // also keeps entity tricks out.
                    return fault(ReadFault::ForbiddenDtd);
                case QXmlStreamReader::StartElement:
                    if (!sawRoot) {
                        sawRoot = true;
                        const QStringView root = xml_.name();
                        if (root == u"FatturaElettronicaSemplificata")
                            return fault(ReadFault::Simplified);
                        if (root != u"FatturaElettronica")
                            return ReadError{ReadFault::OtherKind, 0, root.toString()};
                        invoice_.versione = xml_.attributes()
                                                .value(QStringLiteral("versione"))
                                                .toString()
                                                .trimmed();
                    }
                    path_.append(xml_.name().toString());
                    text_.clear();
                    opened();
                    break;
                case QXmlStreamReader::Characters:
                    text_ += xml_.text();
                    break;
                case QXmlStreamReader::EndElement:
                    closed();
                    path_.removeLast();
                    text_.clear();
                    break;
                default:
                    break;
            }
        }
        if (xml_.hasError()) {
            if (!sawRoot) return fault(ReadFault::NotXml);
            if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                return fault(ReadFault::Truncated);
            return ReadError{ReadFault::Malformed, xml_.lineNumber(), {}};
        }
        if (!sawRoot) return fault(ReadFault::NotXml);
        if (invoice_.bodies.isEmpty()) return fault(ReadFault::NoBody);
        return std::move(invoice_);
    }

private:
    bool at(qsizetype depth, QStringView name) const {
        return path_.size() > depth && path_[depth] == name;
    }
    // The local names from `from` to the innermost, joined by '/'.
    QString tail(qsizetype from) const {
        QString joined;
        for (qsizetype i = from; i < path_.size(); ++i) {
            if (i > from) joined += u'/';
            joined += path_[i];
        }
        return joined;
    }

    void opened() {
        const qsizetype depth = path_.size();
        if (depth == 2 && at(1, u"FatturaElettronicaBody")) {
            invoice_.bodies.append(Body{});
            lines_ = 0;
            return;
        }
        if (!at(1, u"FatturaElettronicaBody") || invoice_.bodies.isEmpty()) return;
        Body& body = invoice_.bodies.last();
        if (depth == 4 && at(2, u"DatiBeniServizi") && at(3, u"DettaglioLinee")) ++lines_;
        if (depth == 4 && at(2, u"DatiBeniServizi") && at(3, u"DatiRiepilogo"))
            body.summary.append(SummaryLine{});
        if (depth == 3 && at(2, u"DatiPagamento")) body.terms.append(PaymentTerms{});
        if (depth == 4 && at(2, u"DatiPagamento") && at(3, u"DettaglioPagamento") &&
            !body.terms.isEmpty())
            body.terms.last().details.append(PaymentDetail{});
        if (depth == 3 && at(2, u"Allegati")) body.attachments.append(Attachment{});
    }

    void closed() {
        const qsizetype depth = path_.size();
        if (depth >= 4 && at(1, u"FatturaElettronicaHeader")) {
            Party* party = at(2, u"CedentePrestatore")        ? &invoice_.seller
                           : at(2, u"CessionarioCommittente") ? &invoice_.buyer
                                                              : nullptr;
            if (!party) return;
            const QString sub = tail(3);
            for (const auto& f : kPartyFields) {
                if (sub == QStringView(f.path)) {
                    QString value = text_.trimmed();
                    if (f.member == &Party::vatCountry || f.member == &Party::fiscalCode ||
                        f.member == &Party::vatCode)
                        value = value.toUpper().remove(u' ');
                    party->*f.member = value;
                    return;
                }
            }
            return;
        }
        if (depth < 4 || !at(1, u"FatturaElettronicaBody") || invoice_.bodies.isEmpty()) return;
        Body& body = invoice_.bodies.last();
        const QStringView leaf = path_.last();
        if (depth == 5 && at(2, u"DatiGenerali") && at(3, u"DatiGeneraliDocumento")) {
            if (leaf == u"Causale") {
                const QString t = text_.trimmed();
                if (!t.isEmpty()) body.causali.append(t);
                return;
            }
            for (const auto& f : kDocumentFields)
                if (leaf == QStringView(f.name)) body.*f.member = text_.trimmed();
            return;
        }
        if (depth == 5 && at(2, u"DatiBeniServizi") && at(3, u"DettaglioLinee")) {
            if (leaf == u"Descrizione" && lines_ == 1 && body.firstLineDescription.isEmpty())
                body.firstLineDescription = text_.trimmed();
            return;
        }
        if (depth == 5 && at(2, u"DatiBeniServizi") && at(3, u"DatiRiepilogo") &&
            !body.summary.isEmpty()) {
            if (leaf == u"ImponibileImporto") body.summary.last().imponibile = text_.trimmed();
            if (leaf == u"Imposta") body.summary.last().imposta = text_.trimmed();
            return;
        }
        if (at(2, u"DatiPagamento") && !body.terms.isEmpty()) {
            PaymentTerms& terms = body.terms.last();
            if (depth == 4 && leaf == u"CondizioniPagamento") terms.condizioni = text_.trimmed();
            if (depth == 5 && at(3, u"DettaglioPagamento") && !terms.details.isEmpty()) {
                for (const auto& f : kDetailFields)
                    if (leaf == QStringView(f.name))
                        terms.details.last().*f.member = text_.trimmed();
            }
            return;
        }
        if (depth == 4 && at(2, u"Allegati") && !body.attachments.isEmpty()) {
            Attachment& a = body.attachments.last();
            if (leaf == u"Attachment") {
                a.base64 = text_.toLatin1();
                return;
            }
            for (const auto& f : kAttachmentFields)
                if (leaf == QStringView(f.name)) a.*f.member = text_.trimmed();
        }
    }

    QXmlStreamReader xml_;
    Invoice invoice_;
    QStringList path_;
    QString text_;
    int lines_ = 0;
};

}  // namespace

std::variant<Invoice, ReadError> readInvoice(const QByteArray& xml) {
    Reader reader(xml);
    return reader.run();
}

}  // namespace vt::invoices
