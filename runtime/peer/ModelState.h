#pragma once

#include <optional>

#include "Peers.h"
#include "guirt/RectControl.h"
#include "guirt/Window.h"

namespace guirt {

// What a peer shows of its model, in the seam's neutral terms: the same conversions for
// every backend, whether it is building the peer or being told of a change.
Bounds BoundsOf(const RectControl& control);
// "System" or no family is the platform's font; a size in the default unit counts pixels,
// so a layout measured in pixels keeps its text inside the boxes whatever the screen.
FontRequest FontOf(const RectControl& control);
WindowFrame FrameOf(const Window& window);
std::optional<Color> BackColorOf(const Window& window);

}  // namespace guirt
