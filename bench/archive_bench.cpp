// Year-file scanning: decoding the fields a list needs from every record,
// next to a plain sequential read() of the same file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "archive/recordfile.h"
#include "benchdata.h"

namespace {

constexpr int kMovements = 20000;

void plainRead(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(vt::bench::makeYearFile(kMovements));
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY);
        std::size_t total = 0;
        ssize_t n = 0;
        while ((n = ::read(fd, buffer.data(), buffer.size())) > 0) total += static_cast<std::size_t>(n);
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kMovements * vt::mov::kLength);
}
BENCHMARK(plainRead)->Unit(benchmark::kMillisecond);

void scanDecoding(benchmark::State& state) {
    const vt::MovementFile file(vt::bench::makeYearFile(kMovements));
    using vt::mov::kFields;
    for (auto _ : state) {
        qsizetype chars = 0;
        file.scan([&](qint64, QByteArrayView r) {
            for (auto f : {vt::mov::Data, vt::mov::DataSca, vt::mov::Causale, vt::mov::Pagatore,
                           vt::mov::Beneficiario, vt::mov::ImportoSegnato})
                chars += vt::readField(r, kFields[f]).size();
            chars += static_cast<int>(vt::readFlag(r, kFields[vt::mov::Saldato]));
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kMovements * vt::mov::kLength);
}
BENCHMARK(scanDecoding)->Unit(benchmark::kMillisecond);

}  // namespace

// Prints the scan/read ratio after the usual table.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vt::bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double read = reporter.timeOf("plainRead");
    const double scan = reporter.timeOf("scanDecoding");
    if (read > 0 && scan > 0) std::printf("scan/read ratio: %.2f (target <= 2.0)\n", scan / read);
    benchmark::Shutdown();
    return 0;
}
