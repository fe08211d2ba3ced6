#pragma once

#include <algorithm>
#include <string_view>

namespace guirt {

// Names the runtime reads (property names, key names, font families) ignore the case of
// ASCII letters, whatever the user's locale; other bytes compare as they are.
constexpr char AsciiUpper(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace guirt
