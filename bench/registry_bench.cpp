// The registry search of 10,000 cards with every filter empty: from the
// click on "Cerca" to the filled, sorted list on the real window, next to a
// plain scan of Clienti.pro that decodes the fields of a list line.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <memory>

#include "app/base/services.h"
#include "archive/recordfile.h"
#include "benchdata.h"
#include "clients/TrovaClienti.h"
#include "clients/logic/registrysearch.h"

namespace {

constexpr int kCards = 10000;

void plainScan(benchmark::State& state) {
    const vt::ClientFile file(vt::bench::makeClientFile(kCards));
    using vt::cli::kFields;
    for (auto _ : state) {
        qsizetype chars = 0;
        (void)file.scan([&](qint64, QByteArrayView r) {
            for (auto f : {vt::cli::Cliente, vt::cli::Recapito, vt::cli::Occupazione,
                           vt::cli::Prodotti, vt::cli::Note})
                chars += vt::readField(r, kFields[f]).size();
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(plainScan)->Unit(benchmark::kMillisecond);

// The search function alone: scan, match, compose the lines.
void searchLines(benchmark::State& state) {
    const QString path = vt::bench::makeClientFile(kCards);
    for (auto _ : state) {
        auto result = vt::clisearch::search(path, {});
        benchmark::DoNotOptimize(result.lines.size());
    }
}
BENCHMARK(searchLines)->Unit(benchmark::kMillisecond);

// The real search window, offscreen: click "Cerca", then let the window lay
// out and paint the list.
void windowSearch(benchmark::State& state) {
    // The program folder is the one holding the generated registry.
    vt::bench::useProgramFolder(QFileInfo(vt::bench::makeClientFile(kCards)).absolutePath() + u'/');
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<TfrmTrovaClienti>();
        window->setMemory(QStringLiteral("clienti"));
        window->show();
        QApplication::processEvents();
        auto* cerca = window->findChild<QPushButton*>(QStringLiteral("btnCerca"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("lstRecords"));
        state.ResumeTiming();
        cerca->click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list->count());
        state.PauseTiming();
        if (list->count() != kCards) state.SkipWithError("the list is not complete");
        window.reset();
        state.ResumeTiming();
    }
    vt::bench::useProgramFolder({});
}
BENCHMARK(windowSearch)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vt::bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double scan = reporter.timeOf("plainScan");
    const double window = reporter.timeOf("windowSearch");
    if (scan > 0 && window > 0)
        std::printf("registry search ratio: %.2f (target <= 4)\n", window / scan);
    benchmark::Shutdown();
    return 0;
}
