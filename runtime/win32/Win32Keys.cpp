#include "Win32Keys.h"

#include <array>
#include <utility>

#include "Win32Text.h"

namespace guirt::win32 {

namespace {

constexpr std::array<std::pair<Key, WORD>, 32> kKeys{{
    {Key::Backspace, VK_BACK}, {Key::Tab, VK_TAB},       {Key::Return, VK_RETURN}, {Key::Escape, VK_ESCAPE},
    {Key::Space, VK_SPACE},    {Key::Delete, VK_DELETE}, {Key::Insert, VK_INSERT}, {Key::Home, VK_HOME},
    {Key::End, VK_END},        {Key::PageUp, VK_PRIOR},  {Key::PageDown, VK_NEXT}, {Key::Left, VK_LEFT},
    {Key::Up, VK_UP},          {Key::Right, VK_RIGHT},   {Key::Down, VK_DOWN},     {Key::Shift, VK_SHIFT},
    {Key::Ctrl, VK_CONTROL},   {Key::Alt, VK_MENU},      {Key::Meta, VK_LWIN},     {Key::CapsLock, VK_CAPITAL},
    {Key::F1, VK_F1},          {Key::F2, VK_F2},         {Key::F3, VK_F3},         {Key::F4, VK_F4},
    {Key::F5, VK_F5},          {Key::F6, VK_F6},         {Key::F7, VK_F7},         {Key::F8, VK_F8},
    {Key::F9, VK_F9},          {Key::F10, VK_F10},       {Key::F11, VK_F11},       {Key::F12, VK_F12},
}};

// Do not change the keyboard state: asking what a dead key types must not arm it twice.
constexpr UINT kKeepKeyboardState = 0x4;

}  // namespace

Key KeyOf(WPARAM virtualKey) {
    if (virtualKey == VK_RWIN) return Key::Meta;
    for (const auto& [key, code] : kKeys) {
        if (code == virtualKey) return key;
    }
    return Key::None;
}

std::string TypedText(WPARAM virtualKey, LPARAM keyData) {
    BYTE state[256];
    if (!GetKeyboardState(state)) return {};
    wchar_t typed[8];
    // As if pressed: a released key types nothing.
    const UINT scanCode = (static_cast<UINT>(keyData) >> 16) & 0xFF;
    const int count = ToUnicode(static_cast<UINT>(virtualKey), scanCode, state, typed, 8, kKeepKeyboardState);
    return count > 0 ? Utf8(std::wstring_view(typed, static_cast<std::size_t>(count))) : std::string();
}

KeyStroke StrokeOf(WPARAM virtualKey) {
    // The keys as they were at the message, read once for all of them (each read is a request
    // to the server under Wine); none held if the read fails.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const auto held = [&keys](int key) { return (keys[key] & 0x80) != 0; };
    const Modifiers modifiers{held(VK_CONTROL), held(VK_SHIFT), held(VK_MENU), held(VK_LWIN) || held(VK_RWIN)};
    // The character the key types in the user's layout with Shift as held, and nothing else.
    BYTE state[256] = {};
    if (modifiers.shift) state[VK_SHIFT] = 0x80;
    wchar_t typed[4];
    const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    const int count = ToUnicode(static_cast<UINT>(virtualKey), scanCode, state, typed, 4, kKeepKeyboardState);
    const char character = count == 1 && typed[0] > 0x20 && typed[0] < 0x7F ? static_cast<char>(typed[0]) : '\0';
    return {KeyOf(virtualKey), character, modifiers};
}

}  // namespace guirt::win32
