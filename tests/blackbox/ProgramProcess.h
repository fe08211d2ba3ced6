#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace blackbox {

// A program started as a process of its own, as Explorer starts it, with its standard
// output and error going to a scratch file. The destructor ends a process that still runs,
// so a failed or hung test never leaves one behind.
class ProgramProcess {
public:
    // Throws std::runtime_error when the program cannot be started.
    explicit ProgramProcess(const std::wstring& path);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // The process's visible top-level window with this title, or null when none appears in
    // time or the process ends first.
    HWND waitForWindow(const std::wstring& title, std::chrono::milliseconds timeout) const;
    bool running() const;
    // The exit status, once the process has ended within the timeout.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout) const;
    // What the program wrote to standard output and error so far.
    std::string output() const;

private:
    PROCESS_INFORMATION process_{};
    std::wstring logPath_;
};

}  // namespace blackbox
