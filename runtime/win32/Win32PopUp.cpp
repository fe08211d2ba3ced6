#include "Win32PopUp.h"

#include "Win32Handles.h"
#include "Win32Menus.h"

namespace guirt::win32 {

std::optional<std::size_t> PopUpMenu(const std::vector<MenuEntry>& entries,
                                     std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    const MenuHandle native(CreatePopupMenu());
    // Numbered from 1: TrackPopupMenu tells no choice by 0.
    std::vector<NativeEntry> placed;
    AppendEntries(native.get(), entries, 1, placed);
    POINT where{};
    if (at) {
        where = {static_cast<LONG>(at->first), static_cast<LONG>(at->second)};
    } else {
        GetCursorPos(&where);
    }
    // The menu needs a window of this thread to belong to; without an active one, a hidden
    // window stands in, in the foreground so a click elsewhere dismisses the menu.
    HWND owner = GetActiveWindow();
    WindowHandle standIn;
    if (!owner) {
        standIn.reset(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      RuntimeModule(), nullptr));
        owner = standIn.get();
        SetForegroundWindow(owner);
    }
    const auto chosen = static_cast<UINT>(TrackPopupMenu(native.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                         where.x, where.y, 0, owner, nullptr));
    // Lets the menu go away for good when it was dismissed by switching to another program.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0) return std::nullopt;
    return std::size_t{chosen - 1};
}

}  // namespace guirt::win32
