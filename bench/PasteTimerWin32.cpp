// Times a paste of the longest text a text field takes (65,536 characters) over the whole text
// of the diameter field of two Windows programs, as Ctrl+V and the Edit menu send it
// (WM_PASTE): from the message sent until the program has answered it, the text inserted
// and the change it notifies handled (the area and the result recalculated). The baseline's
// field is given the same limit, past the 30,000 characters an edit control keeps by default.
// The two take turns, program first and baseline first in alternate pairs. Then a paste of
// one character more, which the program refuses whole.
// Usage: paste_timer PAIRS PROGRAM TITLE BASELINE BASELINE_TITLE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "Stats.h"
#include "Win32Program.h"

namespace {

constexpr int kDiameterId = 1005;
constexpr std::size_t kMostText = 65'536;
constexpr UINT kReplyTime = 600'000;

double secondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void putOnClipboard(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory || !OpenClipboard(nullptr)) {
        std::fprintf(stderr, "paste_timer: cannot set the clipboard\n");
        std::exit(1);
    }
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class Paster {
public:
    Paster(const wchar_t* path, const wchar_t* title)
        : name_(title), program_(bench::fullPath(path)), field_(GetDlgItem(program_.waitForWindow(title), kDiameterId)) {
        if (!field_) fail(L"has no diameter field");
        ask(EM_SETLIMITTEXT, kMostText, 0);
        kept_ = text();
    }

    // Seconds for one paste over the whole text; the text is put back outside the timing.
    double paste() {
        ask(EM_SETSEL, 0, -1);
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        ask(WM_PASTE, 0, 0);
        const double seconds = secondsSince(start);
        pasted_ = text().size();
        ask(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept_.c_str()));
        return seconds;
    }

    std::size_t pasted() const { return pasted_; }
    const wchar_t* name() const { return name_; }

private:
    LRESULT ask(UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR reply = 0;
        if (!SendMessageTimeoutW(field_, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTime, &reply)) {
            fail(L"did not answer in time");
        }
        return static_cast<LRESULT>(reply);
    }

    std::wstring text() {
        std::wstring buffer(kMostText + 2, L'\0');
        buffer.resize(ask(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
        return buffer;
    }

    [[noreturn]] void fail(const wchar_t* what) const {
        std::fprintf(stderr, "paste_timer: %ls %ls\n", name_, what);
        std::exit(1);
    }

    const wchar_t* name_;
    bench::Win32Program program_;
    HWND field_;
    std::wstring kept_;
    std::size_t pasted_ = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6 || _wtoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: paste_timer PAIRS PROGRAM TITLE BASELINE BASELINE_TITLE\n");
        return 2;
    }
    const int pairs = _wtoi(argv[1]);
    Paster program(argv[2], argv[3]);
    Paster baseline(argv[4], argv[5]);
    putOnClipboard(L"1." + std::wstring(kMostText - 2, L'0'));
    // One each first, not counted.
    program.paste();
    baseline.paste();
    if (program.pasted() != kMostText || baseline.pasted() != kMostText) {
        std::fprintf(stderr, "paste_timer: a field did not take the whole paste\n");
        return 1;
    }
    std::vector<double> programTimes, baselineTimes, ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        Paster& first = pair % 2 ? baseline : program;
        Paster& second = pair % 2 ? program : baseline;
        const double a = first.paste(), b = second.paste();
        programTimes.push_back(pair % 2 ? b : a);
        baselineTimes.push_back(pair % 2 ? a : b);
        ratios.push_back(programTimes.back() / baselineTimes.back());
    }
    std::printf("a paste of %zu characters over the diameter field, under Wine, %d pairs (median, middle half, CV):\n",
                kMostText, pairs);
    for (const auto& [paster, times] : {std::pair{&program, &programTimes}, std::pair{&baseline, &baselineTimes}}) {
        const bench::Summary s = bench::summarise(*times);
        std::printf("  %-9ls %8.1f ms   middle half %8.1f-%8.1f   CV %4.1f%%\n", paster->name(), 1e3 * s.median,
                    1e3 * s.lowerQuartile, 1e3 * s.upperQuartile, 100 * s.cv);
    }
    bench::printRatios(ratios);

    putOnClipboard(L"1." + std::wstring(kMostText - 1, L'0'));
    const double refused = program.paste();
    std::printf("  %ls refusing one character more: %.1f ms, the field kept its text: %s\n", program.name(),
                1e3 * refused, program.pasted() < kMostText ? "yes" : "no");
    return 0;
}
