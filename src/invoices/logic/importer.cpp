#include "invoices/logic/importer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>

#include "archive/codec.h"
#include "archive/recordfile.h"
#include "archive/texts.h"
#include "invoices/logic/copyname.h"
#include "invoices/logic/invoice.h"
#include "invoices/logic/payments.h"
#include "invoices/logic/wording.h"
#include "movements/logic/attachments.h"

namespace vt::invoices {

// What the import needs beyond the rows: each invoice's plan, the bytes of
// its file, and which rows its payments are.
struct PlannedInvoice {
    InvoicePlan plan;
    QString fileName;
    QByteArray original;
    QString yearPath;
    QList<qsizetype> rows;  // one per payment, in order
    QList<QString> keys;    // one per payment
};

struct PreviewPlan {
    QList<PlannedInvoice> invoices;
};

namespace {

// ---- Progress -------------------------------------------------------------

// Maps the steps of a long action onto one run of thousandths.
class Meter {
public:
    explicit Meter(const Progress& progress) : progress_(progress) {}
    // The part of the run from `from` to `to` thousandths, `done` of `total`.
    bool at(int from, int to, qint64 done, qint64 total) {
        if (!progress_ || stopped_) return !stopped_;
        const qint64 span = to - from;
        const int value =
            from + static_cast<int>(total > 0 ? span * std::min(done, total) / total : span);
        if (!progress_(value)) stopped_ = true;
        return !stopped_;
    }
    bool stopped() const { return stopped_; }

private:
    const Progress& progress_;
    bool stopped_ = false;
};

// ---- Reading the archive without creating anything -------------------------

// Every scan of the preview first asks whether the file is there: the
// archive layer opens its files creating them when missing, and a preview
// must leave the program folder as it found it.
bool present(const QString& path) {
    return QFileInfo(path).isFile();
}

std::optional<QSet<QString>> keysOf(const QString& yearPath) {
    QSet<QString> keys;
    if (!present(yearPath)) return keys;
    const MovementFile file(yearPath);
    const auto status = file.scan([&](qint64, QByteArrayView bytes) {
        keys.insert(paymentKey(MovementRecord(bytes.toByteArray())));
        return true;
    });
    if (!status) return std::nullopt;
    return keys;
}

std::optional<RegistryIndex> registryIndex() {
    RegistryIndex index;
    const QString path = clientiFilePath();
    if (!present(path)) return index;
    const ClientFile file(path);
    const auto status = file.scan([&](qint64, QByteArrayView bytes) {
        index.add(ClientRecord(bytes.toByteArray()));
        return true;
    });
    if (!status) return std::nullopt;
    return index;
}

// ---- Writing: every write of the import, in one place ----------------------

// The import writes only through this class: registry cards and movement
// records through the archive layer, attachment copies into the attachment
// folder. Keeping every write here lets the whole import later run under
// the archive's one exclusive lock.
//
// The copies of a whole import are written first under temporary names,
// made durable with one sync of the folder's file system, and only then
// given their names: so no record ever names a copy that a crash could
// lose, and a thousand copies cost one wait for the disk instead of a
// thousand.
class ArchiveWrites {
public:
    ~ArchiveWrites() { discardCopies(); }

    FileStatus appendCard(const clients::CardTexts& card) {
        const auto position = ClientFile(clientiFilePath()).append(clients::encode(card));
        if (!position) return position.failure();
        return Done{};
    }

    FileStatus appendPayment(const QString& yearPath, const MovementRecord& record) {
        const auto position = MovementFile(yearPath).append(record);
        if (!position) return position.failure();
        return Done{};
    }

