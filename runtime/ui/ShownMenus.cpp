#include "ShownMenus.h"

namespace guirt {

void ShownMenus::Describe(const MenuItem* root) {
    entries_.clear();
    inside_.clear();
    if (root) Add(*root, kTop, entries_);
}

void ShownMenus::Add(const MenuItem& parent, std::size_t parentNumber, std::vector<MenuEntry>& into) {
    const std::int64_t count = parent.Count();
    for (std::int64_t i = 0; i < count; ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (!item->Visible()) continue;
        MenuEntry entry;
        entry.number = NumberOf(item);
        inside_.emplace_back(entry.number, parentNumber);
        entry.text = TextOf(item->Text());
        entry.enabled = use_ == Use::PopUp ? item->EnabledNow() : EnabledUntilUsed(*item);
        if (item->IsSeparator()) {
            entry.kind = MenuEntry::Kind::Separator;
        } else if (item->Count() > 0 || (use_ == Use::Bar && parentNumber == kTop)) {
            // What the bar shows is always a menu, even while it has no items yet.
            entry.kind = MenuEntry::Kind::Menu;
            Add(*item, entry.number, entry.entries);
        } else {
            entry.kind = MenuEntry::Kind::Command;
            entry.shortcut = ParseShortcut(TextOf(item->CommandKey()));
            if (!entry.shortcut.Empty()) entry.shortcutText = TextOf(item->CommandKey());
        }
        into.push_back(std::move(entry));
    }
}

std::size_t ShownMenus::NumberOf(const Ref<MenuItem>& item) {
    for (std::size_t number = 0; number < numbered_.size(); ++number) {
        if (numbered_[number].Lock() == item) return number;
    }
    numbered_.emplace_back(item);
    return numbered_.size() - 1;
}

Ref<MenuItem> ShownMenus::Item(std::size_t number) const {
    return number < numbered_.size() ? numbered_[number].Lock() : nullptr;
}

std::vector<std::size_t> ShownMenus::Inside(std::size_t menu) const {
    std::vector<std::size_t> inside;
    for (const auto& [entry, parent] : inside_) {
        if (parent == menu) inside.push_back(entry);
    }
    return inside;
}

namespace {
std::optional<std::size_t> CommandIn(const std::vector<MenuEntry>& entries, const Shortcut& pressed) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Command && entry.shortcut == pressed) return entry.number;
        if (const auto inside = CommandIn(entry.entries, pressed)) return inside;
    }
    return std::nullopt;
}
}  // namespace

std::optional<std::size_t> ShownMenus::CommandWith(const Shortcut& pressed) const {
    return CommandIn(entries_, pressed);
}

bool ShownMenus::EnabledUntilUsed(const MenuItem& item) {
    if (item.AutoEnable() && item.Count() == 0 && !item.IsSeparator()) return true;
    return item.EnabledNow();
}

}  // namespace guirt
