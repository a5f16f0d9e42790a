#pragma once

#include <benchmark/benchmark.h>

#include <QString>
#include <map>
#include <string>
#include <vector>

namespace vt::bench {

// Writes a year file of `count` movements with realistic field lengths and
// returns its path (in a temporary folder that lives until the process ends).
QString makeYearFile(int count);

// Writes "Causali.pro" of `count` causali into a folder of its own and
// returns the folder (ending with '/'), to be used as the program folder.
QString makeCausaliFolder(int count);

// Writes a registry Clienti.pro of `count` cards, alone in its own
// temporary folder, and returns its path.
QString makeClientFile(int count);

// Makes `folder` (ending with '/') the program folder until the next call
// (nothing: back to the real one).
void useProgramFolder(const QString& folder);

// The usual console table, keeping each benchmark's real time so that a
// program can print the ratios its targets are stated in.
class TimingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // The time of the first benchmark whose name starts with `prefix`, or 0.
    double timeOf(const std::string& prefix) const {
        for (const auto& [name, time] : times_)
            if (name.rfind(prefix, 0) == 0) return time;
        return 0;
    }

private:
    std::map<std::string, double> times_;
};

// Runs the program's benchmarks and prints "<name> ratio: X (target <= Y)",
// the time of the benchmark starting with `measured` over the one starting
// with `baseline`. Returns the program's exit code.
int runWithRatio(int argc, char** argv, const std::string& baseline, const std::string& measured,
                 const char* name, const char* target);

}  // namespace vt::bench
