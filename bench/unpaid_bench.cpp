// The "entrata e uscita" list of unpaid payments of a 20,000-movement year in
// which every movement is unpaid: from the click on "Visualizza" to the
// filled grid of the real window, next to a plain scan that decodes the
// fields the grid shows. A grid this size must be filled in one go, not
// cell by cell with a relayout after each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/base/services.h"
#include "app/uiservices.h"
#include "archive/recordfile.h"
#include "benchdata.h"
#include "unpaid/MenuInsoluti.h"
#include "unpaid/logic/unpaid.h"

namespace {

constexpr int kMovements = 20000;

// The benchmark's program folder, holding 2026.eur with every movement of
// the usual bench year marked as not settled.
class BenchFolder : public vt::ProgramDirectory {
public:
    QTemporaryDir dir;
    QString path() const override { return dir.path() + u'/'; }
};

std::shared_ptr<BenchFolder> folder() {
    static const auto f = [] {
        auto made = std::make_shared<BenchFolder>();
        QFile in(vt::bench::makeYearFile(kMovements));
        in.open(QIODevice::ReadOnly);
        QFile out(made->path() + QStringLiteral("2026.eur"));
        out.open(QIODevice::WriteOnly);
        while (true) {
            const QByteArray bytes = in.read(vt::mov::kLength);
            if (bytes.size() < vt::mov::kLength) break;
            vt::MovementRecord r(bytes);
            r.setFlag(vt::mov::Saldato, false);
            out.write(r.bytes());
        }
        return made;
    }();
    return f;
}

QString yearFile() { return folder()->path() + QStringLiteral("2026.eur"); }

// After the last due date of the bench year.
const QDate kToday(2027, 6, 30);

class LateClock : public vt::Clock {
public:
    QDate today() const override { return kToday; }
};

void plainScan(benchmark::State& state) {
    const vt::MovementFile file(yearFile());
    for (auto _ : state) {
        qsizetype chars = 0;
        file.scan([&](qint64, QByteArrayView r) {
            for (const auto& f : vt::mov::kFields)
                if (f.offset < vt::mov::kFields[vt::mov::File01].offset) chars += vt::readField(r, f).size();
            return true;
        });
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(plainScan)->Unit(benchmark::kMillisecond);

// The selection alone: scan, judge, make the rows.
void selection(benchmark::State& state) {
    for (auto _ : state) {
        auto list = vt::unpaid::list(yearFile(), kToday, vt::unpaid::Kind::Tutti);
        if (list.rows.rows.size() != kMovements) state.SkipWithError("not every movement is listed");
        benchmark::DoNotOptimize(list.rows.rows.size());
    }
}
BENCHMARK(selection)->Unit(benchmark::kMillisecond);

// Runs the list window the way the menu opens it, stops the clock once the
// window has shown and painted its grid, then closes it.
class TimedRunner : public vt::DialogRunner {
public:
    benchmark::State* state = nullptr;
    int run(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        auto* grid = dialog.findChild<QTableView*>(QStringLiteral("grdRecords"));
        state->PauseTiming();
        if (!grid || grid->model()->rowCount() != kMovements) state->SkipWithError("the grid is not complete");
        return QDialog::Rejected;
    }
};

void windowList(benchmark::State& state) {
    vt::setProgramDirectory(folder());
    vt::setClock(std::make_shared<LateClock>());
    auto runner = std::make_shared<TimedRunner>();
    runner->state = &state;
    vt::setDialogRunner(runner);
    TfrmMenuInsoluti menu;
    menu.show();
    QApplication::processEvents();
    auto* year = menu.findChild<QLineEdit*>(QStringLiteral("txtAnnoDDT"));
    auto* button = menu.findChild<QPushButton*>(QStringLiteral("btnApriDDT"));
    year->setText(QStringLiteral("2026"));
    for (auto _ : state) {
        button->click();  // the runner pauses the clock before the window goes
        QApplication::processEvents();
        state.ResumeTiming();
    }
    vt::setDialogRunner(nullptr);
    vt::setClock(nullptr);
    vt::setProgramDirectory(nullptr);
}
BENCHMARK(windowList)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vt::bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double scan = reporter.timeOf("plainScan");
    const double window = reporter.timeOf("windowList");
    if (scan > 0 && window > 0) std::printf("unpaid list ratio: %.2f (target <= 3)\n", window / scan);
    benchmark::Shutdown();
    return 0;
}
