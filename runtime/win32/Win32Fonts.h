#pragma once

#include "Win32Api.h"

#include <memory>

#include "Peers.h"

namespace guirt::win32 {

// The font for a request, shared by every control that asks for the same one and deleted
// when the last of them lets go. No family is the system's message font; a size in pixels
// is the em height, one in points follows the screen's DPI.
std::shared_ptr<std::remove_pointer_t<HFONT>> FontFor(const FontRequest& request);

}  // namespace guirt::win32
