// The causali list of 5,000 causali: from the click on the card's "Trova"
// to the filled, sorted list on the real window, next to a plain scan that
// decodes the fields of a list line.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QToolButton>
#include <memory>

#include "app/base/services.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "benchdata.h"
#include "causali/Causali.h"
#include "causali/TrovaCausali.h"

namespace {

constexpr int kCausali = 5000;

void useBenchFolder() {
    vt::bench::useProgramFolder(vt::bench::makeCausaliFolder(kCausali));
}

void plainScan(benchmark::State& state) {
    useBenchFolder();
    const vt::CausaliFile file(vt::causaliFilePath());
    using vt::cau::kFields;
    for (auto _ : state) {
        qsizetype chars = 0;
        file.scan([&](qint64, QByteArrayView r) {
            for (auto f : {vt::cau::Causale, vt::cau::Pagatore, vt::cau::Beneficiario,
                           vt::cau::ImportoSegnato})
                chars += vt::readField(r, kFields[f]).size();
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(plainScan)->Unit(benchmark::kMillisecond);

// The list as the causale card opens it: a fresh window, shown, filled and
// painted; a dialog runner that shows it without waiting.
class ShowOnly : public vt::DialogRunner {
public:
    qsizetype lines = 0;
    int run(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        if (auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstRecords")))
            lines = list->count();
        return 0;
    }
};

void windowList(benchmark::State& state) {
    useBenchFolder();
    auto runner = std::make_shared<ShowOnly>();
    vt::setDialogRunner(runner);
    TfrmCausali card;
    vt::screens::add(&card);
    auto* trova = card.findChild<QToolButton*>(QStringLiteral("cmdTrova"));
    for (auto _ : state) {
        trova->click();
        state.PauseTiming();
        if (runner->lines != kCausali) state.SkipWithError("the list is not complete");
        state.ResumeTiming();
    }
    vt::screens::clear();
    vt::setDialogRunner(nullptr);
}
BENCHMARK(windowList)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return vt::bench::runWithRatio(argc, argv, "plainScan", "windowList", "causali list", "4");
}
