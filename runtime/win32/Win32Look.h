#pragma once

#include "Win32Api.h"

namespace guirt::win32 {

// The window keeps one light look whatever the system's colour scheme: a program chooses
// its colours (black captions, a blue result, white fields) on a light window, and a dark
// or high-contrast scheme would put them on a dark face.
inline constexpr COLORREF kFaceColor = RGB(0xF0, 0xF0, 0xF0);
inline constexpr COLORREF kTextColor = RGB(0x00, 0x00, 0x00);
inline constexpr COLORREF kListColor = RGB(0xFF, 0xFF, 0xFF);
inline constexpr COLORREF kTipColor = RGB(0xFF, 0xFF, 0xE1);

// A brush of the face colour, made once for the process.
HBRUSH FaceBrush() noexcept;

}  // namespace guirt::win32
