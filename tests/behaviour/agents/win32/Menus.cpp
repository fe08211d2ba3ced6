#include "Menus.h"

#include <cwctype>

#include "AgentProtocol.h"
#include "InsideRequests.h"
#include "Utf8.h"

namespace behaviour::win32 {

namespace {

// The text up to the next tab or line feed, and `rest` past it.
std::wstring_view Field(std::wstring_view& rest, wchar_t end) {
    const std::size_t at = rest.find(end);
    const std::wstring_view field = rest.substr(0, at);
    rest.remove_prefix(at == std::wstring_view::npos ? rest.size() : at + 1);
    return field;
}

long long Number(std::wstring_view text) {
    return std::stoll(std::wstring(text));
}

}  // namespace

std::wstring MenuItem::Name() const {
    std::wstring name;
    const std::wstring_view shown = std::wstring_view(text).substr(0, text.find(L'\t'));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        // "&&" shows one "&"; a single "&" marks the access key.
        if (shown[i] == L'&' && ++i == shown.size()) break;
        name += shown[i];
    }
    return name;
}

wchar_t MenuItem::AccessKey() const {
    for (std::size_t i = 0; i + 1 < text.size() && text[i] != L'\t'; ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(text[i + 1]));
        ++i;
    }
    return 0;
}

const MenuItem& Menu::Item(std::wstring_view name) const {
    for (const MenuItem& item : items) {
        if (!item.separator && item.Name() == name) return item;
    }
    throw AgentError("the menu has no item " + blackbox::utf8(name));
}

Menu ParseMenu(std::wstring_view answer) {
    Menu menu;
    menu.handle = static_cast<UINT_PTR>(Number(Field(answer, L'\n')));
    while (!answer.empty()) {
        std::wstring_view line = Field(answer, L'\n');
        MenuItem item;
        const auto flags = static_cast<unsigned>(Number(Field(line, L'\t')));
        item.separator = (flags & kSeparator) != 0;
        item.enabled = (flags & kDisabled) == 0;
        item.rect.left = static_cast<LONG>(Number(Field(line, L'\t')));
        item.rect.top = static_cast<LONG>(Number(Field(line, L'\t')));
        item.rect.right = static_cast<LONG>(Number(Field(line, L'\t')));
        item.rect.bottom = static_cast<LONG>(Number(Field(line, L'\t')));
        item.submenu = static_cast<UINT_PTR>(Number(Field(line, L'\t')));
        item.text = line;  // the rest: the text may hold a tab
        menu.items.push_back(std::move(item));
    }
    return menu;
}

}  // namespace behaviour::win32
