#include "ShownMenus.h"

namespace guirt {

ShownMenus::ShownMenus(const MenuItem& root, Use use) {
    Add(root, kTop, use, entries_);
}

void ShownMenus::Add(const MenuItem& parent, std::size_t parentNumber, Use use, std::vector<MenuEntry>& into) {
    const std::int64_t count = parent.Count();
    for (std::int64_t i = 0; i < count; ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (!item->Visible()) continue;
        MenuEntry entry;
        entry.number = slots_.size();
        slots_.push_back({item, parentNumber});
        entry.text = TextOf(item->Text());
        entry.enabled = use == Use::PopUp ? item->EnabledNow() : EnabledUntilUsed(*item);
        if (item->IsSeparator()) {
            entry.kind = MenuEntry::Kind::Separator;
        } else if (item->Count() > 0 || (use == Use::Bar && parentNumber == kTop)) {
            // What the bar shows is always a menu, even while it has no items yet.
            entry.kind = MenuEntry::Kind::Menu;
            Add(*item, entry.number, use, entry.entries);
        } else {
            entry.kind = MenuEntry::Kind::Command;
            entry.shortcut = ParseShortcut(TextOf(item->CommandKey()));
            if (!entry.shortcut.Empty()) entry.shortcutText = TextOf(item->CommandKey());
        }
        into.push_back(std::move(entry));
    }
}

Ref<MenuItem> ShownMenus::Item(std::size_t number) const {
    return number < slots_.size() ? slots_[number].item : nullptr;
}

std::vector<std::size_t> ShownMenus::Inside(std::size_t menu) const {
    std::vector<std::size_t> inside;
    for (std::size_t number = 0; number < slots_.size(); ++number) {
        if (slots_[number].menu == menu) inside.push_back(number);
    }
    return inside;
}

bool ShownMenus::EnabledUntilUsed(const MenuItem& item) {
    if (item.AutoEnable() && item.Count() == 0 && !item.IsSeparator()) return true;
    return item.EnabledNow();
}

}  // namespace guirt
