// The movement search of a 20,000-movement year with every filter empty:
// from the click on "Cerca" to the filled, sorted list on the real window,
// next to a plain scan that decodes the fields of a list line. Filling the
// list must stay close to the scan (no re-sorting on every insertion).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <map>
#include <memory>
#include <string>

#include "archive/recordfile.h"
#include "benchdata.h"
#include "movements/Movimenti.h"
#include "movements/TrovaMovimenti.h"
#include "movements/logic/duepayments.h"
#include "movements/logic/searchmovements.h"
#include "output/ListWidgets.h"
#include "output/logic/listlogic.h"

namespace {

constexpr int kMovements = 20000;

void plainScan(benchmark::State& state) {
    const vt::MovementFile file(vt::bench::makeYearFile(kMovements));
    using vt::mov::kFields;
    for (auto _ : state) {
        qsizetype chars = 0;
        file.scan([&](qint64, QByteArrayView r) {
            for (auto f : {vt::mov::Causale, vt::mov::DataSca, vt::mov::Pagatore, vt::mov::Beneficiario,
                           vt::mov::ImportoSegnato})
                chars += vt::readField(r, kFields[f]).size();
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(plainScan)->Unit(benchmark::kMillisecond);

// The search function alone: scan, match, compose the lines.
void searchLines(benchmark::State& state) {
    const QString path = vt::bench::makeYearFile(kMovements);
    for (auto _ : state) {
        auto result = vt::movsearch::search(path, {});
        benchmark::DoNotOptimize(result.lines.size());
    }
}
BENCHMARK(searchLines)->Unit(benchmark::kMillisecond);

// Sorting the lines once.
void sortOnce(benchmark::State& state) {
    const vt::list::ListLines lines = vt::movsearch::search(vt::bench::makeYearFile(kMovements), {}).lines;
    for (auto _ : state) {
        vt::list::ListLines copy = lines;
        vt::list::sortLines(copy);
        benchmark::DoNotOptimize(copy.size());
    }
}
BENCHMARK(sortOnce)->Unit(benchmark::kMillisecond);

// Filling a list control with lines already read.
void fillOnly(benchmark::State& state) {
    const vt::list::ListLines lines = vt::movsearch::search(vt::bench::makeYearFile(kMovements), {}).lines;
    QListWidget list;
    vt::setUpRecordList(&list);
    list.show();
    for (auto _ : state) {
        vt::fillRecordList(&list, lines);
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(fillOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

// The real search window, offscreen: click "Cerca", then let the window
// lay out and paint the list.
void windowSearch(benchmark::State& state) {
    TfrmMovimenti card;
    vt::screens::add(&card);
    card.findChild<QLabel*>(QStringLiteral("lblFile"))->setText(vt::bench::makeYearFile(kMovements));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<TfrmTrovaMovimenti>(&card);
        window->setMemory(QStringLiteral("movimenti"));
        window->show();
        QApplication::processEvents();
        auto* cerca = window->findChild<QPushButton*>(QStringLiteral("btnCerca"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("lstRecords"));
        state.ResumeTiming();
        cerca->click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list->count());
        state.PauseTiming();
        if (list->count() != kMovements) state.SkipWithError("the list is not complete");
        window.reset();
        state.ResumeTiming();
    }
    vt::screens::clear();
}
BENCHMARK(windowSearch)->Unit(benchmark::kMillisecond)->Iterations(5);

// The due list filled into the real list control.
void dueListFill(benchmark::State& state) {
    const QString path = vt::bench::makeYearFile(kMovements);
    QListWidget list;
    vt::setUpRecordList(&list);
    for (auto _ : state) {
        vt::fillRecordList(&list, vt::due::dueList(path, QDate(2027, 1, 1)).lines);
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(dueListFill)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return vt::bench::runWithRatio(argc, argv, "plainScan", "windowSearch", "search window/plain scan", "4.0");
}
