#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include "guirt/Export.h"
#include "guirt/Object.h"
#include "guirt/String.h"

namespace guirt {

// A colour as 0xTTRRGGBB: transparency, red, green, blue (so 0x000000FF is blue).
struct Color {
    std::uint32_t value = 0;
    constexpr std::uint8_t Red() const noexcept { return (value >> 16) & 0xFF; }
    constexpr std::uint8_t Green() const noexcept { return (value >> 8) & 0xFF; }
    constexpr std::uint8_t Blue() const noexcept { return value & 0xFF; }
    constexpr std::uint8_t Transparency() const noexcept { return value >> 24; }
    friend constexpr bool operator==(Color, Color) = default;
};

// The unit in which a font size counts; 0 is the runtime's default, pixels, which keeps
// the sizes of a layout in the same unit as its positions.
enum class FontUnits : std::uint8_t { Default = 0, Pixel = 1, Point = 2, Inch = 3, Millimeter = 4 };

// The declared type of a property, as class records name it.
enum class TypeCode { i8, b, s, c, f4, FontUnits };

// One decoded property value; which alternative it holds follows the TypeCode.
using PropertyValue = std::variant<std::int64_t, bool, Ref<String>, Color, float, FontUnits>;

// The TypeCode of a C++ value type.
template <class T>
constexpr TypeCode TypeCodeOf();
template <>
constexpr TypeCode TypeCodeOf<std::int64_t>() {
    return TypeCode::i8;
}
template <>
constexpr TypeCode TypeCodeOf<bool>() {
    return TypeCode::b;
}
template <>
constexpr TypeCode TypeCodeOf<Ref<String>>() {
    return TypeCode::s;
}
template <>
constexpr TypeCode TypeCodeOf<Color>() {
    return TypeCode::c;
}
template <>
constexpr TypeCode TypeCodeOf<float>() {
    return TypeCode::f4;
}
template <>
constexpr TypeCode TypeCodeOf<FontUnits>() {
    return TypeCode::FontUnits;
}

}  // namespace guirt
