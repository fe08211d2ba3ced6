#pragma once

#include <cstddef>
#include <vector>

#include "Peers.h"
#include "guirt/MenuItem.h"

namespace guirt {

// A menu tree as a backend shows it: separators, menus and commands, numbered in the order
// they appear, with the item behind each number for what the user does with the entry. The
// rules are the runtime's, the same for every backend: "-" is a separator, everything the
// bar shows is a menu, hidden items are left out.
class ShownMenus {
public:
    enum class Use {
        Bar,    // a window's bar: a command shows enabled until it is used (UntilUsed)
        PopUp,  // a context menu, opening now: each shows whether it can act now
    };
    ShownMenus(const MenuItem& root, Use use);

    const std::vector<MenuEntry>& Entries() const noexcept { return entries_; }
    // The item of the entry with the number; nil for a number it never gave.
    Ref<MenuItem> Item(std::size_t number) const;
    // The numbers of the entries directly inside the menu with the number.
    std::vector<std::size_t> Inside(std::size_t menu) const;

    // How an item of a bar shows while its menu is closed: an AutoEnable command is decided
    // when it is used (as its menu opens, as it is chosen), so until then it shows enabled,
    // and a toolkit that delivers no shortcut of a greyed command still delivers its own.
    static bool EnabledUntilUsed(const MenuItem& item);

private:
    static constexpr std::size_t kTop = static_cast<std::size_t>(-1);
    void Add(const MenuItem& parent, std::size_t parentNumber, Use use, std::vector<MenuEntry>& into);

    struct Slot {
        Ref<MenuItem> item;
        std::size_t menu;  // the number of the menu it is in; kTop at the top
    };
    std::vector<MenuEntry> entries_;
    std::vector<Slot> slots_;
};

}  // namespace guirt
