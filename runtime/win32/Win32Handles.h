#pragma once

#include "Win32Api.h"

#include <memory>
#include <type_traits>

namespace guirt::win32 {

// Destroys a window now, or, while a call from Win32 into the models is running, once
// control is back in the event loop: the window (or its parent) may be the one whose
// message is being handled, and a control's own code still runs after the notification it
// sent returns.
void DestroyWindowSoon(HWND hwnd) noexcept;
// Destroys the windows put off so far; the loop calls it between messages.
void DestroyPendingWindows() noexcept;

struct WindowDeleter {
    void operator()(HWND hwnd) const noexcept { DestroyWindowSoon(hwnd); }
};
struct GdiDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct MenuDeleter {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};

// Owners of the native objects a peer makes; each is destroyed when its peer goes.
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// The module the runtime's code lives in (guirt.dll), which registers its window classes.
HINSTANCE RuntimeModule() noexcept;

}  // namespace guirt::win32
