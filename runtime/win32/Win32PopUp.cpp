#include "Win32PopUp.h"

#include <vector>

#include "Peers.h"
#include "Win32Handles.h"
#include "Win32Menus.h"

namespace guirt::win32 {

void PopUpMenu(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    const MenuHandle native(CreatePopupMenu());
    std::vector<MenuEntry> entries;
    UINT nextCommand = 1;
    AppendItems(native.get(), menu, false, entries, nextCommand);
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
    for (const MenuEntry& entry : entries) {
        if (chosen && entry.command == chosen) {
            const Ref<MenuItem> item = entry.item;
            item->PeerChosen(PeerAccess::Key());
            return;
        }
    }
}

}  // namespace guirt::win32
