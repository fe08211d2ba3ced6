#pragma once

#include <cmath>
#include <string_view>

#include "Peers.h"

namespace guirt::testing {

// The simulated toolkit's one font: the platform's text size is 12 pixels, a point is 96/72
// of a pixel, and every character is 0.64 of the text size wide, about a digit of the common
// sans-serif fonts.
inline constexpr int kPlatformPixels = 12;
inline constexpr double kCharacterWidth = 0.64;

inline int PixelsOf(const FontRequest& font) {
    if (font.size <= 0) return kPlatformPixels;
    const double pixels = font.unit == FontRequest::Unit::Points ? font.size * 96 / 72 : font.size;
    return static_cast<int>(std::lround(pixels));
}

// The width of a UTF-8 text at a text size: its characters, counted as code points.
inline double WidthOf(std::string_view text, double pixels) {
    double characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters * kCharacterWidth * pixels;
}

}  // namespace guirt::testing
