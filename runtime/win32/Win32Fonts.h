#pragma once

#include "Win32Api.h"

#include <memory>

#include "Peers.h"

namespace guirt::win32 {

// A font that goes when the last control using it lets go.
using SharedFont = std::shared_ptr<std::remove_pointer_t<HFONT>>;

// The font for a request, shared by every control that asks for the same one. No family is
// the system's message font; a size in pixels is the em height, one in points follows the
// screen's DPI.
SharedFont FontFor(const FontRequest& request);

}  // namespace guirt::win32
