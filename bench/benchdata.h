#pragma once

#include <QString>
#include <benchmark/benchmark.h>

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

// Runs the benchmarks named on the command line (all by default) and prints
// "<label> ratio: X (target <= T)", X being the time of `measured` over
// the time of `reference`.
int runWithRatio(int argc, char** argv, const char* measured, const char* reference, const char* label,
                 const char* target);

}  // namespace vt::bench
