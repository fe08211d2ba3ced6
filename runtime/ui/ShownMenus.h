#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "Peers.h"
#include "guirt/MenuItem.h"

namespace guirt {

// A menu tree as a backend shows it: separators, menus and commands, each entry numbered,
// with the item behind each number for what the user does with the entry. The rules are
// the runtime's, the same for every backend: "-" is a separator, everything the bar shows
// is a menu, hidden items are left out.
class ShownMenus {
public:
    enum class Use {
        Bar,    // a window's bar: a command shows enabled until it is used (UntilUsed)
        PopUp,  // a context menu, opening now: each shows whether it can act now
    };
    explicit ShownMenus(Use use) : use_(use) {}

    // Describes the tree below the root afresh (none: no menus). An item keeps the number it
    // had, so a choice from menus a backend still shows while it has not rebuilt them yet
    // runs the item that was shown.
    void Describe(const MenuItem* root);

    const std::vector<MenuEntry>& Entries() const noexcept { return entries_; }
    // The item of an entry numbered so far; nil for a number never given, or an item gone.
    Ref<MenuItem> Item(std::size_t number) const;
    // The numbers of the entries directly inside the menu with the number, as described now.
    std::vector<std::size_t> Inside(std::size_t menu) const;
    // The first command, in the order shown, whose shortcut is the one pressed.
    std::optional<std::size_t> CommandWith(const Shortcut& pressed) const;

    // How an item of a bar shows while its menu is closed: an AutoEnable command is decided
    // when it is used (as its menu opens, as it is chosen), so until then it shows enabled,
    // and a toolkit that delivers no shortcut of a greyed command still delivers its own.
    static bool EnabledUntilUsed(const MenuItem& item);

private:
    static constexpr std::size_t kTop = static_cast<std::size_t>(-1);
    void Add(const MenuItem& parent, std::size_t parentNumber, std::vector<MenuEntry>& into);
    std::size_t NumberOf(const Ref<MenuItem>& item);

    Use use_;
    std::vector<MenuEntry> entries_;
    std::vector<WeakRef<MenuItem>> numbered_;                  // the item of each number
    std::vector<std::pair<std::size_t, std::size_t>> inside_;  // entry and its menu, as described now
};

}  // namespace guirt
