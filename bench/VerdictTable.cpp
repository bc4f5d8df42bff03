#include "bench/VerdictTable.h"

#include <cstdio>
#include <string>

namespace kestrava::bench {
namespace {

std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// In the unit that suits the size; "-" for a missing time.
std::string Duration(std::optional<double> seconds) {
    if (!seconds) {
        return "-";
    }
    if (*seconds < 1e-6) {
        return Format("%.1f ns", *seconds * 1e9);
    }
    if (*seconds < 1e-3) {
        return Format("%.2f us", *seconds * 1e6);
    }
    return Format("%.2f ms", *seconds * 1e3);
}

std::string Limits(const Target& target) {
    std::string text;
    if (target.MaxRatio > 0) {
        text = Format("<= %.1fx", target.MaxRatio);
    }
    if (target.MaxMilliseconds > 0) {
        text += (text.empty() ? "" : ", ") + Format("< %.0f ms", target.MaxMilliseconds);
    }
    return text.empty() ? "(reported)" : text;
}

void PrintRow(std::ostream& out, const std::string& label, const std::string& time,
              const std::string& baseline, const std::string& ratio, const std::string& wall,
              const std::string& target, const std::string& result) {
    char line[256];
    std::snprintf(line, sizeof line, "%-46s %10s %10s %6s %10s  %-17s %s\n", label.c_str(),
                  time.c_str(), baseline.c_str(), ratio.c_str(), wall.c_str(), target.c_str(),
                  result.c_str());
    out << line;
}

struct Verdict {
    bool Ran = false;
    bool Judged = false;
    bool Met = false;
    std::optional<double> Ratio;
};

// The time the target is judged on.
std::optional<double> Judged(const Target& target, const std::optional<Median>& median) {
    if (!median) {
        return std::nullopt;
    }
    return target.OnWallTime ? median->Wall : median->Cpu;
}

Verdict Judge(const Target& target, const std::optional<Median>& time,
              const std::optional<Median>& baseline) {
    Verdict verdict;
    verdict.Ran = time.has_value() && (target.Baseline == nullptr || baseline.has_value());
    verdict.Judged = target.MaxRatio > 0 || target.MaxMilliseconds > 0;
    if (!verdict.Ran) {
        return verdict;
    }
    const double seconds = *Judged(target, time);
    if (baseline) {
        verdict.Ratio = seconds / *Judged(target, baseline);
    }
    const bool ratioMet = target.MaxRatio <= 0 || *verdict.Ratio <= target.MaxRatio;
    const bool timeMet = target.MaxMilliseconds <= 0 || seconds * 1e3 < target.MaxMilliseconds;
    verdict.Met = ratioMet && timeMet;
    return verdict;
}

}  // namespace

bool PrintVerdictTable(const MedianReporter& medians, const std::vector<Target>& targets,
                       std::ostream& out) {
    out << "\nMedians of the repetitions; the verdict is on processor time, wall time beside it\n"
           "(wall time alone, baseline included, for the cases run in other processes)\n";
    PrintRow(out, "case", "cpu", "baseline", "ratio", "wall", "target", "result");
    bool allMet = true;
    for (const Target& target : targets) {
        const std::optional<Median> time = medians.Find(target.Case);
        const std::optional<Median> baseline = medians.Find(target.Baseline);
        const Verdict verdict = Judge(target, time, baseline);
        // A case left out on the command line is not a failure.
        allMet = allMet && (!verdict.Ran || !verdict.Judged || verdict.Met);
        const char* result = !verdict.Ran      ? "NOT RUN"
                             : !verdict.Judged ? "INFO"
                             : verdict.Met     ? "PASS"
                                               : "FAIL";
        const bool cpu = time && !target.OnWallTime;
        PrintRow(out, target.Label, Duration(cpu ? std::optional(time->Cpu) : std::nullopt),
                 Duration(Judged(target, baseline)),
                 verdict.Ratio ? Format("%.2f", *verdict.Ratio) : "-",
                 Duration(time ? std::optional(time->Wall) : std::nullopt), Limits(target), result);
    }
    return allMet;
}

}  // namespace kestrava::bench
