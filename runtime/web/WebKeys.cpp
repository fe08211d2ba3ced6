#include "WebKeys.h"

#include "WebDom.h"

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

// The runtime's name for a DOM key; None for one it has no name for.
Key KeyOf(std::string_view domKey) {
    for (const auto& [key, name] : kKeys) {
        if (name == domKey) return key;
    }
    return Key::None;
}

}  // namespace

std::string_view TypedBy(std::string_view domKey) {
    // One character, or two UTF-16 units of one: at most 4 UTF-8 bytes, and no name of letters.
    if (domKey.empty() || domKey.size() > 4) return {};
    const auto lead = static_cast<unsigned char>(domKey[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return domKey.size() == length ? domKey : std::string_view();
}

KeyStroke StrokeOf(std::string_view domKey, int flags) {
    const Modifiers held{(flags & kCtrl) != 0, (flags & kShift) != 0, (flags & kAlt) != 0, (flags & kMeta) != 0};
    return {KeyOf(domKey), domKey.size() == 1 ? domKey[0] : '\0', held};
}

}  // namespace guirt::web
