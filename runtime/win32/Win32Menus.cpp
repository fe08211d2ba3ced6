#include "Win32Menus.h"

#include <algorithm>
#include <string>

#include "Win32Text.h"

namespace guirt::win32 {

namespace {

// Menu commands start above the dialog manager's IDOK and IDCANCEL, which Return and
// Escape send to the window.
constexpr UINT kFirstCommand = 100;

std::wstring EntryText(const MenuEntry& entry) {
    std::wstring text = Wide(entry.text);
    if (!entry.shortcutText.empty()) text += L'\t' + Wide(entry.shortcutText);
    return text;
}

}  // namespace

void AppendEntries(HMENU menu, const std::vector<MenuEntry>& entries, UINT firstCommand,
                   std::vector<NativeEntry>& placed) {
    UINT position = 0;
    for (const MenuEntry& entry : entries) {
        NativeEntry native{menu, position++, nullptr};
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case MenuEntry::Kind::Menu:
                native.submenu = CreatePopupMenu();
                AppendEntries(native.submenu, entry.entries, firstCommand, placed);
                AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(native.submenu), EntryText(entry).c_str());
                break;
            case MenuEntry::Kind::Command:
                AppendMenuW(menu, MF_STRING, firstCommand + entry.number, EntryText(entry).c_str());
                break;
        }
        if (entry.kind != MenuEntry::Kind::Separator && !entry.enabled) {
            EnableMenuItem(menu, native.position, MF_BYPOSITION | MF_GRAYED);
        }
        if (placed.size() <= entry.number) placed.resize(entry.number + 1);
        placed[entry.number] = native;
    }
}

MenuBarMenus::MenuBarMenus(const std::vector<MenuEntry>& menus) {
    if (menus.empty()) return;
    menu_.reset(CreateMenu());
    AppendEntries(menu_.get(), menus, kFirstCommand, placed_);
}

std::optional<std::size_t> MenuBarMenus::MenuOf(HMENU popup) const {
    auto it = std::find_if(placed_.begin(), placed_.end(),
                           [popup](const NativeEntry& entry) { return popup && entry.submenu == popup; });
    if (it == placed_.end()) return std::nullopt;
    return static_cast<std::size_t>(it - placed_.begin());
}

std::optional<std::size_t> MenuBarMenus::EntryOf(UINT command) const {
    if (command < kFirstCommand || command - kFirstCommand >= placed_.size()) return std::nullopt;
    return command - kFirstCommand;
}

void MenuBarMenus::SetEnabled(std::size_t entry, bool enabled) const {
    if (entry >= placed_.size() || !placed_[entry].menu) return;
    EnableMenuItem(placed_[entry].menu, placed_[entry].position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace guirt::win32
