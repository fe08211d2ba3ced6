// Times one keystroke in the diameter field of two Windows programs: a press and then a
// release posted to the focused field, as the keyboard's arrive, alternately a 5 and a
// Backspace so that the text and the result keep changing. Each is timed from its arrival
// until the program has dealt with it (the character typed, the area and the result
// recalculated and set) and has nothing left to paint or to take from its queue; that
// moment is stamped inside the program, on its own thread, by keystroke_probe.dll
// (KeystrokeProbeWin32.cpp), and Wine's performance counter is one clock for every process.
// The two programs take turns of a few keystrokes each, so that both meet the machine as it
// is at the moment; a pair of batches is many turns, and its ratio is that of the two
// programs' median keystrokes, which the moments another process had the processor barely
// move.
// Usage: keystroke_timer PAIRS KEYSTROKES PROGRAM TITLE BASELINE BASELINE_TITLE
// (KEYSTROKES per program and pair, in turns of 10)
// Both programs make the same controls in the same order, so their IDs tell the diameter
// field, the area field and the result label apart.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "KeystrokeProbe.h"
#include "Stats.h"
#include "Win32Program.h"

namespace {

constexpr int kResultId = 1003;
constexpr int kDiameterId = 1005;
constexpr int kAreaId = 1009;
constexpr DWORD kReplyTime = 10000;
// Even, so that each turn leaves the text as it found it.
constexpr int kTurn = 10;

LONGLONG now() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

double seconds(LONGLONG counts) {
    static const double perSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart);
    }();
    return static_cast<double>(counts) / perSecond;
}

// A control's text, asked of its own thread: an edit control of another process keeps its
// text where GetWindowText does not look.
std::wstring text(HWND window) {
    wchar_t buffer[128];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, kReplyTime,
                             &length)) {
        return {};
    }
    return {buffer, static_cast<std::size_t>(length)};
}

// The lParam of a key message: one repeat and the key's scan code; a release also carries
// the previous-state and transition bits.
LPARAM keyBits(UINT key, bool release) {
    LPARAM bits = 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    if (release) bits |= static_cast<LPARAM>(0xC0000000u);
    return bits;
}

class Typist {
public:
    Typist(const wchar_t* path, const wchar_t* title)
        : name_(title), program_(bench::fullPath(path)), window_(program_.waitForWindow(title)) {
        diameter_ = GetDlgItem(window_, kDiameterId);
        area_ = GetDlgItem(window_, kAreaId);
        result_ = GetDlgItem(window_, kResultId);
        wchar_t className[32] = L"";
        GetClassNameW(diameter_, className, 32);
        if (lstrcmpiW(className, L"Edit") != 0 || text(result_).find(L"Voltage drop") != 0) {
            fail(L"has no diameter field or result label where expected");
        }
        putProbeIn();
    }

    ~Typist() {
        if (state_) UnmapViewOfFile(state_);
        CloseHandle(memory_);
        CloseHandle(done_);
    }

    // The window active and the caret at the start of the diameter's text, where a digit
    // changes the result's three decimals.
    void takeFocus() {
        SetForegroundWindow(window_);
        RECT field;
        GetClientRect(diameter_, &field);
        const LPARAM atStart = MAKELPARAM(0, field.bottom / 2);
        PostMessageW(diameter_, WM_LBUTTONDOWN, MK_LBUTTON, atStart);
        PostMessageW(diameter_, WM_LBUTTONUP, 0, atStart);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof(thread);
        for (int waited = 0; !GetGUIThreadInfo(threadId_, &thread) || thread.hwndFocus != diameter_; ++waited) {
            if (waited == 10000) fail(L"did not focus its diameter field on a click");
            Sleep(1);
        }
    }

    // A turn: the microseconds of each keystroke, added to `times`.
    void turn(std::vector<double>& times) {
        takeFocus();
        for (int i = 0; i < kTurn; ++i) {
            const UINT key = i % 2 ? VK_BACK : '5';
            const std::wstring before = text(result_);
            LONGLONG counts = 0;
            for (const bool release : {false, true}) {
                const LONGLONG start = now();
                PostMessageW(diameter_, release ? WM_KEYUP : WM_KEYDOWN, key, keyBits(key, release));
                if (WaitForSingleObject(done_, kReplyTime) != WAIT_OBJECT_0) fail(L"was not done with a key in time");
                counts += state_->doneAt - start;
            }
            const std::wstring after = text(result_);
            if (after == before) fail(L"did not recalculate the result on a keystroke");
            if (i < 2) shown_[i] = text(diameter_) + L" | " + text(area_) + L" | " + after;
            times.push_back(seconds(counts) * 1e6);
        }
    }

