// The balance of a 20,000-movement year, whole year, no causale filter: from
// the click on "Visualizza riepilogo" to the filled balance sheet on the real
// windows (offscreen), next to a plain scan that decodes the fields of a
// balance line.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <memory>

#include "app/base/services.h"
#include "app/uiservices.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "balance/MenuBilancio.h"
#include "balance/logic/balance.h"
#include "benchdata.h"

namespace {

constexpr int kMovements = 20000;

void plainScan(benchmark::State& state) {
    const vt::MovementFile file(vt::bench::makeYearFile(kMovements));
    using vt::mov::kFields;
    for (auto _ : state) {
        qsizetype chars = 0;
        file.scan([&](qint64, QByteArrayView r) {
            for (auto f : {vt::mov::Data, vt::mov::Causale, vt::mov::Pagatore,
                           vt::mov::Beneficiario, vt::mov::ImportoSegnato})
                chars += vt::readField(r, kFields[f]).size();
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(plainScan)->Unit(benchmark::kMillisecond);

// The computation alone.
void computeOnly(benchmark::State& state) {
    const QString path = vt::bench::makeYearFile(kMovements);
    for (auto _ : state) {
        const auto result = vt::balance::compute({QString(), path, "01/01/2026", "31/12/2026"});
        if (result.lines.size() != kMovements) state.SkipWithError("the balance is not complete");
        benchmark::DoNotOptimize(result.balance);
    }
}
BENCHMARK(computeOnly)->Unit(benchmark::kMillisecond);

// Measures from the click to the moment the sheet, shown with its list and
// totals, would wait for the user; the sheet is then closed untimed.
class TimedSheet : public vt::DialogRunner {
public:
    benchmark::State* state = nullptr;
    int rows = 0;
    int run(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        state->PauseTiming();
        rows = dialog.findChild<QListWidget*>(QStringLiteral("lstRecords"))->count();
        dialog.findChild<QPushButton*>(QStringLiteral("btnEsci"))->click();
        return 0;
    }
};

void windowBalance(benchmark::State& state) {
    const QString source = vt::bench::makeYearFile(kMovements);
    // The program folder holds the year file as 2026.eur.
    const QString folder = source.left(source.lastIndexOf(u'/') + 1);
    QFile::remove(folder + QStringLiteral("2026.eur"));
    QFile::copy(source, folder + QStringLiteral("2026.eur"));
    vt::bench::useProgramFolder(folder);
    auto runner = std::make_shared<TimedSheet>();
    runner->state = &state;
    vt::setDialogRunner(runner);

    TfrmMenuBilancio menu;
    menu.show();
    QApplication::processEvents();
    const auto pick = [&menu](const char* name, const QString& item) {
        auto* box = menu.findChild<QComboBox*>(QString::fromLatin1(name));
        box->setCurrentIndex(box->findText(item));
    };
    menu.findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2026"));
    pick("txtGiornoInizio", QStringLiteral("01"));
    pick("txtMeseInizio", QStringLiteral("Gennaio"));
    pick("txtGiornoFine", QStringLiteral("31"));
    pick("txtMeseFine", QStringLiteral("Dicembre"));
    auto* visualizza = menu.findChild<QPushButton*>(QStringLiteral("btnVisualizza"));
    for (auto _ : state) {
        visualizza->click();
        state.ResumeTiming();
        if (runner->rows != kMovements) state.SkipWithError("the list is not complete");
    }
    vt::setDialogRunner(nullptr);
    vt::bench::useProgramFolder({});
}
BENCHMARK(windowBalance)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vt::bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double scan = reporter.timeOf("plainScan");
    const double window = reporter.timeOf("windowBalance");
    if (scan > 0 && window > 0) std::printf("balance ratio: %.2f (target <= 2.5)\n", window / scan);
    benchmark::Shutdown();
    return 0;
}
