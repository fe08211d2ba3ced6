#pragma once

#include "Win32Api.h"

#include <vector>

#include "Win32Handles.h"
#include "guirt/MenuBar.h"

namespace guirt::win32 {

// A native menu item and the model item it shows.
struct MenuEntry {
    Ref<MenuItem> item;
    HMENU menu = nullptr;  // the menu it is in
    UINT position = 0;     // its place there
    UINT command = 0;      // none for a menu or a separator
};

// Appends the visible children of parent to menu: items with children (and, in a bar,
// every item) as pop-up menus, "-" as separators, the rest as commands numbered on from
// nextCommand, with the shortcut's text after a tab ("Cu&t\tCtrl+X"). Each is enabled or
// greyed as its model says now.
void AppendItems(HMENU menu, const MenuItem& parent, bool bar, std::vector<MenuEntry>& entries, UINT& nextCommand);

// Enables or greys the entries in the menu by whether their items can act now.
void ApplyStates(HMENU menu, const std::vector<MenuEntry>& entries);

// A window's menu bar as a native bar and the accelerator table of its items' shortcuts.
class MenuBarMenus {
public:
    MenuBarMenus() = default;
    // Both built from the bar; none for a null bar.
    explicit MenuBarMenus(const MenuBar* bar);

    HMENU Menu() const noexcept { return menu_.get(); }
    HACCEL Accelerators() const noexcept { return accelerators_.get(); }
    // As one of the bar's menus opens (or an accelerator fires): its items' states now.
    void Prepare(HMENU popup) const { ApplyStates(popup, entries_); }
    // The item of a command from the bar or an accelerator; nil for any other number.
    Ref<MenuItem> ItemOf(UINT command) const;

private:
    std::vector<MenuEntry> entries_;
    MenuHandle menu_;
    AcceleratorHandle accelerators_;
};

}  // namespace guirt::win32
