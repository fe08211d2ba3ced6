#include "WebKeys.h"

#include <array>
#include <utility>

namespace guirt::web {

namespace {

// clang-format off
constexpr std::array<std::pair<Key, std::string_view>, 32> kKeys{{
    {Key::Backspace, "Backspace"}, {Key::Tab, "Tab"},         {Key::Return, "Enter"},     {Key::Escape, "Escape"},
    {Key::Space, " "},             {Key::Delete, "Delete"},   {Key::Insert, "Insert"},    {Key::Home, "Home"},
    {Key::End, "End"},             {Key::PageUp, "PageUp"},   {Key::PageDown, "PageDown"}, {Key::Left, "ArrowLeft"},
    {Key::Up, "ArrowUp"},          {Key::Right, "ArrowRight"}, {Key::Down, "ArrowDown"},  {Key::Shift, "Shift"},
    {Key::Ctrl, "Control"},        {Key::Alt, "Alt"},          {Key::Meta, "Meta"},       {Key::CapsLock, "CapsLock"},
    {Key::F1, "F1"},               {Key::F2, "F2"},            {Key::F3, "F3"},           {Key::F4, "F4"},
    {Key::F5, "F5"},               {Key::F6, "F6"},            {Key::F7, "F7"},           {Key::F8, "F8"},
    {Key::F9, "F9"},               {Key::F10, "F10"},          {Key::F11, "F11"},         {Key::F12, "F12"},
}};
// clang-format on

// A DOM key that types is one character, or two UTF-16 units of one: at most 4 UTF-8 bytes
// and no name of letters.
bool Types(std::string_view domKey) {
    if (domKey.empty() || domKey.size() > 4) return false;
    const auto lead = static_cast<unsigned char>(domKey[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return domKey.size() == length;
}

}  // namespace

Key KeyOf(std::string_view domKey) {
    for (const auto& [key, name] : kKeys) {
        if (name == domKey) return key;
    }
    return Key::None;
}

std::string TypedBy(std::string_view domKey, bool ctrl) {
    if (domKey == "Backspace") return "\b";
    if (domKey == "Tab") return "\t";
    if (domKey == "Enter") return "\r";
    if (domKey == "Escape") return "\x1b";
    if (!Types(domKey)) return {};
    const char c = domKey[0];
    if (ctrl && domKey.size() == 1 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
        return std::string(1, static_cast<char>((c & 0x1F)));
    }
    return std::string(domKey);
}

std::string DomKeyOf(const Shortcut& shortcut) {
    if (shortcut.key == Key::Character) return std::string(1, shortcut.character);
    for (const auto& [key, name] : kKeys) {
        if (key == shortcut.key) return std::string(name);
    }
    return {};
}

}  // namespace guirt::web
