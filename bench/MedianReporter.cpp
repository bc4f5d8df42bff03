#include "bench/MedianReporter.h"

namespace kestrava::bench {

void MedianReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // A single repetition has no aggregates: its one run is the median.
        const bool median = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median"
                                                              : run.repetitions <= 1;
        if (run.error_occurred || !median) {
            continue;
        }
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        medians_[run.run_name.function_name] = {run.GetAdjustedCPUTime() / unit,
                                                run.GetAdjustedRealTime() / unit};
    }
}

std::optional<Median> MedianReporter::Find(const char* name) const {
    if (name == nullptr) {
        return std::nullopt;
    }
    const auto found = medians_.find(name);
    if (found == medians_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace kestrava::bench
