#include "Input.h"

#include <array>
#include <utility>

#include "AsciiCase.h"

namespace guirt {

namespace {

constexpr std::array<std::pair<Key, std::string_view>, 32> kNames{{
    {Key::Backspace, "Backspace"},
    {Key::Tab, "Tab"},
    {Key::Return, "Return"},
    {Key::Escape, "Escape"},
    {Key::Space, "Space"},
    {Key::Delete, "Delete"},
    {Key::Insert, "Insert"},
    {Key::Home, "Home"},
    {Key::End, "End"},
    {Key::PageUp, "PageUp"},
    {Key::PageDown, "PageDown"},
    {Key::Left, "Left"},
    {Key::Up, "Up"},
    {Key::Right, "Right"},
    {Key::Down, "Down"},
    {Key::Shift, "Shift"},
    {Key::Ctrl, "Ctrl"},
    {Key::Alt, "Alt"},
    {Key::Meta, "Meta"},
    {Key::CapsLock, "CapsLock"},
    {Key::F1, "F1"},
    {Key::F2, "F2"},
    {Key::F3, "F3"},
    {Key::F4, "F4"},
    {Key::F5, "F5"},
    {Key::F6, "F6"},
    {Key::F7, "F7"},
    {Key::F8, "F8"},
    {Key::F9, "F9"},
    {Key::F10, "F10"},
    {Key::F11, "F11"},
    {Key::F12, "F12"},
}};

// Other spellings that shortcut texts commonly use.
Key KeyNamed(std::string_view name) noexcept {
    for (const auto& [key, keyName] : kNames) {
        if (EqualIgnoringCase(name, keyName)) return key;
    }
    if (EqualIgnoringCase(name, "Del")) return Key::Delete;
    if (EqualIgnoringCase(name, "Ins")) return Key::Insert;
    if (EqualIgnoringCase(name, "Esc")) return Key::Escape;
    if (EqualIgnoringCase(name, "Enter")) return Key::Return;
    if (EqualIgnoringCase(name, "PgUp")) return Key::PageUp;
    if (EqualIgnoringCase(name, "PgDown")) return Key::PageDown;
    return Key::None;
}

}  // namespace

std::string_view KeyName(Key key) noexcept {
    for (const auto& [named, name] : kNames) {
        if (named == key) return name;
    }
    return {};
}

Shortcut ParseShortcut(std::string_view text) noexcept {
    Shortcut shortcut;
    while (!text.empty()) {
        // A '+' right at the end is the key itself ("Ctrl++").
        std::size_t plus = text.find('+', 1);
        std::string_view part = text.substr(0, plus);
        text = plus == std::string_view::npos ? std::string_view{} : text.substr(plus + 1);
        if (!shortcut.Empty()) return {};  // something after the key
        if (EqualIgnoringCase(part, "Ctrl") || EqualIgnoringCase(part, "Control")) {
            shortcut.ctrl = true;
        } else if (EqualIgnoringCase(part, "Shift")) {
            shortcut.shift = true;
        } else if (EqualIgnoringCase(part, "Alt")) {
            shortcut.alt = true;
        } else if (EqualIgnoringCase(part, "Meta")) {
            shortcut.meta = true;
        } else if (part.size() == 1 && static_cast<unsigned char>(part[0]) > 0x20 &&
                   static_cast<unsigned char>(part[0]) < 0x7F) {
            shortcut.key = Key::Character;
            shortcut.character = AsciiUpper(part[0]);
        } else {
            shortcut.key = KeyNamed(part);
            if (shortcut.Empty()) return {};
        }
    }
    return shortcut.Empty() ? Shortcut{} : shortcut;
}

Shortcut ShortcutOf(const KeyStroke& stroke) noexcept {
    const Modifiers& held = stroke.held;
    Shortcut shortcut{held.ctrl, held.shift, held.alt, held.meta, stroke.key, 0};
    switch (stroke.key) {
        case Key::Shift:
        case Key::Ctrl:
        case Key::Alt:
        case Key::Meta:
        case Key::CapsLock:
            return {};
        case Key::None:
        case Key::Character: {
            const auto c = static_cast<unsigned char>(stroke.character);
            if (c <= 0x20 || c >= 0x7F) return {};
            shortcut.key = Key::Character;
            shortcut.character = AsciiUpper(stroke.character);
            const bool alphanumeric = (shortcut.character >= 'A' && shortcut.character <= 'Z') ||
                                      (shortcut.character >= '0' && shortcut.character <= '9');
            if (!alphanumeric) shortcut.shift = false;
            return shortcut;
        }
        default:
            return shortcut;
    }
}

std::string KeyUpText(std::string_view typed, const KeyStroke& stroke) {
    switch (stroke.key) {
        case Key::Backspace:
            return "\b";
        case Key::Tab:
            return "\t";
        case Key::Return:
            return "\r";
        case Key::Escape:
            return "\x1b";
        default:
            break;
    }
    const char letter = AsciiUpper(stroke.character);
    if (stroke.held.ctrl && !stroke.held.alt && letter >= 'A' && letter <= 'Z') return std::string(1, letter & 0x1F);
    const bool printable = !typed.empty() && static_cast<unsigned char>(typed.front()) >= 0x20 && typed.front() != 0x7F;
    return printable ? std::string(typed) : std::string(KeyName(stroke.key));
}

}  // namespace guirt
