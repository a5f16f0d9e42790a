#include "invoices/logic/envelope.h"

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/err.h>
#include <openssl/objects.h>

#include <memory>

namespace vt::invoices {

namespace {

// Envelopes inside envelopes are opened this many times at most.
constexpr int kMaxNesting = 4;

struct CmsFree {
    void operator()(CMS_ContentInfo* cms) const { CMS_ContentInfo_free(cms); }
};
struct BioFree {
    void operator()(BIO* bio) const { BIO_free(bio); }
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The DER bytes of an envelope given as DER or as base64 text; nothing for
// text that is not base64.
std::optional<QByteArray> derBytes(QByteArrayView bytes) {
    if (bytes.isEmpty()) return std::nullopt;
    if (static_cast<unsigned char>(bytes.front()) == 0x30) return bytes.toByteArray();
    // Base64 text: drop the header and footer lines of a PEM-style file and
    // every blank, then decode strictly.
    QByteArray text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        if (!line.trimmed().startsWith("-----")) {
            for (char c : line)
                if (!isBlank(c)) text += c;
        }
        start = end + 1;
    }
    auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty()) return std::nullopt;
    if (static_cast<unsigned char>(decoded.decoded.front()) != 0x30) return std::nullopt;
    return std::move(decoded.decoded);
}

std::optional<QByteArray> openOnce(QByteArrayView bytes) {
    const auto der = derBytes(bytes);
    if (!der) return std::nullopt;
    const std::unique_ptr<BIO, BioFree> in(
        BIO_new_mem_buf(der->constData(), static_cast<int>(der->size())));
    if (!in) return std::nullopt;
    const std::unique_ptr<CMS_ContentInfo, CmsFree> cms(d2i_CMS_bio(in.get(), nullptr));
    if (!cms || OBJ_obj2nid(CMS_get0_type(cms.get())) != NID_pkcs7_signed) {
        ERR_clear_error();
        return std::nullopt;
    }
    ASN1_OCTET_STRING** content = CMS_get0_content(cms.get());
    if (!content || !*content) {
        ERR_clear_error();
        return std::nullopt;
    }
    return QByteArray(reinterpret_cast<const char*>(ASN1_STRING_get0_data(*content)),
                      ASN1_STRING_length(*content));
}

}  // namespace

bool looksLikeEnvelope(QByteArrayView bytes) {
    for (char c : bytes) {
        if (isBlank(c)) continue;
        if (static_cast<unsigned char>(c) == 0x30) return true;  // DER, or base64 starting "0"
        // A DER SignedData in base64 begins "MI"; a PEM-style header "-----".
        return c == 'M' || c == '-';
    }
    return false;
}

std::optional<QByteArray> signedContent(QByteArrayView bytes) {
    auto content = openOnce(bytes);
    if (!content) return std::nullopt;
    for (int level = 1; level < kMaxNesting && looksLikeEnvelope(*content); ++level) {
        auto inner = openOnce(*content);
        if (!inner) break;
        content = std::move(inner);
    }
    return content;
}

}  // namespace vt::invoices