    // The name under which `bytes` will be kept in the attachment folder,
    // derived from `wanted`. A file of that name already holding the same
    // bytes (the same invoice imported before, or earlier in this import)
    // is reused; otherwise the bytes are written under a temporary name
    // until commitCopies().
    std::optional<QString> stageCopy(const QString& wanted, const QByteArray& bytes) {
        const QString folder = attach::folder();
        if (!folderReady_ && !QDir().mkpath(folder)) return std::nullopt;
        folderReady_ = true;
        for (int n = 1; n < 10000; ++n) {
            const QString name = copyNameCandidate(wanted, n);
            if (const auto it = staged_.constFind(name); it != staged_.cend()) {
                if (it->bytes == bytes) return name;
                continue;
            }
            const QString path = folder + name;
            const QFileInfo info(path);
            if (info.exists()) {
                if (info.isFile() && info.size() == bytes.size()) {
                    QFile existing(path);
                    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
                        return name;
                }
                continue;
            }
            const auto temporary = writeTemporary(folder, bytes);
            if (!temporary) return std::nullopt;
            staged_.insert(name, Staged{*temporary, bytes});
            return name;
        }
        return std::nullopt;
    }

    // Makes the staged copies durable and gives them their names; the name
    // of the first that could not take its name, or nothing when all did.
    std::optional<QString> commitCopies() {
        if (staged_.isEmpty()) return std::nullopt;
        const QByteArray folder = QFile::encodeName(attach::folder());
        const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0) return staged_.cbegin().key();
        bool synced = ::syncfs(dir) == 0;
        if (!synced) {
            synced = true;
            for (const Staged& s : std::as_const(staged_)) synced = synced && syncFile(s.temporary);
        }
        if (!synced) {
            ::close(dir);
            return staged_.cbegin().key();
        }
        QString last;
        for (auto it = staged_.begin(); it != staged_.end();) {
            // Never over a file that appeared meanwhile.
            if (!QFile::rename(it->temporary, attach::folder() + it.key())) {
                ::close(dir);
                return it.key();
            }
            last = it.key();
            it = staged_.erase(it);
        }
        // The names themselves are made durable too.
        const bool folderSynced = ::fsync(dir) == 0;
        ::close(dir);
        if (!folderSynced) return last;
        return std::nullopt;
    }

    // Removes what was staged and never named.
    void discardCopies() {
        for (const Staged& s : std::as_const(staged_)) QFile::remove(s.temporary);
        staged_.clear();
    }

private:
    struct Staged {
        QString temporary;
        QByteArray bytes;
    };

    // A new file in `folder` under a name of its own holding `bytes`
    // (written, not yet synced), or nothing.
    std::optional<QString> writeTemporary(const QString& folder, const QByteArray& bytes) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString path = folder + QStringLiteral(".importazione-%1-%2.tmp")
                                              .arg(QCoreApplication::applicationPid())
                                              .arg(++temporaries_);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
                if (QFileInfo::exists(path)) continue;
                return std::nullopt;
            }
            const bool written = file.write(bytes) == bytes.size();
            file.close();
            if (!written || file.error() != QFileDevice::NoError) {
                QFile::remove(path);
                return std::nullopt;
            }
            return path;
        }
        return std::nullopt;
    }

    static bool syncFile(const QString& path) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool ok = ::fsync(fd) == 0;
        ::close(fd);
        return ok;
    }

    QMap<QString, Staged> staged_;
    bool folderReady_ = false;
    int temporaries_ = 0;
};

// ---- Building the preview ---------------------------------------------------

QString readReason(const ReadError& error) {
    switch (error.fault) {
        case ReadFault::NotXml:
            return wording::notXml();
        case ReadFault::Truncated:
            return wording::truncated();
        case ReadFault::Malformed:
            return wording::malformed(error.line);
        case ReadFault::ForbiddenDtd:
            return wording::forbiddenDtd();
        case ReadFault::OtherKind:
            return wording::otherKind(error.rootName);
        case ReadFault::Simplified:
            return wording::simplified();
        case ReadFault::NoBody:
            return wording::noBody();
    }
    return wording::notXml();
}

