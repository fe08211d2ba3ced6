#pragma once

#include "Win32Api.h"

#include <string>

#include "Input.h"

namespace guirt::win32 {

// The runtime's name for a virtual-key code; None for a key it has no name for (one that
// types a letter, digit or sign among them), as every backend reports it.
Key KeyOf(WPARAM virtualKey);

// The text the key of a WM_KEYUP or WM_KEYDOWN types with the keyboard state of that
// message, control characters included ("\b", "\r", "\x1b", Ctrl+A's "\x01"); empty for a
// key that types nothing, such as an arrow or a dead key.
std::string TypedText(WPARAM virtualKey, LPARAM keyData);

// The key of a key message, with the modifiers held as the message was queued.
KeyStroke StrokeOf(WPARAM virtualKey);

}  // namespace guirt::win32
