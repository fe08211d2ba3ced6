#pragma once

#include <windows.h>

#include <string_view>

#include "AgentProtocol.h"

// Input as the keyboard and the mouse give it: SendInput, to whatever window is in the
// foreground or under the pointer.
namespace behaviour::win32 {

// Presses the chord's modifiers, then its key, and lets go in reverse order. Throws
// AgentError for a key it does not know.
void PressChord(const Chord& chord);
// Each character as the key that types it on the keyboard, with Shift if it takes it; one no
// key types comes as that character itself (KEYEVENTF_UNICODE).
void TypeText(std::wstring_view text);
void MoveMouse(POINT at);
// A press and a release of the left or right button at the point.
void Click(POINT at, bool right = false);
// The middle of a window, on the screen.
POINT CentreOf(HWND window);

}  // namespace behaviour::win32
