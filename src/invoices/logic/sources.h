#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// From the files the user chose to the invoice documents they hold: plain
// XML, signed .p7m envelopes, and zip archives of either next to files that
// are not invoices.
namespace vt::invoices {

// How far a long step has got, in thousandths; false asks it to stop.
using Progress = std::function<bool(int thousandths)>;

// Limits that keep a crafted or mistaken file from taking the machine's
// memory: the exchange system itself refuses invoices above a few megabytes.
struct ReadLimits {
    qint64 maxDocumentBytes = 20LL * 1024 * 1024;  // one invoice file, signed or not
    qint64 maxZipEntries = 20000;
    qint64 maxZipBytes = 512LL * 1024 * 1024;  // everything a zip unpacks to
};

// One item found in the chosen files.
struct SourceItem {
    enum class Kind {
        Document,  // an invoice candidate: `xml` holds its XML
        Skipped,   // not an invoice (metadata, receipts, PDFs, ...): not an error
        Failed,    // could not be read: `reason` says why
    };
    Kind kind = Kind::Failed;
    QString display;      // what a row shows: "fatture.zip \u203A IT0123_a.xml" or "IT0123_a.xml"
    QString path;         // the chosen file's full path
    QString fileName;     // the document's own file name, for its copy
    QByteArray original;  // the bytes as delivered (the signed envelope for a .p7m)
    QByteArray xml;
    QString reason;
    bool insideZip = false;
};

// Reads every chosen file in order. Progress runs over the bytes of the
// chosen files; `cancelled` is set when it asked to stop (what was read so
// far is returned).
QList<SourceItem> readSources(const QStringList& paths, const ReadLimits& limits,
                              const Progress& progress, bool* cancelled);

// What a file inside a zip is, by its name alone: an exchange-system message
// (metadata, receipt, notice), a PDF, a nested archive, another file, or an
// invoice candidate (.xml, .p7m). The reason when it is passed over.
std::optional<QString> skipReason(const QString& entryName);

}  // namespace vt::invoices
