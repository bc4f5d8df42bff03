// How every case runs: timed by the processor time of the whole process, which other programs
// on a shared machine do not inflate (wall time is reported too), with enough repetitions for a
// steady median, and only the aggregates on the console.
#pragma once

#include <benchmark/benchmark.h>

namespace kestrava::bench {

constexpr int kRepetitions = 15;
constexpr double kMinSecondsPerRepetition = 0.2;

inline void Repeated(benchmark::internal::Benchmark* benchmark) {
    benchmark->MeasureProcessCPUTime()
        ->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->MinTime(kMinSecondsPerRepetition)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace kestrava::bench
