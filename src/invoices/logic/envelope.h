#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace vt::invoices {

// The document inside a signed file (.p7m): a CMS SignedData envelope, as
// binary DER or as base64 text (with or without line breaks, with or
// without a PEM-style header). The content is taken out as it is: the
// signature is not checked, since a cash book only needs the invoice. An
// envelope that holds another envelope (signed twice) is opened down to the
// document. Nothing when the bytes are not such an envelope or it carries no
// content.
std::optional<QByteArray> signedContent(QByteArrayView bytes);

// Whether the bytes look like a base64 or DER envelope rather than XML, by
// their first significant byte; used to tell a signed file from a plain one
// whatever its name says.
bool looksLikeEnvelope(QByteArrayView bytes);

}  // namespace vt::invoices
