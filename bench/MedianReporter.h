// The console report of Google Benchmark, which also keeps the median times of every case for
// the verdict table printed after the run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kestrava::bench {

// Seconds per iteration.
struct Median {
    double Cpu = 0;   // processor time of the whole process
    double Wall = 0;  // includes waiting: for the disk, and for other programs on the machine
};

class MedianReporter : public benchmark::ConsoleReporter {
  public:
    // Plain text: the report is mostly read from a log.
    MedianReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // The medians of the benchmark registered under name; none for no name, and when it did
    // not run or reported an error.
    std::optional<Median> Find(const char* name) const;

  private:
    std::map<std::string, Median> medians_;
};

}  // namespace kestrava::bench
