#pragma once

#include <windows.h>

#include <string>

// What keystroke_timer shares with the probe it puts into a program it types into
// (keystroke_probe.dll): the program's window, named by the timer, and the moment the
// program was done with a key, stamped by the probe.
namespace bench {

struct ProbeState {
    HWND window;
    // QueryPerformanceCounter once a key message has been handled and nothing is left to
    // paint or to take from the queue.
    LONGLONG doneAt;
    bool ready;
};

// The names of the shared memory and of the event set at each stamp, per program.
inline std::wstring probeName(DWORD processId, const wchar_t* what) {
    return L"Local\\KeystrokeProbe." + std::to_wstring(processId) + L"." + what;
}

}  // namespace bench
