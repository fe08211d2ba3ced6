#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Peers.h"

namespace guirt {

// What a peer shows of its model, in the seam's neutral terms: one conversion for every
// backend, whether it is making the peer or being told of a change.

// Places and sizes as every window system takes them: within the 16-bit coordinates the
// oldest of them count in, a place in [-32768, 32767] and a size in [0, 32767].
Bounds BoundsOf(const RectControl& control);
WindowFrame FrameOf(const Window& window);
// The layout counts pixels at 96 to the inch. On a screen of another density a backend
// whose toolkit does not scale shows them at dpi/96: each edge is scaled and rounded, so
// that controls side by side stay side by side.
inline constexpr int kLayoutDpi = 96;
std::int64_t ScaledPixels(std::int64_t pixels, int dpi);
Bounds ScaledBounds(const Bounds& bounds, int dpi);
// "System" or no family is the platform's font; a size in the default unit counts pixels,
// so a layout measured in pixels keeps its text inside the boxes whatever the screen.
FontRequest FontOf(const RectControl& control);
std::optional<Color> BackColorOf(const Window& window);
// 0 the default (left), 1 left, 2 centre, 3 right; any other code is left.
TextAlignment AlignmentOf(std::int64_t code);
// A program writes line breaks as CR LF, CR or LF; the peers get LF.
std::string WithLineFeeds(std::string_view text);

}  // namespace guirt
