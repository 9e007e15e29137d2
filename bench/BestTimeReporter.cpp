#include "BestTimeReporter.h"

#include <algorithm>

namespace talpora::bench {

namespace {

double toMilliseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return value / 1e6;
    case benchmark::kMicrosecond:
        return value / 1e3;
    case benchmark::kMillisecond:
        return value;
    case benchmark::kSecond:
        return value * 1e3;
    }
    return value;
}

} // namespace

void BestTimeReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const bool single = run.run_type == Run::RT_Iteration;
        if (!single && run.aggregate_name != "min")
            continue;
        const BestTime time{toMilliseconds(run.GetAdjustedRealTime(), run.time_unit),
                            toMilliseconds(run.GetAdjustedCPUTime(), run.time_unit)};
        const auto [entry, inserted] = m_best.try_emplace(run.run_name.function_name, time);
        if (!inserted) {
            entry->second.wall = std::min(entry->second.wall, time.wall);
            entry->second.cpu = std::min(entry->second.cpu, time.cpu);
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<BestTime> BestTimeReporter::best(const std::string& name) const
{
    const auto found = m_best.find(name);
    if (found == m_best.end())
        return std::nullopt;
    return found->second;
}

double fastest(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

} // namespace talpora::bench
