// Times two Qt programs from their start until they map their main window, and until they
// put its first frame on the screen, on the X display this process is given, and compares
// them start by start:
// - processor time: that of the whole process (all its threads), from exec until it asks the
//   X server to map its window, and until it puts the window's first painted pixels there,
//   stamped inside it by map_probe.so (MapProbe.cpp);
// - wall time: from just before the process is made until those same moments;
// - peak memory: the process's peak resident set (VmHWM) once it has shown its window and
//   gone idle, which takes in the first paint.
// The two take turns in pairs of rounds, the one going first changing from round to round,
// so that whatever drifts on the machine over a pair weighs on both alike; each pair gives
// one ratio per figure, of its sums.
// Usage: startup_timer PAIRS ROUNDS PROBE PROGRAM BASELINE
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Stats.h"

extern char** environ;

namespace {

constexpr int kMapTimeoutMs = 30'000;
// Idle: no processor time used over this many looks, 10 ms apart.
constexpr int kIdleLooks = 10;
constexpr int kMostLooks = 1000;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "startup_timer: %s\n", what.c_str());
    std::exit(1);
}

long long nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void sleepMs(int ms) {
    const timespec pause{0, ms * 1'000'000L};
    nanosleep(&pause, nullptr);
}

// One start's figures: seconds of processor time and of the clock to the mapped window and to
// its first frame, and the peak resident set in kB.
struct Start {
    double processor, wall, processorShown, wallShown, peak;
};

// The probe's stamps, a line each, as they come: false if they do not all come in time.
bool readStamps(int fd, long long (&stamps)[2][2]) {
    std::string lines;
    for (int found = 0; found < 2;) {
        pollfd ready{fd, POLLIN, 0};
        char chunk[128];
        if (poll(&ready, 1, kMapTimeoutMs) != 1) return false;
        const ssize_t got = read(fd, chunk, sizeof(chunk));
        if (got <= 0) return false;
        lines.append(chunk, static_cast<std::size_t>(got));
        for (std::size_t end; found < 2 && (end = lines.find('\n')) != std::string::npos; lines.erase(0, end + 1)) {
            if (std::sscanf(lines.c_str(), "%lld %lld", &stamps[found][0], &stamps[found][1]) != 2) return false;
            ++found;
        }
    }
    return true;
}

long peakResident(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return 0;
}

// Waits until the process has used no processor time for kIdleLooks looks in a row.
void waitUntilIdle(pid_t pid, const std::string& program) {
    clockid_t clock;
    if (clock_getcpuclockid(pid, &clock) != 0) fail("cannot read the processor time of " + program);
    long long last = -1;
    int still = 0;
    for (int look = 0; look < kMostLooks && still < kIdleLooks; ++look) {
        sleepMs(10);
        const long long now = nanoseconds(clock);
        still = now == last ? still + 1 : 0;
        last = now;
    }
    if (still < kIdleLooks) fail(program + " did not go idle after showing its window");
}

class Timer {
public:
    Timer(std::string probe, std::string program) : probe_(std::move(probe)), program_(std::move(program)) {
        errors_ = std::tmpfile();
        if (!errors_) fail("cannot make a file for the programs' standard error");
    }

    Start start() {
        // Only this start's messages, should it fail.
        if (ftruncate(fileno(errors_), 0) != 0 || lseek(fileno(errors_), 0, SEEK_SET) != 0) {
            fail("cannot empty the file for the programs' standard error");
        }
        int probe[2];
        if (pipe(probe) != 0) fail("cannot make a pipe");
        fcntl(probe[0], F_SETFD, FD_CLOEXEC);
        std::vector<std::string> variables{"LD_PRELOAD=" + probe_, "STARTUP_PROBE_FD=" + std::to_string(probe[1])};
        for (char** v = environ; *v; ++v) {
            if (std::strncmp(*v, "LD_PRELOAD=", 11) != 0) variables.emplace_back(*v);
        }
        std::vector<char*> env;
        for (std::string& v : variables) env.push_back(v.data());
        env.push_back(nullptr);
        std::array<char*, 2> argv{program_.data(), nullptr};

        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&files, fileno(errors_), STDERR_FILENO);
        pid_t pid = 0;
        const long long spawned = nanoseconds(CLOCK_MONOTONIC);
        const int error = posix_spawn(&pid, program_.c_str(), &files, nullptr, argv.data(), env.data());
        posix_spawn_file_actions_destroy(&files);
        close(probe[1]);
        if (error != 0) fail("cannot start " + program_ + ": " + std::strerror(error));

