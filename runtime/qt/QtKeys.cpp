#include <array>
#include <utility>

#include "QtConversions.h"

namespace guirt::qt {

namespace {

constexpr std::array<std::pair<Key, Qt::Key>, 32> kKeys{{
    {Key::Backspace, Qt::Key_Backspace},
    {Key::Tab, Qt::Key_Tab},
    {Key::Return, Qt::Key_Return},
    {Key::Escape, Qt::Key_Escape},
    {Key::Space, Qt::Key_Space},
    {Key::Delete, Qt::Key_Delete},
    {Key::Insert, Qt::Key_Insert},
    {Key::Home, Qt::Key_Home},
    {Key::End, Qt::Key_End},
    {Key::PageUp, Qt::Key_PageUp},
    {Key::PageDown, Qt::Key_PageDown},
    {Key::Left, Qt::Key_Left},
    {Key::Up, Qt::Key_Up},
    {Key::Right, Qt::Key_Right},
    {Key::Down, Qt::Key_Down},
    {Key::Shift, Qt::Key_Shift},
    {Key::Ctrl, Qt::Key_Control},
    {Key::Alt, Qt::Key_Alt},
    {Key::Meta, Qt::Key_Meta},
    {Key::CapsLock, Qt::Key_CapsLock},
    {Key::F1, Qt::Key_F1},
    {Key::F2, Qt::Key_F2},
    {Key::F3, Qt::Key_F3},
    {Key::F4, Qt::Key_F4},
    {Key::F5, Qt::Key_F5},
    {Key::F6, Qt::Key_F6},
    {Key::F7, Qt::Key_F7},
    {Key::F8, Qt::Key_F8},
    {Key::F9, Qt::Key_F9},
    {Key::F10, Qt::Key_F10},
    {Key::F11, Qt::Key_F11},
    {Key::F12, Qt::Key_F12},
}};

}  // namespace

Key ToKey(int qtKey) {
    // The keypad's Enter is the same key to the program as Return.
    if (qtKey == Qt::Key_Enter) return Key::Return;
    for (const auto& [key, code] : kKeys) {
        if (code == qtKey) return key;
    }
    return Key::None;
}

KeyStroke StrokeOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const Modifiers held{modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier),
                         modifiers.testFlag(Qt::AltModifier), modifiers.testFlag(Qt::MetaModifier)};
    // Qt's codes for the printable ASCII keys are their upper-case characters.
    const int code = event.key();
    return {ToKey(code), code > 0x20 && code < 0x7F ? static_cast<char>(code) : '\0', held};
}

}  // namespace guirt::qt
