// Start-up as the user waits for it: from launching the program to its main window on the
// screen, against a bare window with one Japanese label in the same font. Both are separate
// processes (startup/) on a private Xvfb server, so loading the libraries, connecting to the
// display and the first paint all count; they run alternately, in ABBA order, and each case
// reports the median of its runs. The series runs once, for whichever case comes first.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace kestrava::bench {
namespace {

constexpr int kStartUpPairs = 21;
constexpr int kTimeoutMilliseconds = 10000;

double Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Reads one line from fd, waiting at most the time-out; nothing on time-out or end of file.
std::optional<std::string> ReadLine(int fd) {
    std::string line;
    const double deadline = Now() + kTimeoutMilliseconds / 1e3;
    char c = 0;
    while (true) {
        const int left = static_cast<int>((deadline - Now()) * 1e3);
        pollfd ready{fd, POLLIN, 0};
        if (left <= 0 || poll(&ready, 1, left) <= 0 || read(fd, &c, 1) != 1) {
            return std::nullopt;
        }
        if (c == '\n') {
            return line;
        }
        line += c;
    }
}

// A child whose standard output (or outFd, when given) is a pipe the parent reads and whose
// standard error is dropped.
struct Child {
    pid_t Pid = -1;
    int Output = -1;  // read end of the pipe

    bool Start(const std::vector<std::string>& command, char** environment, int outFd = 1) {
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], outFd);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        std::vector<char*> argv;
        for (const std::string& word : command) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        argv.push_back(nullptr);
        const int failed = posix_spawnp(&Pid, argv[0], &actions, nullptr, argv.data(), environment);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        Output = pipeEnds[0];
        if (failed != 0) {
            Pid = -1;
        }
        return failed == 0;
    }

    // Ends the child if it is still running, and reaps it.
    void Stop() {
        if (Pid > 0) {
            kill(Pid, SIGTERM);
            waitpid(Pid, nullptr, 0);
            Pid = -1;
        }
        if (Output >= 0) {
            close(Output);
            Output = -1;
        }
    }
};

class PrivateDisplay {
  public:
    ~PrivateDisplay() { server_.Stop(); }

    // The display's name, ":N", once the server accepts clients; empty when it cannot start.
    std::string Start() {
        // -displayfd: the server picks a free display and writes its number when it is ready.
        constexpr int kDisplayFd = 9;
        if (!server_.Start({"Xvfb", "-displayfd", std::to_string(kDisplayFd), "-screen", "0",
                            "1280x1024x24", "-dpi", "96", "-nolisten", "tcp"},
                           environ, kDisplayFd)) {
            return {};
        }
        const std::optional<std::string> number = ReadLine(server_.Output);
        return number ? ":" + *number : std::string();
    }

  private:
    Child server_;
};

// The environment the probes run in: this one on the private display, on X.
class ProbeEnvironment {
  public:
    explicit ProbeEnvironment(const std::string& display) {
        const char* const replaced[] = {"DISPLAY=", "QT_QPA_PLATFORM=", "WAYLAND_DISPLAY="};
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string text = *entry;
            if (std::none_of(std::begin(replaced), std::end(replaced),
                             [&](const char* name) { return text.rfind(name, 0) == 0; })) {
                entries_.push_back(text);
            }
        }
        entries_.push_back("DISPLAY=" + display);
        entries_.push_back("QT_QPA_PLATFORM=xcb");
        for (std::string& entry : entries_) {
            pointers_.push_back(entry.data());
        }
        pointers_.push_back(nullptr);
    }

    char** Get() { return pointers_.data(); }

  private:
    std::vector<std::string> entries_;
    std::vector<char*> pointers_;
};

// One start of a probe, in seconds.
struct Start {
    double Wall = 0;  // from launching it to its report of the window shown
    double Cpu = 0;   // the processor time it had spent by then, its threads' included
};

std::optional<Start> StartProbe(const char* probe, char** environment) {
    Child child;
    const double launched = Now();
    if (!child.Start({probe}, environment)) {
        return std::nullopt;
    }
    const std::optional<std::string> report = ReadLine(child.Output);
    child.Stop();
    long long shown = 0;
    long long cpu = 0;
    if (!report || std::sscanf(report->c_str(), "%lld %lld", &shown, &cpu) != 2) {
        return std::nullopt;
    }
    return Start{static_cast<double>(shown) * 1e-9 - launched, static_cast<double>(cpu) * 1e-9};
}

struct Series {
    std::vector<Start> Program;
    std::vector<Start> BareWindow;
    std::string Error;
};

Series RunSeries() {
    Series series;
    PrivateDisplay display;
    const std::string name = display.Start();
    if (name.empty()) {
        series.Error = "no private display: the start-up case needs Xvfb";
        return series;
    }
    ProbeEnvironment environment(name);
    // The first pair warms the disk cache and the font cache; it is not counted.
    for (int pair = -1; pair < kStartUpPairs; ++pair) {
        const bool programFirst = pair % 2 == 0;
        for (const bool program : {programFirst, !programFirst}) {
            const std::optional<Start> start =
                StartProbe(program ? KESTRAVA_STARTUP_PROGRAM : KESTRAVA_STARTUP_BARE_WINDOW,
                           environment.Get());
            if (!start) {
                series.Error = program ? "the program did not show its window"
                                       : "the bare window was not shown";
                return series;
            }
            if (pair >= 0) {
                (program ? series.Program : series.BareWindow).push_back(*start);
            }
        }
    }
    return series;
}

const Series& TheSeries() {
    static const Series series = RunSeries();
    return series;
}

// The given quantile of one clock over the starts, by the nearest rank.
double Quantile(const std::vector<Start>& starts, double Start::*clock, double q) {
    std::vector<double> times;
    for (const Start& start : starts) {
        times.push_back(start.*clock);
    }
    std::sort(times.begin(), times.end());
    return times[static_cast<size_t>(q * static_cast<double>(times.size() - 1) + 0.5)];
}

void Report(benchmark::State& state, const std::vector<Start> Series::*starts) {
    const Series& series = TheSeries();
    for (auto _ : state) {
        if (!series.Error.empty()) {
            state.SkipWithError(series.Error.c_str());
            break;
        }
        state.SetIterationTime(Quantile(series.*starts, &Start::Wall, 0.5));
    }
    if (series.Error.empty()) {
        // The spread of the wall times shows the noise of the machine; the processor time,
        // what the process itself did.
        state.counters["q1_ms"] = Quantile(series.*starts, &Start::Wall, 0.25) * 1e3;
        state.counters["q3_ms"] = Quantile(series.*starts, &Start::Wall, 0.75) * 1e3;
        state.counters["cpu_ms"] = Quantile(series.*starts, &Start::Cpu, 0.5) * 1e3;
        state.counters["runs"] = static_cast<double>((series.*starts).size());
    }
}

void StartUpShown(benchmark::State& state) {
    Report(state, &Series::Program);
}

void StartUpShownBareWindow(benchmark::State& state) {
    Report(state, &Series::BareWindow);
}

}  // namespace

BENCHMARK(StartUpShown)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpShownBareWindow)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace kestrava::bench