        long long stamps[2][2] = {};  // processor and clock, when mapped and when shown
        const bool stamped = readStamps(probe[0], stamps);
        close(probe[0]);
        if (!stamped) {
            end(pid);
            fail(program_ + " did not map and paint a window; its standard error:\n" + errors());
        }
        waitUntilIdle(pid, program_);
        const long peak = peakResident(pid);
        end(pid);
        return {stamps[0][0] * 1e-9, (stamps[0][1] - spawned) * 1e-9, stamps[1][0] * 1e-9,
                (stamps[1][1] - spawned) * 1e-9, static_cast<double>(peak)};
    }

private:
    static void end(pid_t pid) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        // The X server lets go of the window and the connection before the next start.
        sleepMs(20);
    }

    std::string errors() {
        std::string text;
        std::rewind(errors_);
        for (int c; (c = std::fgetc(errors_)) != EOF;) text += static_cast<char>(c);
        return text;
    }

    std::string probe_, program_;
    std::FILE* errors_;
};

void print(const char* figure, const char* unit, double scale, const std::vector<double>& program,
           const std::vector<double>& baseline, const std::vector<double>& ratios, int rounds, double target) {
    const bench::Summary p = bench::summarise(program);
    const bench::Summary b = bench::summarise(baseline);
    std::printf("%s, per start:\n", figure);
    for (const auto& [name, s] : {std::pair{"dravello", p}, std::pair{"baseline", b}}) {
        std::printf("  %-9s median %7.1f %s (middle half %.1f-%.1f, CV %.1f%%)\n", name, s.median * scale / rounds, unit,
                    s.lowerQuartile * scale / rounds, s.upperQuartile * scale / rounds, 100 * s.cv);
    }
    std::printf("  dravello / baseline:\n");
    bench::printRatios(ratios, target);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6 || std::atoi(argv[1]) < 1 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: startup_timer PAIRS ROUNDS PROBE PROGRAM BASELINE\n");
        return 2;
    }
    const int pairs = std::atoi(argv[1]);
    const int rounds = std::atoi(argv[2]);
    Timer program(argv[3], argv[4]);
    Timer baseline(argv[3], argv[5]);
    // One start each first, so both find their files in the page cache and the fonts' cache.
    program.start();
    baseline.start();

    // The figures in the order printed: what each is of a start, its name and its unit.
    struct Figure {
        double Start::*of;
        const char* what;
        const char* unit;
        double scale;
    };
    const Figure figures[] = {
        {&Start::processor, "processor time of the process until it maps its window", "ms", 1e3},
        {&Start::wall, "wall time from its start until it maps its window", "ms", 1e3},
        {&Start::processorShown, "processor time of the process until its window's first frame", "ms", 1e3},
        {&Start::wallShown, "wall time from its start until its window's first frame", "ms", 1e3},
        {&Start::peak, "peak resident memory once shown and idle (VmHWM)", "MiB", 1.0 / 1024},
    };
    constexpr std::size_t kFigures = std::size(figures);
    std::vector<double> sums[kFigures][2], ratios[kFigures];
    for (int pair = 0; pair < pairs; ++pair) {
        Start pairSums[2] = {};
        for (int round = 0; round < rounds; ++round) {
            for (int turn = 0; turn < 2; ++turn) {
                const int which = (round + turn) % 2;  // program first in even rounds
                const Start s = (which == 0 ? program : baseline).start();
                for (const Figure& figure : figures) pairSums[which].*figure.of += s.*figure.of;
            }
        }
        for (std::size_t f = 0; f < kFigures; ++f) {
            const double Start::*of = figures[f].of;
            for (int which = 0; which < 2; ++which) sums[f][which].push_back(pairSums[which].*of);
            ratios[f].push_back(pairSums[0].*of / pairSums[1].*of);
        }
    }
    std::printf("start-up to the mapped window and to its first frame, %d pairs of %d starts each:\n", pairs, rounds);
    for (std::size_t f = 0; f < kFigures; ++f) {
        print(figures[f].what, figures[f].unit, figures[f].scale, sums[f][0], sums[f][1], ratios[f], rounds, 1.05);
    }
    return 0;
}
