// The closing table of a benchmark run: each case's median against its baseline's median and
// against the one-frame budget, with PASS or FAIL.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "bench/MedianReporter.h"

namespace kestrava::bench {

// One frame at 60 Hz: no operation the user triggers may take longer.
constexpr double kFrameMilliseconds = 16.0;

struct Target {
    const char* Label;
    const char* Case;         // the benchmark's registered name
    const char* Baseline;     // nullptr: judged on its own time only
    double MaxRatio;          // case / baseline; 0 for none
    double MaxMilliseconds;   // 0 for none: the time is reported, not judged
    bool OnWallTime = false;  // for cases timed in other processes, where this one only waits
};

// Prints the table; true when every case ran and met its targets.
bool PrintVerdictTable(const MedianReporter& medians, const std::vector<Target>& targets,
                       std::ostream& out);

}  // namespace kestrava::bench
