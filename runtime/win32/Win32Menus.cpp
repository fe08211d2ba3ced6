#include "Win32Menus.h"

#include "Input.h"
#include "Win32Keys.h"
#include "Win32Text.h"

namespace guirt::win32 {

namespace {

// Menu commands start above the dialog manager's IDOK and IDCANCEL, which Return and
// Escape send to the window.
constexpr UINT kFirstCommand = 100;

std::wstring ItemText(const MenuItem& item) {
    std::wstring text = Wide(TextOf(item.Text()));
    const std::string_view key = TextOf(item.CommandKey());
    if (!ParseShortcut(key).Empty()) text += L'\t' + Wide(key);
    return text;
}

}  // namespace

void AppendItems(HMENU menu, const MenuItem& parent, bool bar, std::vector<MenuEntry>& entries, UINT& nextCommand) {
    const std::int64_t count = parent.Count();
    UINT position = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (!item->Visible()) continue;
        MenuEntry entry{item, menu, position++, 0};
        if (item->IsSeparator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (bar || item->Count() > 0) {
            HMENU popup = CreatePopupMenu();
            AppendItems(popup, *item, false, entries, nextCommand);
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), ItemText(*item).c_str());
        } else {
            entry.command = nextCommand++;
            AppendMenuW(menu, MF_STRING, entry.command, ItemText(*item).c_str());
        }
        entries.push_back(std::move(entry));
    }
    ApplyStates(menu, entries);
}

void ApplyStates(HMENU menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.menu != menu || entry.item->IsSeparator()) continue;
        EnableMenuItem(menu, entry.position, MF_BYPOSITION | (entry.item->EnabledNow() ? MF_ENABLED : MF_GRAYED));
    }
}

MenuBarMenus::MenuBarMenus(const MenuBar* bar) {
    if (!bar) return;
    menu_.reset(CreateMenu());
    UINT nextCommand = kFirstCommand;
    AppendItems(menu_.get(), *bar, true, entries_, nextCommand);
    std::vector<ACCEL> table;
    for (const MenuEntry& entry : entries_) {
        if (!entry.command) continue;
        const Shortcut shortcut = ParseShortcut(TextOf(entry.item->CommandKey()));
        if (auto accel = AcceleratorOf(shortcut, static_cast<WORD>(entry.command))) table.push_back(*accel);
    }
    if (!table.empty()) accelerators_.reset(CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

Ref<MenuItem> MenuBarMenus::ItemOf(UINT command) const {
    for (const MenuEntry& entry : entries_) {
        if (entry.command && entry.command == command) return entry.item;
    }
    return nullptr;
}

}  // namespace guirt::win32
