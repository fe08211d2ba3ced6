#pragma once

#include <windows.h>

#include <thread>

namespace behaviour::win32 {

// Another program's window on the desktop, for the user to switch to: a window of the
// agent's own, on a thread of its own that answers its messages, in a corner where it
// covers nothing of the program's.
class Bystander {
public:
    Bystander() = default;
    ~Bystander();
    Bystander(const Bystander&) = delete;
    Bystander& operator=(const Bystander&) = delete;

    // Makes it the active window, as a click on it would; made the first time.
    void Activate();

private:
    void Run();

    std::thread thread_;
    HWND window_ = nullptr;
    HANDLE made_ = nullptr;
};

}  // namespace behaviour::win32