    const wchar_t* name() const { return name_; }
    // The diameter, the area and the result shown after a turn's first two keystrokes, a digit
    // and a Backspace, which restore the diameter.
    std::wstring shown() const { return shown_[0] + L"\n  " + shown_[1]; }

private:
    // The probe comes with a message hook on the program's thread and stays once it is gone.
    void putProbeIn() {
        const DWORD processId = GetProcessId(program_.process());
        memory_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(bench::ProbeState),
                                     bench::probeName(processId, L"state").c_str());
        done_ = CreateEventW(nullptr, FALSE, FALSE, bench::probeName(processId, L"done").c_str());
        if (memory_) {
            state_ = static_cast<bench::ProbeState*>(
                MapViewOfFile(memory_, FILE_MAP_WRITE, 0, 0, sizeof(bench::ProbeState)));
        }
        HMODULE probe = LoadLibraryW(L"keystroke_probe.dll");
        auto hook =
            reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(probe ? GetProcAddress(probe, "ProbeHook") : nullptr));
        if (!state_ || !done_ || !hook) fail(L"could not be given the probe (keystroke_probe.dll)");
        *state_ = {window_, 0, false};
        HHOOK hooked = SetWindowsHookExW(WH_GETMESSAGE, hook, probe, threadId_);
        PostMessageW(window_, WM_NULL, 0, 0);
        const bool ready = hooked && WaitForSingleObject(done_, kReplyTime) == WAIT_OBJECT_0 && state_->ready;
        if (hooked) UnhookWindowsHookEx(hooked);
        if (!ready) fail(L"did not take the probe (keystroke_probe.dll)");
    }

    [[noreturn]] void fail(const wchar_t* what) const {
        std::fprintf(stderr, "keystroke_timer: %ls %ls\n", name_, what);
        std::exit(1);
    }

    const wchar_t* name_;
    bench::Win32Program program_;
    HWND window_;
    DWORD threadId_ = GetWindowThreadProcessId(window_, nullptr);
    HWND diameter_ = nullptr;
    HWND area_ = nullptr;
    HWND result_ = nullptr;
    HANDLE memory_ = nullptr;
    HANDLE done_ = nullptr;
    bench::ProbeState* state_ = nullptr;
    std::wstring shown_[2];
};

double median(const std::vector<double>& values) {
    return bench::summarise(values).median;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 7 || _wtoi(argv[1]) < 1 || _wtoi(argv[2]) < kTurn) {
        std::fprintf(stderr, "usage: keystroke_timer PAIRS KEYSTROKES PROGRAM TITLE BASELINE BASELINE_TITLE\n");
        return 2;
    }
    const int pairs = _wtoi(argv[1]);
    const int turns = _wtoi(argv[2]) / kTurn;
    Typist program(argv[3], argv[4]);
    Typist baseline(argv[5], argv[6]);
    // A pair's worth each first, not counted, for the first use of every path a keystroke takes.
    std::vector<double> warmUp;
    for (int i = 0; i < turns; ++i) {
        program.turn(warmUp);
        baseline.turn(warmUp);
    }
    // Both must have done the same work and show the same texts.
    if (program.shown() != baseline.shown()) {
        std::fprintf(stderr, "keystroke_timer: the programs show different texts:\n  %ls\nagainst\n  %ls\n",
                     program.shown().c_str(), baseline.shown().c_str());
        return 1;
    }
    // In turn program first and baseline first, so that neither always follows the other.
    std::vector<double> programTimes, baselineTimes, ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        std::vector<double> p, b;
        for (int i = 0; i < turns; ++i) {
            Typist& first = i % 2 ? baseline : program;
            Typist& second = i % 2 ? program : baseline;
            first.turn(i % 2 ? b : p);
            second.turn(i % 2 ? p : b);
        }
        programTimes.push_back(median(p));
        baselineTimes.push_back(median(b));
        ratios.push_back(programTimes.back() / baselineTimes.back());
    }
    const bench::Summary p = bench::summarise(programTimes);
    const bench::Summary b = bench::summarise(baselineTimes);
    std::printf(
        "a keystroke in the diameter field, handled and painted, under Wine: %d pairs of %d keystrokes each "
        "(the pairs' medians: median, middle half, CV):\n",
        pairs, turns * kTurn);
    for (const auto& [typist, s] : {std::pair{&program, p}, std::pair{&baseline, b}}) {
        std::printf("  %-9ls %7.1f us   middle half %7.1f-%7.1f   CV %4.1f%%\n", typist->name(), s.median,
                    s.lowerQuartile, s.upperQuartile, 100 * s.cv);
    }
    bench::printRatios(ratios, 1.05);
    return 0;
}
