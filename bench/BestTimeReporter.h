#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace talpora::bench {

// Milliseconds per iteration: wall-clock time, and the CPU time of the
// process, which another program sharing the cores disturbs less.
struct BestTime
{
    double wall;
    double cpu;
};

// The usual console report, which also remembers for every benchmark (by the
// name it was registered under) the times of its fastest repetition. The
// fastest is the figure least disturbed by whatever else the machine runs.
class BestTimeReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Nothing when the benchmark did not run or failed.
    std::optional<BestTime> best(const std::string& name) const;
    // Whether any benchmark ran without an error.
    bool anySucceeded() const { return !m_best.empty(); }

private:
    std::map<std::string, BestTime> m_best;
};

// The statistic that BestTimeReporter reads: register it with
// `->ComputeStatistics("min", &fastest)` on benchmarks with repetitions.
double fastest(const std::vector<double>& values);

} // namespace talpora::bench
