#pragma once

#include <windows.h>

#include <string>

namespace bench {

// A program started from this process, as Explorer starts it, ended with this object. A
// benchmark cannot go on without its programs: failing to start one, or to see its window
// in time, ends this process with a message.
class Win32Program {
public:
    explicit Win32Program(const std::wstring& path);
    ~Win32Program();
    Win32Program(const Win32Program&) = delete;
    Win32Program& operator=(const Win32Program&) = delete;

    // Waits for the process's visible top-level window with the title, looking every
    // millisecond.
    HWND waitForWindow(const wchar_t* title) const;
    HANDLE process() const { return process_.hProcess; }

private:
    HWND shownWindow(const wchar_t* title) const;

    std::wstring path_;
    PROCESS_INFORMATION process_{};
};

// The full path of a file named on the command line.
std::wstring fullPath(const wchar_t* path);

}  // namespace bench