PreviewRow fileRow(const SourceItem& item, RowState state, const QString& reason) {
    PreviewRow row;
    row.file = item.display;
    row.path = item.path;
    row.state = state;
    row.reason = reason;
    return row;
}

// A row of an invoice that cannot be imported keeps what the invoice says
// of itself, so that the user can find it.
PreviewRow invoiceRow(const SourceItem& item, const Body& body, const QString& reason) {
    PreviewRow row = fileRow(item, RowState::NotImportable, reason);
    row.typeCode = body.tipoDocumento;
    row.documentType =
        body.tipoDocumento.isEmpty() ? QString() : wording::documentWord(body.tipoDocumento);
    row.number = body.numero;
    const QDate day = QDate::fromString(body.data.left(10), Qt::ISODate);
    row.date = day.isValid() ? dateText(day) : body.data;
    return row;
}

PreviewRow paymentRow(const SourceItem& item, const InvoicePlan& plan, const PlannedPayment& p) {
    PreviewRow row = fileRow(item, RowState::New, QString());
    row.typeCode = plan.tipoDocumento;
    row.documentType = wording::documentWord(plan.tipoDocumento);
    row.number = plan.numero;
    row.date = dateText(plan.date);
    row.counterpart = p.card.incoming ? p.card.pagatore : p.card.beneficiario;
    row.direction = p.card.incoming ? wording::kIncoming : wording::kOutgoing;
    row.amount = p.card.importo;
    row.amountNote = p.amount == AmountSource::DocumentTotal ? wording::kAmountFromTotal
                     : p.amount == AmountSource::Summary     ? wording::kAmountFromSummary
                                                             : QString();
    row.dueDate = p.card.dataSca;
    row.dueNote = p.due == DueSource::Computed      ? wording::kDueComputed
                  : p.due == DueSource::InvoiceDate ? wording::kDueMissing
                                                    : QString();
    row.method = p.method;
    row.year = yearOf(plan.date);
    return row;
}

void notImportable(PreviewRow& row, const QString& reason) {
    row.state = RowState::NotImportable;
    row.reason = reason;
    row.registry.clear();
}

}  // namespace

// ---- Checks -------------------------------------------------------------------

QString stateText(RowState state) {
    switch (state) {
        case RowState::New:
            return wording::kStateNew;
        case RowState::Present:
            return wording::kStatePresent;
        case RowState::Repeated:
            return wording::kStateRepeated;
        case RowState::NotImportable:
            return wording::kStateNotImportable;
        case RowState::Skipped:
            return wording::kStateSkipped;
        case RowState::Imported:
            return wording::kStateImported;
    }
    return {};
}

std::optional<RequestProblem> checkRequest(const Request& request) {
    using F = RequestProblem::Field;
    if (const auto problem = checkOffice(request.office))
        return RequestProblem{
            problem->field == OfficeProblem::Field::VatNumber ? F::VatNumber : F::FiscalCode,
            problem->message};
    const QString notice = vt::trimmed(request.notice);
    bool digits = !notice.isEmpty() && notice.size() <= 3;
    for (QChar c : notice) digits = digits && c >= u'0' && c <= u'9';
    if (!digits) return RequestProblem{F::Notice, wording::noticeMissing()};
    if (request.paths.isEmpty()) return RequestProblem{F::Files, wording::noFiles()};
    return std::nullopt;
}

int Preview::count(RowState state) const {
    int n = 0;
    for (const PreviewRow& row : rows) n += row.state == state ? 1 : 0;
    return n;
}

int Preview::newCards() const {
    QSet<QString> cards;
    if (!plan) return 0;
    for (const PlannedInvoice& invoice : plan->invoices) {
        for (qsizetype row : invoice.rows) {
            if (rows[row].state == RowState::New && rows[row].registry == wording::kRegistryNew) {
                cards.insert(invoice.plan.registryCard.cliente + u'\x1F' +
                             invoice.plan.registryCard.partitaIva + u'\x1F' +
                             invoice.plan.registryCard.codFisc);
                break;
            }
        }
    }
    return static_cast<int>(cards.size());
}

