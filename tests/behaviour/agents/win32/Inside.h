#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "InsideRequests.h"

namespace behaviour::win32 {

// The agent's side of its reader inside the program's process (InsideReader.cpp): the reader
// hooked onto the program's thread, and the shared memory its answers come back in.
class Inside {
public:
    // Throws AgentError when the reader's DLL beside the agent cannot be loaded.
    Inside();
    ~Inside();
    Inside(const Inside&) = delete;
    Inside& operator=(const Inside&) = delete;

    // Hooks the reader onto the thread (the program's GUI thread), in place of any earlier one.
    void Attach(DWORD thread);
    void Detach();

    // The answer to a request sent to the window, or nothing when its thread does not answer
    // within the limit (or has gone).
    std::optional<std::wstring> Ask(HWND window, Request request, std::chrono::milliseconds limit) const;

private:
    HMODULE reader_ = nullptr;
    HOOKPROC hook_ = nullptr;
    HHOOK hooked_ = nullptr;
    HANDLE mapping_ = nullptr;
    void* answer_ = nullptr;
};

}  // namespace behaviour::win32
