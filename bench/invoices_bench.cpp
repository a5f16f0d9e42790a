// The import of electronic invoices from a zip of 1,000 invoices: the
// preview next to just unpacking the zip and reading each XML with
// QXmlStreamReader, and the import of the payments next to appending the
// same records with the archive's own append.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "archive/recordfile.h"
#include "benchdata.h"
#include "einvoices.h"
#include "invoices/logic/importer.h"
#include "invoices/logic/wording.h"

namespace {

namespace ei = vt::test::einvoice;

constexpr int kInvoices = 1000;

// The downloads folder with the zip, made once.
struct Downloads {
    QTemporaryDir dir;
    QString zip;
    Downloads() {
        QList<QPair<QString, QByteArray>> entries;
        for (int i = 0; i < kInvoices; ++i) {
            // Fifty suppliers and fifty customers; one invoice in ten in
            // three instalments, one in twenty a credit note.
            ei::BodyData body = ei::simpleBody(
                QStringLiteral("%1/2024").arg(i + 1), QStringLiteral("%1.50").arg(100 + i),
                QStringLiteral("2024-%1-28").arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
            body.data = QStringLiteral("2024-%1-%2")
                            .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                            .arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
            body.causali = {
                QStringLiteral("Fornitura di materiale vario come da ordine n. %1").arg(i)};
            body.descrizioni = {QStringLiteral("Articolo A"), QStringLiteral("Articolo B"),
                                QStringLiteral("Trasporto")};
            if (i % 10 == 3) {
                ei::PaymentData rate = body.terms[0].payments[0];
                rate.importo = QStringLiteral("33.50");
                body.terms[0].payments = {rate, rate, rate};
                body.terms[0].payments[1].scadenza = QStringLiteral("2024-12-15");
                body.terms[0].payments[2].scadenza = QStringLiteral("2025-01-15");
            }
            if (i % 20 == 7) body.tipo = QStringLiteral("TD04");
            ei::InvoiceData doc = i % 2 ? ei::issued({body}) : ei::received({body});
            ei::PartyData& other = i % 2 ? doc.buyer : doc.seller;
            other.denominazione = QStringLiteral("Controparte %1 S.r.l.").arg(i % 50);
            other.vat =
                QStringLiteral("%1").arg(10000000000LL + (i % 50) * 7, 11, 10, QLatin1Char('0'));
            entries.append(
                {QStringLiteral("IT%1_%2.xml").arg(other.vat).arg(i, 5, 10, QLatin1Char('0')),
                 ei::xml(doc)});
        }
        zip = dir.filePath(QStringLiteral("fatture.zip"));
        ei::writeZip(zip, entries);
    }
};

const Downloads& downloads() {
    static const Downloads d;
    return d;
}

vt::invoices::Request request() {
    vt::invoices::Request r;
    r.paths = {downloads().zip};
    r.office = vt::invoices::OfficeIdentity{ei::kOfficeVat, QString()};
    return r;
}

// A fresh, empty program folder for the life of the object.
struct Folder {
    QTemporaryDir dir;
    Folder() { vt::bench::useProgramFolder(dir.path() + u'/'); }
    ~Folder() { vt::bench::useProgramFolder(QString()); }
};

void unpackAndRead(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(downloads().zip);
    for (auto _ : state) {
        int error = 0;
        zip_t* archive = zip_open(path.constData(), ZIP_RDONLY, &error);
        qint64 tokens = 0;
        const zip_int64_t n = zip_get_num_entries(archive, 0);
        for (zip_int64_t i = 0; i < n; ++i) {
            zip_stat_t st;
            zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st);
            QByteArray bytes(static_cast<qsizetype>(st.size), Qt::Uninitialized);
            zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
            zip_fread(file, bytes.data(), st.size);
            zip_fclose(file);
            QXmlStreamReader xml(bytes);
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement()) tokens += xml.name().size();
                if (xml.isCharacters()) tokens += xml.text().size();
            }
        }
        zip_discard(archive);
        benchmark::DoNotOptimize(tokens);
    }
}
BENCHMARK(unpackAndRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void preview(benchmark::State& state) {
    const Folder folder;
    for (auto _ : state) {
        const vt::invoices::Preview p = vt::invoices::buildPreview(request());
        if (p.newPayments() < kInvoices) state.SkipWithError("preview missed invoices");
        benchmark::DoNotOptimize(p.rows.size());
    }
}
BENCHMARK(preview)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The records an import of the zip writes, as it writes them.
// The folders of the runs are removed only when the program ends: ext4
// passes over the inodes freed in the last minutes when it makes a new
// file, so removing thousands of copies between runs would slow down the
// copies of the next run, a cost no user's import meets.
std::vector<std::unique_ptr<Folder>>& kept() {
    static std::vector<std::unique_ptr<Folder>> folders;
    return folders;
}

std::vector<vt::MovementRecord> importedRecords() {
    kept().push_back(std::make_unique<Folder>());
    vt::invoices::Preview p = vt::invoices::buildPreview(request());
    vt::invoices::importPreview(p);
    std::vector<vt::MovementRecord> records;
    for (const QString& year : {QStringLiteral("2024"), QStringLiteral("2025")}) {
        vt::MovementFile(vt::yearFilePath(year)).scan([&](qint64, QByteArrayView bytes) {
            records.emplace_back(bytes.toByteArray());
            return true;
        });
    }
    return records;
}

void appendRecords(benchmark::State& state) {
    const auto records = importedRecords();
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<Folder>();
        const vt::MovementFile file(vt::yearFilePath(QStringLiteral("2024")));
        state.ResumeTiming();
        for (const auto& r : records)
            if (!file.append(r)) state.SkipWithError("append failed");
        state.PauseTiming();
        kept().push_back(std::move(folder));
        state.ResumeTiming();
    }
}
BENCHMARK(appendRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

void import(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<Folder>();
        vt::invoices::Preview p = vt::invoices::buildPreview(request());
        state.ResumeTiming();
        const auto report = vt::invoices::importPreview(p);
        if (report.stop != vt::invoices::ImportReport::Stop::None)
            state.SkipWithError("import stopped");
        state.PauseTiming();
        kept().push_back(std::move(folder));
        state.ResumeTiming();
    }
}
BENCHMARK(import)->Unit(benchmark::kMillisecond)->Iterations(3);

// The console table, keeping wall and processor time of each benchmark.
class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            wall_[run.benchmark_name()] = run.GetAdjustedRealTime();
            cpu_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double wall(const std::string& prefix) const { return find(wall_, prefix); }
    double cpu(const std::string& prefix) const { return find(cpu_, prefix); }

private:
    static double find(const std::map<std::string, double>& times, const std::string& prefix) {
        for (const auto& [name, time] : times)
            if (name.rfind(prefix, 0) == 0) return time;
        return 0;
    }
    std::map<std::string, double> wall_, cpu_;
};

void ratio(const Reporter& r, const char* name, const std::string& measured,
           const std::string& baseline, double target) {
    const double wall = r.wall(baseline) > 0 ? r.wall(measured) / r.wall(baseline) : 0;
    const double cpu = r.cpu(baseline) > 0 ? r.cpu(measured) / r.cpu(baseline) : 0;
    std::printf("%s ratio: %.2f (target <= %.1f)\n", name, wall, target);
    std::printf("%s processor time ratio: %.2f\n", name, cpu);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    ratio(reporter, "invoice preview/unpack and read", "preview", "unpackAndRead", 3.0);
    ratio(reporter, "invoice import/append", "import", "appendRecords", 2.0);
    benchmark::Shutdown();
    return 0;
}
