#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace guirt {

// A key as the runtime knows it, whatever toolkit reported it. A backend reports a key by
// its name, or as None when it has none (the text it types says the rest); Character is a
// shortcut's letter, digit or sign.
enum class Key : std::uint8_t {
    None,
    Character,
    Backspace,
    Tab,
    Return,
    Escape,
    Space,
    Delete,
    Insert,
    Home,
    End,
    PageUp,
    PageDown,
    Left,
    Up,
    Right,
    Down,
    Shift,
    Ctrl,
    Alt,
    Meta,
    CapsLock,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
};

// The name KeyUp gives a key that types nothing ("Left", "Shift", "F5"); empty for None and
// Character. Shortcut texts use the same names.
std::string_view KeyName(Key key) noexcept;

// A keyboard shortcut parsed once from its text ("Ctrl+Z", "Ctrl+Shift+F5"); each backend
// maps it to its own key codes.
struct Shortcut {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool meta = false;
    Key key = Key::None;
    char character = 0;  // the upper-case letter or the digit or sign, when key is Character

    bool Empty() const noexcept { return key == Key::None; }
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// Modifiers and a key joined by '+', case ignored: "Ctrl+Z", "shift+ctrl+del". Empty or
// unreadable text gives an empty shortcut.
Shortcut ParseShortcut(std::string_view text) noexcept;

// A key as a backend reports it: its name, or else the printable ASCII character it types
// with Shift as held (none for other keys), and the modifiers held.
struct Modifiers {
    bool ctrl = false, shift = false, alt = false, meta = false;
};
struct KeyStroke {
    Key key = Key::None;
    char character = 0;
    Modifiers held;
};

// The key as a shortcut, as shortcut texts write it: a named key, or its character (a letter
// in upper case; a sign as it is, the Shift that typed it not part of it: Ctrl+Shift+= is
// "Ctrl++"). Empty for a modifier key pressed alone and for a key with neither.
Shortcut ShortcutOf(const KeyStroke& stroke) noexcept;

// The text KeyUp gives for the key: the control character of Backspace, Tab, Return and
// Escape and of Ctrl with a letter, else the printable text it typed, else its name.
std::string KeyUpText(std::string_view typed, const KeyStroke& stroke);

}  // namespace guirt