int Preview::failedFiles() const {
    QSet<QString> files;
    for (const PreviewRow& row : rows)
        if (row.state == RowState::NotImportable) files.insert(row.file);
    return static_cast<int>(files.size());
}

Preview buildPreview(const Request& request, const Progress& progress) {
    Preview preview;
    preview.problem = checkRequest(request);
    if (preview.problem) return preview;
    preview.plan = std::make_shared<PreviewPlan>();
    Meter meter(progress);
    const QString notice = vt::trimmed(request.notice);

    // Reading the files: the bulk of the time for a large archive.
    const Progress reading = [&](int thousandths) { return meter.at(0, 700, thousandths, 1000); };
    bool cancelled = false;
    const QList<SourceItem> items = readSources(request.paths, request.limits, reading, &cancelled);
    if (cancelled) {
        preview.cancelled = true;
        preview.plan.reset();
        return preview;
    }

    for (qsizetype i = 0; i < items.size(); ++i) {
        const SourceItem& item = items[i];
        if (!meter.at(700, 850, i, items.size())) break;
        if (item.kind == SourceItem::Kind::Skipped) {
            preview.rows << fileRow(item, RowState::Skipped, item.reason);
            continue;
        }
        if (item.kind == SourceItem::Kind::Failed) {
            preview.rows << fileRow(item, RowState::NotImportable, item.reason);
            continue;
        }
        const auto read = readInvoice(item.xml);
        if (const auto* error = std::get_if<ReadError>(&read)) {
            // Inside an archive an XML of another kind is one more file that
            // is not an invoice; chosen on its own it is a mistake to show.
            if (item.insideZip && error->fault == ReadFault::OtherKind)
                preview.rows << fileRow(item, RowState::Skipped, wording::skippedNotInvoice());
            else
                preview.rows << fileRow(item, RowState::NotImportable, readReason(*error));
            continue;
        }
        const Invoice& invoice = std::get<Invoice>(read);
        for (qsizetype b = 0; b < invoice.bodies.size(); ++b) {
            auto planned = planInvoice(invoice, b, request.office, notice, item.fileName);
            if (const auto* reason = std::get_if<QString>(&planned)) {
                preview.rows << invoiceRow(item, invoice.bodies[b], *reason);
                continue;
            }
            PlannedInvoice entry;
            entry.plan = std::move(std::get<InvoicePlan>(planned));
            entry.fileName = item.fileName;
            entry.original = item.original;
            entry.yearPath = yearFilePath(yearOf(entry.plan.date));
            for (const PlannedPayment& p : entry.plan.payments) {
                entry.rows << preview.rows.size();
                entry.keys << paymentKey(card::encode(p.card));
                preview.rows << paymentRow(item, entry.plan, p);
            }
            preview.plan->invoices << std::move(entry);
        }
    }
    if (meter.stopped()) {
        preview.rows.clear();
        preview.plan.reset();
        preview.cancelled = true;
        return preview;
    }

    // What the archive already holds, read only where the files are there.
    QStringList years;
    for (const PlannedInvoice& invoice : preview.plan->invoices)
        if (!years.contains(invoice.yearPath)) years << invoice.yearPath;
    QHash<QString, std::optional<QSet<QString>>> stored;
    for (qsizetype y = 0; y < years.size(); ++y) {
        if (!meter.at(850, 1000, y, years.size() + 1)) break;
        stored.insert(years[y], keysOf(years[y]));
    }
    const std::optional<RegistryIndex> registry = meter.stopped() ? std::nullopt : registryIndex();
    if (meter.stopped() || !meter.at(850, 1000, 1, 1)) {
        preview.rows.clear();
        preview.plan.reset();
        preview.cancelled = true;
        return preview;
    }

    QSet<QString> seen;
    for (const PlannedInvoice& invoice : preview.plan->invoices) {
        const auto& keys = stored.value(invoice.yearPath);
        const bool newCard = registry && !registry->has(invoice.plan.counterpart);
        for (qsizetype k = 0; k < invoice.rows.size(); ++k) {
            PreviewRow& row = preview.rows[invoice.rows[k]];
            const QString& key = invoice.keys[k];
            if (!keys) {
                notImportable(row, wording::yearFileUnreadable(row.year));
            } else if (keys->contains(key)) {
                row.state = RowState::Present;
            } else if (seen.contains(key)) {
                row.state = RowState::Repeated;
            } else if (!registry) {
                notImportable(row, wording::registryUnreadable());
            } else {
                seen.insert(key);
                row.state = RowState::New;
                row.registry = newCard ? wording::kRegistryNew : wording::kRegistryExisting;
            }
        }
    }
    return preview;
}

