#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace behaviour::win32 {

// A menu's item as the reader inside the program found it (InsideRequests.h).
struct MenuItem {
    std::wstring text;  // as the menu holds it: "&Copy\tCtrl+C"
    bool separator = false;
    bool enabled = true;
    RECT rect{};  // on the screen
    UINT_PTR submenu = 0;

    // The text users read: no access mark, no shortcut ("Copy").
    std::wstring Name() const;
    // The character after the access mark, or 0.
    wchar_t AccessKey() const;
    POINT Centre() const { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
};

struct Menu {
    UINT_PTR handle = 0;
    std::vector<MenuItem> items;

    // The item with that name; throws AgentError when there is none.
    const MenuItem& Item(std::wstring_view name) const;
};

Menu ParseMenu(std::wstring_view answer);

}  // namespace behaviour::win32
