#include "Popups.h"

#include <string>
#include <thread>

namespace behaviour::win32 {

namespace {

struct Search {
    DWORD process;
    std::wstring_view windowClass;
    bool shown;
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || (search->shown && !IsWindowVisible(window))) return TRUE;
    wchar_t name[64];
    const int length = GetClassNameW(window, name, 64);
    if (std::wstring_view(name, static_cast<std::size_t>(length)) != search->windowClass) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND TopWindowOf(DWORD process, std::wstring_view windowClass, bool shown) {
    // EnumWindows walks the top-level windows from the top of the z-order down.
    Search search{process, windowClass, shown};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForShown(DWORD process, std::wstring_view windowClass, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (HWND found = TopWindowOf(process, windowClass, true)) return found;
        if (std::chrono::steady_clock::now() > deadline) return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace behaviour::win32
