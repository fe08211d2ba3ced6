// Times Windows programs from process creation until their main window is shown, run after
// run, alternating so that drift hits them alike, and compares them by the median.
// Usage: startup_timer RUNS PROGRAM TITLE BASELINE BASELINE_TITLE
// "Shown" is the first moment the process has a visible top-level window with the title,
// looked for once the process is idle for input and every millisecond until then.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct WindowSearch {
    DWORD processId;
    const wchar_t* title;
    bool found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[64];
    if (owner == search->processId && IsWindowVisible(window) && GetWindowTextW(window, title, 64) > 0 &&
        lstrcmpW(title, search->title) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

std::wstring fullPath(const wchar_t* path) {
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(full, length) : std::wstring(path);
}

// Milliseconds from CreateProcessW to the shown window; the process is ended afterwards.
double timeOneStart(const std::wstring& program, const wchar_t* title) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const Clock::time_point start = Clock::now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "startup_timer: cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        std::exit(1);
    }
    WaitForInputIdle(process.hProcess, 30000);
    WindowSearch search{process.dwProcessId, title, false};
    const Clock::time_point deadline = start + std::chrono::seconds(60);
    for (;;) {
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        // Waiting on the process is the millisecond's pause, and notices an early exit.
        if (WaitForSingleObject(process.hProcess, 1) != WAIT_TIMEOUT || Clock::now() > deadline) {
            std::fprintf(stderr, "startup_timer: %ls showed no window titled %ls\n", program.c_str(), title);
            std::exit(1);
        }
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ms;
}

struct Summary {
    double median, lowerQuartile, upperQuartile, min, max, cv;
};

// Quantiles by linear interpolation between the sorted times.
double quantile(const std::vector<double>& sorted, double q) {
    const double at = q * static_cast<double>(sorted.size() - 1);
    const std::size_t below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

Summary summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double mean = std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(n);
    double squares = 0;
    for (double t : times) squares += (t - mean) * (t - mean);
    const double deviation = n > 1 ? std::sqrt(squares / static_cast<double>(n - 1)) : 0;
    return {quantile(times, 0.5), quantile(times, 0.25), quantile(times, 0.75),
            times.front(),        times.back(),          deviation / mean};
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
    const std::wstring program = fullPath(argv[2]);
    const std::wstring baseline = fullPath(argv[4]);
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
    const Summary p = summarise(programTimes);
    const Summary b = summarise(baselineTimes);
    const Summary r = summarise(pairRatios);
    std::printf("start-up to the shown window under Wine, %d runs each (median, quartiles, range, CV):\n", runs);
    print(argv[3], p);
    print(argv[5], b);
    std::printf("  ratio of medians %.2f (target <= 1.10); ratio within pairs: median %.2f, quartiles %.2f-%.2f\n",
                p.median / b.median, r.median, r.lowerQuartile, r.upperQuartile);
    return 0;
}
