#include "einvoices.h"

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/evp.h>
#include <openssl/x509.h>
#include <zip.h>

#include <QFile>
#include <QStringEncoder>
#include <QXmlStreamWriter>
#include <memory>

namespace vt::test::einvoice {

PartyData office() {
    PartyData p;
    p.vat = kOfficeVat;
    p.fiscalCode = kOfficeVat;
    p.denominazione = QStringLiteral("Studio Verdi S.r.l.");
    return p;
}

PartyData supplier() {
    PartyData p;
    p.vat = kSupplierVat;
    p.denominazione = QStringLiteral("Forniture Bianchi S.p.A.");
    p.indirizzo = QStringLiteral("Corso Italia");
    p.civico = QStringLiteral("12");
    p.cap = QStringLiteral("00184");
    p.comune = QStringLiteral("Roma");
    p.provincia = QStringLiteral("RM");
    p.telefono = QStringLiteral("06 1234567");
    p.email = QStringLiteral("amministrazione@bianchi.example");
    return p;
}

PartyData customer() {
    PartyData p;
    p.vat = kCustomerVat;
    p.fiscalCode = kCustomerVat;
    p.denominazione = QStringLiteral("Rossi Costruzioni S.n.c.");
    p.indirizzo = QStringLiteral("Piazza Duomo");
    p.civico = QStringLiteral("3");
    p.cap = QStringLiteral("50122");
    p.comune = QStringLiteral("Firenze");
    p.provincia = QStringLiteral("FI");
    p.email = QStringLiteral("rossi@example.it");
    return p;
}

BodyData simpleBody(const QString& numero, const QString& amount, const QString& due) {
    BodyData b;
    b.numero = numero;
    b.totale = amount;
    PaymentData p;
    p.importo = amount;
    p.scadenza = due;
    p.iban = QStringLiteral("IT60X0542811101000000123456");
    p.istituto = QStringLiteral("Banca Esempio");
    b.terms = {TermsData{QStringLiteral("TP02"), {p}}};
    return b;
}

InvoiceData received(const QList<BodyData>& bodies) {
    return {QStringLiteral("p"), supplier(), office(), bodies};
}
InvoiceData issued(const QList<BodyData>& bodies) {
    return {QStringLiteral("p"), office(), customer(), bodies};
}

namespace {

void text(QXmlStreamWriter& w, const char* name, const QString& value) {
    if (!value.isEmpty()) w.writeTextElement(QString::fromLatin1(name), value);
}

void party(QXmlStreamWriter& w, const char* role, const PartyData& p) {
    w.writeStartElement(QString::fromLatin1(role));
    w.writeStartElement(QStringLiteral("DatiAnagrafici"));
    if (!p.vat.isEmpty()) {
        w.writeStartElement(QStringLiteral("IdFiscaleIVA"));
        text(w, "IdPaese", p.country);
        text(w, "IdCodice", p.vat);
        w.writeEndElement();
    }
    text(w, "CodiceFiscale", p.fiscalCode);
    w.writeStartElement(QStringLiteral("Anagrafica"));
    text(w, "Denominazione", p.denominazione);
    text(w, "Nome", p.nome);
    text(w, "Cognome", p.cognome);
    w.writeEndElement();
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("Sede"));
    text(w, "Indirizzo", p.indirizzo);
    text(w, "NumeroCivico", p.civico);
    text(w, "CAP", p.cap);
    text(w, "Comune", p.comune);
    text(w, "Provincia", p.provincia);
    text(w, "Nazione", p.nazione);
    w.writeEndElement();
    if (!p.telefono.isEmpty() || !p.email.isEmpty()) {
        w.writeStartElement(QStringLiteral("Contatti"));
        text(w, "Telefono", p.telefono);
        text(w, "Email", p.email);
        w.writeEndElement();
    }
    w.writeEndElement();
}

void body(QXmlStreamWriter& w, const BodyData& b) {
    w.writeStartElement(QStringLiteral("FatturaElettronicaBody"));
    w.writeStartElement(QStringLiteral("DatiGenerali"));
    w.writeStartElement(QStringLiteral("DatiGeneraliDocumento"));
    text(w, "TipoDocumento", b.tipo);
    text(w, "Divisa", b.divisa);
    text(w, "Data", b.data);
    text(w, "Numero", b.numero);
    text(w, "ImportoTotaleDocumento", b.totale);
    for (const QString& c : b.causali) text(w, "Causale", c);
    w.writeEndElement();
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("DatiBeniServizi"));
    int line = 0;
    for (const QString& d : b.descrizioni) {
        w.writeStartElement(QStringLiteral("DettaglioLinee"));
        text(w, "NumeroLinea", QString::number(++line));
        text(w, "Descrizione", d);
        text(w, "PrezzoUnitario", QStringLiteral("100.00"));
        text(w, "PrezzoTotale", QStringLiteral("100.00"));
        text(w, "AliquotaIVA", QStringLiteral("22.00"));
        w.writeEndElement();
    }
    for (const auto& r : b.riepilogo) {
        w.writeStartElement(QStringLiteral("DatiRiepilogo"));
        text(w, "AliquotaIVA", QStringLiteral("22.00"));
        text(w, "ImponibileImporto", r.first);
        text(w, "Imposta", r.second);
        w.writeEndElement();
    }
    w.writeEndElement();
    for (const TermsData& t : b.terms) {
        w.writeStartElement(QStringLiteral("DatiPagamento"));
        text(w, "CondizioniPagamento", t.condizioni);
        for (const PaymentData& p : t.payments) {
            w.writeStartElement(QStringLiteral("DettaglioPagamento"));
            text(w, "ModalitaPagamento", p.modalita);
            text(w, "DataRiferimentoTerminiPagamento", p.dataRiferimento);
            text(w, "GiorniTerminiPagamento", p.giorni);
            text(w, "DataScadenzaPagamento", p.scadenza);
            text(w, "ImportoPagamento", p.importo);
            text(w, "IstitutoFinanziario", p.istituto);
            text(w, "IBAN", p.iban);
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    for (const AttachmentData& a : b.attachments) {
        w.writeStartElement(QStringLiteral("Allegati"));
        text(w, "NomeAttachment", a.nome);
        text(w, "FormatoAttachment", a.formato);
        text(w, "DescrizioneAttachment", a.descrizione);
        // Wrapped as many programs write it.
        QByteArray b64 = a.bytes.toBase64();
        QString wrapped;
        for (qsizetype i = 0; i < b64.size(); i += 76)
            wrapped += QString::fromLatin1(b64.mid(i, 76)) + u'\n';
        w.writeTextElement(QStringLiteral("Attachment"), wrapped);
        w.writeEndElement();
    }
    w.writeEndElement();
}

}  // namespace

QByteArray xml(const InvoiceData& doc, const QByteArray& encoding, bool bom) {
    const QString ns =
        QStringLiteral("http://ivaservizi.agenziaentrate.gov.it/docs/xsd/fatture/v1.2");
    QString out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    if (!doc.prefix.isEmpty()) {
        w.writeNamespace(ns, doc.prefix);
        w.writeStartElement(ns, QStringLiteral("FatturaElettronica"));
    } else {
        w.writeDefaultNamespace(ns);
        w.writeStartElement(QStringLiteral("FatturaElettronica"));
    }
    w.writeAttribute(QStringLiteral("versione"), QStringLiteral("FPR12"));
    w.writeStartElement(QStringLiteral("FatturaElettronicaHeader"));
    w.writeStartElement(QStringLiteral("DatiTrasmissione"));
    text(w, "ProgressivoInvio", QStringLiteral("00001"));
    text(w, "FormatoTrasmissione", QStringLiteral("FPR12"));
    text(w, "CodiceDestinatario", QStringLiteral("0000000"));
    w.writeEndElement();
    party(w, "CedentePrestatore", doc.seller);
    party(w, "CessionarioCommittente", doc.buyer);
    w.writeEndElement();
    for (const BodyData& b : doc.bodies) body(w, b);
    w.writeEndElement();

    const QString document = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n")
                                 .arg(QString::fromLatin1(encoding)) +
                             out + u'\n';
    QByteArray bytes;
    if (encoding == "UTF-8") {
        if (bom) bytes = "\xEF\xBB\xBF";
        bytes += document.toUtf8();
        return bytes;
    }
    QStringEncoder encoder(encoding.constData(), bom ? QStringConverter::Flag::WriteBom
                                                     : QStringConverter::Flag::Default);
    bytes = encoder.encode(document);
    return bytes;
}

namespace {

struct Signer {
    EVP_PKEY* key = nullptr;
    X509* cert = nullptr;
    Signer() {
        key = EVP_EC_gen("P-256");
        cert = X509_new();
        X509_set_version(cert, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
        X509_gmtime_adj(X509_getm_notBefore(cert), 0);
        X509_gmtime_adj(X509_getm_notAfter(cert), 3600);
        X509_set_pubkey(cert, key);
        X509_NAME* name = X509_get_subject_name(cert);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("Prova"), -1, -1, 0);
        X509_set_issuer_name(cert, name);
        X509_sign(cert, key, EVP_sha256());
    }
    ~Signer() {
        X509_free(cert);
        EVP_PKEY_free(key);
    }
};

}  // namespace

QByteArray signDer(const QByteArray& content) {
    static Signer signer;
    BIO* in = BIO_new_mem_buf(content.constData(), static_cast<int>(content.size()));
    CMS_ContentInfo* cms = CMS_sign(signer.cert, signer.key, nullptr, in, CMS_BINARY);
    BIO_free(in);
    if (!cms) return {};
    BIO* out = BIO_new(BIO_s_mem());
    i2d_CMS_bio(out, cms);
    char* data = nullptr;
    const long length = BIO_get_mem_data(out, &data);
    QByteArray der(data, static_cast<qsizetype>(length));
    BIO_free(out);
    CMS_ContentInfo_free(cms);
    return der;
}

QByteArray asBase64(const QByteArray& der, int width, bool header) {
    const QByteArray b64 = der.toBase64();
    QByteArray out;
    if (header) out += "-----BEGIN PKCS7-----\r\n";
    if (width <= 0) {
        out += b64;
    } else {
        for (qsizetype i = 0; i < b64.size(); i += width) out += b64.mid(i, width) + "\r\n";
    }
    if (header) out += "-----END PKCS7-----\r\n";
    return out;
}

bool writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries) {
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) return false;
    for (const auto& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.second.constData(),
                                                 static_cast<zip_uint64_t>(entry.second.size()), 0);
        if (!source ||
            zip_file_add(archive, entry.first.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

bool declareSize(const QString& path, quint32 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return false;
    QByteArray bytes = file.readAll();
    const auto put = [&](qsizetype at) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    };
    // Local headers hold the size at offset 22, central directory entries
    // at offset 24.
    for (qsizetype at = bytes.indexOf("PK\x03\x04"); at >= 0;
         at = bytes.indexOf("PK\x03\x04", at + 4))
        put(at + 22);
    for (qsizetype at = bytes.indexOf("PK\x01\x02"); at >= 0;
         at = bytes.indexOf("PK\x01\x02", at + 4))
        put(at + 24);
    file.seek(0);
    return file.write(bytes) == bytes.size();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace vt::test::einvoice
