#pragma once

#include "Win32Api.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "Peers.h"
#include "Win32Handles.h"

namespace guirt::win32 {

// Where an entry of the runtime's menus went in the native ones.
struct NativeEntry {
    HMENU menu = nullptr;     // the menu it is in
    UINT position = 0;        // its place there
    HMENU submenu = nullptr;  // a menu's own
};

// Appends the entries to the native menu: menus as pop-up menus, separators, and commands
// numbered firstCommand plus their entry's number, with the shortcut's text after a tab
// ("Cu&t\tCtrl+X"), each enabled or greyed as the entry says. Notes where each went, by number.
void AppendEntries(HMENU menu, const std::vector<MenuEntry>& entries, UINT firstCommand,
                   std::vector<NativeEntry>& placed);

// A window's menu bar as a native bar. Its commands show their shortcuts; the window takes
// their keys.
class MenuBarMenus {
public:
    MenuBarMenus() = default;
    // Built from the bar's menus; none for no menus.
    explicit MenuBarMenus(const std::vector<MenuEntry>& menus);

    HMENU Menu() const noexcept { return menu_.get(); }
    // The number of the entry whose pop-up menu this is; none for any other menu.
    std::optional<std::size_t> MenuOf(HMENU popup) const;
    // The number of the entry of a command from the bar; none for any other command.
    std::optional<std::size_t> EntryOf(UINT command) const;
    void SetEnabled(std::size_t entry, bool enabled) const;

private:
    std::vector<NativeEntry> placed_;
    MenuHandle menu_;
};

}  // namespace guirt::win32
