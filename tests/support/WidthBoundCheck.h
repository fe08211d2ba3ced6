#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "WidthBound.h"

namespace guirt::testing {

// The width bound's one promise, against a backend's own measuring: the bound from `advance`'s
// width of each character is never below `exact`'s width of the whole text, over random texts
// of the characters labels show and of other Latin ones, at every size a line shrinks through.
// `font` names the font in a failure.
template <class Advance, class Exact>
void ExpectBoundNeverBelow(const Advance& advance, const Exact& exact, const std::string& font) {
    constexpr std::string_view kAll =
        "0123456789.,eE+-=() /xVvWwAaTtYyLlfijrnmo\u00B0\u2026abcdefghijklmnopqrstuvwxyzQRSTUVXZ\u00E9\u00FC";
    std::vector<std::string_view> characters;
    for (std::size_t at = 0, length = 1; at < kAll.size(); at += length) {
        const auto lead = static_cast<unsigned char>(kAll[at]);
        length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        characters.push_back(kAll.substr(at, length));
    }
    std::mt19937 random(20261208);
    WidthBound bound;
    for (int pixels = 8; pixels <= 24; ++pixels) {
        for (int i = 0; i < 200; ++i) {
            std::string text;
            for (std::size_t n = 1 + random() % 70; n > 0; --n) text += characters[random() % characters.size()];
            ASSERT_GE(bound.Of(text, pixels, advance), exact(text, pixels)) << font << ", " << pixels << " px: " << text;
        }
    }
}

}  // namespace guirt::testing