// ---- Importing ------------------------------------------------------------------

int ImportReport::written() const {
    int n = 0;
    for (const auto& y : writtenByYear) n += y.second;
    return n;
}

ImportReport importPreview(Preview& preview, const Progress& progress) {
    ImportReport report;
    report.failedFiles = preview.failedFiles();
    report.present = preview.count(RowState::Present);
    report.repeated = preview.count(RowState::Repeated);
    if (!preview.plan) return report;
    Meter meter(progress);
    ArchiveWrites writes;
    QMap<QString, int> perYear;
    const auto finish = [&] {
        for (auto it = perYear.cbegin(); it != perYear.cend(); ++it)
            if (it.value() > 0) report.writtenByYear << qMakePair(it.key(), it.value());
        return report;
    };
    const auto stopOn = [&](ImportReport::Stop stop, const QString& file) {
        report.stop = stop;
        report.stopFile = QFileInfo(file).fileName();
    };

    int total = 0;
    for (const PlannedInvoice& invoice : preview.plan->invoices)
        for (qsizetype row : invoice.rows)
            total += preview.rows[row].state == RowState::New ? 1 : 0;
    if (total == 0) return finish();

    // Looked at again: a card or a payment may have reached the archive
    // since the preview (a second press of the import, another window).
    auto registry = registryIndex();
    if (!registry) {
        stopOn(ImportReport::Stop::Archive, clientiFilePath());
        return finish();
    }
    QHash<QString, QSet<QString>> stored;
    for (const PlannedInvoice& invoice : preview.plan->invoices) {
        if (stored.contains(invoice.yearPath)) continue;
        bool needed = false;
        for (qsizetype row : invoice.rows)
            needed = needed || preview.rows[row].state == RowState::New;
        if (!needed) continue;
        auto keys = keysOf(invoice.yearPath);
        if (!keys) {
            stopOn(ImportReport::Stop::Archive, invoice.yearPath);
            return finish();
        }
        stored.insert(invoice.yearPath, std::move(*keys));
    }

    // What each invoice still has to write: payments that reached their
    // year file meanwhile are not written again.
    QList<QList<qsizetype>> todo(preview.plan->invoices.size());
    for (qsizetype i = 0; i < preview.plan->invoices.size(); ++i) {
        const PlannedInvoice& invoice = preview.plan->invoices[i];
        for (qsizetype k = 0; k < invoice.rows.size(); ++k) {
            PreviewRow& row = preview.rows[invoice.rows[k]];
            if (row.state != RowState::New) continue;
            if (stored[invoice.yearPath].contains(invoice.keys[k])) {
                row.state = RowState::Present;
                row.registry.clear();
                ++report.present;
                --total;
                continue;
            }
            todo[i] << k;
        }
    }

    // The copies first, for the whole import: a copy left without a record
    // harms nothing, a record naming a missing copy would.
    constexpr int kCopiesPart = 200;
    QList<std::optional<QString>> invoiceCopies(todo.size()), pdfCopies(todo.size());
    for (qsizetype i = 0; i < todo.size(); ++i) {
        if (todo[i].isEmpty()) continue;
        if (!meter.at(0, kCopiesPart, i, todo.size())) {
            report.stop = ImportReport::Stop::Cancelled;
            return finish();
        }
        const PlannedInvoice& invoice = preview.plan->invoices[i];
        invoiceCopies[i] = writes.stageCopy(invoice.fileName, invoice.original);
        if (!invoiceCopies[i]) {
            stopOn(ImportReport::Stop::Copy, invoice.fileName);
            return finish();
        }
        if (invoice.plan.pdf) {
            pdfCopies[i] = writes.stageCopy(invoice.plan.pdf->name, invoice.plan.pdf->bytes);
            if (!pdfCopies[i]) {
                stopOn(ImportReport::Stop::Copy, invoice.plan.pdf->name);
                return finish();
            }
        }
    }
    if (const auto failedCopy = writes.commitCopies()) {
        stopOn(ImportReport::Stop::Copy, *failedCopy);
        return finish();
    }

    int done = 0;
    meter.at(kCopiesPart, 1000, 0, total);
    for (qsizetype i = 0; i < todo.size(); ++i) {
        if (todo[i].isEmpty()) continue;
        // An invoice's payments are written together: the import stops
        // between invoices, never inside one.
        if (meter.stopped()) {
            report.stop = ImportReport::Stop::Cancelled;
            break;
        }
        PlannedInvoice& invoice = preview.plan->invoices[i];
        if (!registry->has(invoice.plan.counterpart)) {
            if (!writes.appendCard(invoice.plan.registryCard)) {
                stopOn(ImportReport::Stop::Archive, clientiFilePath());
                break;
            }
            registry->add(invoice.plan.registryCard);
            ++report.cardsCreated;
        }

        bool failed = false;
        for (qsizetype k : todo[i]) {
            card::CardTexts c = invoice.plan.payments[k].card;
            c.file01 = *invoiceCopies[i];
            c.desc01 = wording::kInvoiceCopyDescription;
            if (pdfCopies[i]) {
                c.file02 = *pdfCopies[i];
                c.desc02 = invoice.plan.pdf->description;
            }
            if (!writes.appendPayment(invoice.yearPath, card::encode(c))) {
                stopOn(ImportReport::Stop::Archive, invoice.yearPath);
                failed = true;
                break;
            }
            stored[invoice.yearPath].insert(invoice.keys[k]);
            ++perYear[preview.rows[invoice.rows[k]].year];
            preview.rows[invoice.rows[k]].state = RowState::Imported;
            report.importedRows << invoice.rows[k];
            meter.at(kCopiesPart, 1000, ++done, total);
        }
        if (failed) break;
    }
    return finish();
}

Summary summary(const ImportReport& report) {
    Summary s;
    QStringList paragraphs;
    switch (report.stop) {
        case ImportReport::Stop::None:
            paragraphs << wording::summaryDone();
            break;
        case ImportReport::Stop::Cancelled:
            paragraphs << wording::summaryCancelled();
            break;
        case ImportReport::Stop::Archive:
            s.error = true;
            paragraphs << accessFailureMessage()
                       << wording::summaryStopped() + u' ' +
                              wording::summaryStoppedAt(report.stopFile);
            break;
        case ImportReport::Stop::Copy:
            s.error = true;
            paragraphs << wording::copyFailed(report.stopFile) << wording::summaryStopped();
            break;
    }
    QStringList account{wording::summaryWritten(report.writtenByYear),
                        wording::summaryCards(report.cardsCreated),
                        wording::summaryPresent(report.present)};
    if (report.repeated > 0) account << wording::summaryRepeated(report.repeated);
    account << wording::summaryFailedFiles(report.failedFiles);
    paragraphs << account.join(u' ');
    s.text = paragraphs.join(wording::kMessageBreak);
    return s;
}

}  // namespace vt::invoices
