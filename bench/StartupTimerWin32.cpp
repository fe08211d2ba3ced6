// Times Windows programs from process creation until their main window is shown, run after
// run, alternating so that drift hits them alike, and compares them by the median.
// Usage: startup_timer RUNS PROGRAM TITLE BASELINE BASELINE_TITLE
// "Shown" is the first moment the process has a visible top-level window with the title,
// looked for once the process is idle for input and every millisecond until then.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "Stats.h"
#include "Win32Program.h"

namespace {

using Clock = std::chrono::steady_clock;
using bench::Summary;

constexpr DWORD kSettle = 200;  // milliseconds

// Milliseconds from CreateProcessW to the shown window. The process is ended afterwards, and
// what its end sets going (Wine's server and desktop letting go of its windows, Linux
// unmapping it) is given time to finish before the next start, outside the timing.
double timeOneStart(const std::wstring& path, const wchar_t* title) {
    double ms = 0;
    {
        const Clock::time_point start = Clock::now();
        const bench::Win32Program program(path);
        WaitForInputIdle(program.process(), 30000);
        program.waitForWindow(title);
        ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    Sleep(kSettle);
    return ms;
}

void print(const wchar_t* title, const Summary& s) {
    std::printf("  %-9ls %6.1f ms   quartiles %6.1f-%6.1f   range %6.1f-%6.1f   CV %4.1f%%\n", title, s.median,
                s.lowerQuartile, s.upperQuartile, s.min, s.max, 100 * s.cv);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6 || _wtoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM TITLE BASELINE BASELINE_TITLE\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    const std::wstring program = bench::fullPath(argv[2]);
    const std::wstring baseline = bench::fullPath(argv[4]);
    // One start each first, so both find their files in the page cache.
    timeOneStart(program, argv[3]);
    timeOneStart(baseline, argv[5]);
    // Pairs of runs, in turn program first and baseline first, so that neither always
    // follows the other; a pair's ratio holds even while the machine's speed drifts.
    std::vector<double> programTimes, baselineTimes, pairRatios;
    for (int i = 0; i < runs; ++i) {
        double p = 0, b = 0;
        if (i % 2 == 0) {
            p = timeOneStart(program, argv[3]);
            b = timeOneStart(baseline, argv[5]);
        } else {
            b = timeOneStart(baseline, argv[5]);
            p = timeOneStart(program, argv[3]);
        }
        programTimes.push_back(p);
        baselineTimes.push_back(b);
        pairRatios.push_back(p / b);
    }
    const Summary p = bench::summarise(programTimes);
    const Summary b = bench::summarise(baselineTimes);
    std::printf("start-up to the shown window under Wine, %d runs each (median, quartiles, range, CV):\n", runs);
    print(argv[3], p);
    print(argv[5], b);
    bench::printRatios(pairRatios, 1.05);
    return 0;
}
