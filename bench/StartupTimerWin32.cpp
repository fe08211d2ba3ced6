// Times Windows programs from process creation until their main window is shown, in pairs of
// rounds taken in turns (bench::paired), so that drift hits them alike; one start is at the
// mercy of whatever else the machine does, a pair's sums much less so.
// Usage: startup_timer PAIRS ROUNDS PROGRAM TITLE BASELINE BASELINE_TITLE
// "Shown" is the first moment the process has a visible top-level window with the title,
// looked for once the process is idle for input and every millisecond until then.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

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

// A pair's sums, per start.
void print(const wchar_t* title, const Summary& s, int rounds) {
    std::printf("  %-9ls %6.1f ms   quartiles %6.1f-%6.1f   range %6.1f-%6.1f   CV %4.1f%%\n", title, s.median / rounds,
                s.lowerQuartile / rounds, s.upperQuartile / rounds, s.min / rounds, s.max / rounds, 100 * s.cv);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 7 || _wtoi(argv[1]) < 1 || _wtoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: startup_timer PAIRS ROUNDS PROGRAM TITLE BASELINE BASELINE_TITLE\n");
        return 2;
    }
    const int pairs = _wtoi(argv[1]);
    const int rounds = _wtoi(argv[2]);
    const std::wstring program = bench::fullPath(argv[3]);
    const std::wstring baseline = bench::fullPath(argv[5]);
    // One start each first, so both find their files in the page cache.
    timeOneStart(program, argv[4]);
    timeOneStart(baseline, argv[6]);
    const bench::Paired times = bench::paired(
        pairs, rounds, [&] { return timeOneStart(program, argv[4]); }, [&] { return timeOneStart(baseline, argv[6]); });
    std::printf("start-up to the shown window under Wine, %d pairs of %d starts each (per start: median, quartiles, "
                "range, CV):\n",
                pairs, rounds);
    print(argv[4], bench::summarise(times.a), rounds);
    print(argv[6], bench::summarise(times.b), rounds);
    bench::printRatios(times.ratios, 1.05);
    return 0;
}
