#include "Win32Handles.h"

#include <vector>

#include "Guard.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace guirt::win32 {

namespace {
std::vector<HWND>& Pending() {
    static std::vector<HWND> pending;
    return pending;
}
}  // namespace

void DestroyWindowSoon(HWND hwnd) noexcept {
    if (!hwnd) return;
    if (!NativeCallback::Inside()) {
        DestroyWindow(hwnd);
        return;
    }
    // No room to remember it is a failure that ends the loop; the window then stays until its
    // parent or the process goes.
    Caught(0, [hwnd] {
        Pending().push_back(hwnd);
        return 0;
    });
}

void DestroyPendingWindows() noexcept {
    std::vector<HWND>& pending = Pending();
    // Last first: the controls of a window, let go of after it, go before it.
    while (!pending.empty()) {
        const HWND hwnd = pending.back();
        pending.pop_back();
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
}

HINSTANCE RuntimeModule() noexcept {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

}  // namespace guirt::win32
