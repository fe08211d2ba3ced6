#include "Win32Program.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[64];
    if (owner == search->processId && IsWindowVisible(window) && GetWindowTextW(window, title, 64) > 0 &&
        lstrcmpW(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

Win32Program::Win32Program(const std::wstring& path) : path_(path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", path.c_str(), GetLastError());
        std::exit(1);
    }
}

Win32Program::~Win32Program() {
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND Win32Program::shownWindow(const wchar_t* title) const {
    WindowSearch search{process_.dwProcessId, title, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Win32Program::waitForWindow(const wchar_t* title) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
        if (HWND window = shownWindow(title)) return window;
        // Waiting on the process is the millisecond's pause, and notices an early exit.
        if (WaitForSingleObject(process_.hProcess, 1) != WAIT_TIMEOUT || std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "%ls showed no window titled %ls\n", path_.c_str(), title);
            std::exit(1);
        }
    }
}

std::wstring fullPath(const wchar_t* path) {
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::wstring(full, length) : std::wstring(path);
}

}  // namespace bench
