// The monthly receipts chart of a 20,000-movement year: from the click on
// "Visualizza" in the statistics menu to the first painted chart on the real
// window (offscreen), next to a plain scan that decodes the fields the
// monthly sums read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/base/services.h"
#include "app/uiservices.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "benchdata.h"
#include "chart/ChartView.h"
#include "stats/MenuStats.h"

namespace {

constexpr int kMovements = 20000;

void plainScan(benchmark::State& state) {
    const vt::MovementFile file(vt::bench::makeYearFile(kMovements));
    using vt::mov::kFields;
    for (auto _ : state) {
        qsizetype chars = 0;
        file.scan([&](qint64, QByteArrayView r) {
            for (auto f : {vt::mov::Entrata, vt::mov::Data, vt::mov::Importo})
                chars += vt::readField(r, kFields[f]).size();
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(plainScan)->Unit(benchmark::kMillisecond);

// Shows the chart window and returns once its chart has been painted.
class UntilPainted : public vt::DialogRunner, public QObject {
public:
    int run(QDialog& dialog) override {
        painted_ = false;
        auto* chart = dialog.findChild<vt::ChartView*>(QStringLiteral("ChartStats"));
        chart->installEventFilter(this);
        dialog.show();
        while (!painted_) QApplication::processEvents(QEventLoop::AllEvents, 5);
        chart->removeEventFilter(this);
        points = static_cast<int>(chart->model().points().size());
        dialog.hide();
        return QDialog::Accepted;
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_ = true;
        return false;
    }
    int points = 0;

private:
    bool painted_ = false;
};

class Folder : public vt::ProgramDirectory {
public:
    QString folder;
    QString path() const override { return folder; }
};

void windowMonthlyChart(benchmark::State& state) {
    // The menu builds the year file's path from the program folder: the
    // bench year goes there as 2026.eur.
    QTemporaryDir folder;
    QFile::copy(vt::bench::makeYearFile(kMovements), folder.filePath(QStringLiteral("2026.eur")));
    auto directory = std::make_shared<Folder>();
    directory->folder = folder.path() + u'/';
    vt::setProgramDirectory(directory);
    auto runner = std::make_shared<UntilPainted>();
    vt::setDialogRunner(runner);
    TfrmMenuStats menu;
    menu.show();
    QApplication::processEvents();
    auto* year = menu.findChild<QLineEdit*>(QStringLiteral("txtAnnoPreventivi"));
    auto* visualizza = menu.findChild<QPushButton*>(QStringLiteral("btnApriPreventivi"));
    year->setText(QStringLiteral("2026"));
    for (auto _ : state) {
        visualizza->click();
        if (runner->points != 12) state.SkipWithError("the chart has no points");
    }
    vt::setDialogRunner(nullptr);
    vt::setProgramDirectory(nullptr);
}
BENCHMARK(windowMonthlyChart)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return vt::bench::runWithRatio(argc, argv, "plainScan", "windowMonthlyChart", "monthly chart",
                                   "2");
}
