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

std::optional<ACCEL> AcceleratorOf(const Shortcut& shortcut, WORD command) {
    if (shortcut.Empty() || shortcut.meta) return std::nullopt;
    BYTE flags = FVIRTKEY;
    WORD key = 0;
    if (shortcut.key == Key::Character) {
        const char c = shortcut.character;
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            key = static_cast<WORD>(c);
        } else {
            // A sign is the key that types it in the user's layout, with Shift if it needs it.
            const SHORT scan = VkKeyScanW(static_cast<wchar_t>(c));
            if (scan == -1 || (scan & 0x0600)) return std::nullopt;
            key = LOBYTE(scan);
            if (scan & 0x0100) flags |= FSHIFT;
        }
    } else {
        for (const auto& [named, code] : kKeys) {
            if (named == shortcut.key) key = code;
        }
    }
    if (key == 0) return std::nullopt;
    if (shortcut.ctrl) flags |= FCONTROL;
    if (shortcut.shift) flags |= FSHIFT;
    if (shortcut.alt) flags |= FALT;
    return ACCEL{flags, key, command};
}

}  // namespace guirt::win32
