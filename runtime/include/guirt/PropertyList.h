#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "guirt/Export.h"
#include "guirt/Object.h"
#include "guirt/PropertyValue.h"
#include "guirt/String.h"

namespace guirt {

// Applies a property list to the object: entries in order, each a name, a blank and a value
// in the width of the property's declared type (little-endian integers, counted UTF-8
// strings). A malformed entry raises UnsupportedFormatException naming it and its byte
// offset; the entries before it stay applied, nothing past the end of the list is read.
GUIRT_API void RuntimeMassPropertySetter(Object& object, const Ref<String>& list);

// Compile-time builder: a list written as typed, readable entries gives the exact bytes.
//   constexpr auto kList = plist::List(plist::Int("Left", 20), plist::Text("Name", "x"));
//   Ref<String> bytes = Lit<kList>();
// The bits of a value as another type of the same size: std::bit_cast, which not every
// standard library the runtime is built with has yet.
template <class To, class From>
constexpr To BitCast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    return __builtin_bit_cast(To, from);
}

namespace plist {

template <std::size_t N>
using Bytes = std::array<unsigned char, N>;

template <std::size_t N>
constexpr Bytes<N> Name(const char (&name)[N]) {  // the name and its blank
    Bytes<N> out{};
    for (std::size_t i = 0; i + 1 < N; ++i) out[i] = static_cast<unsigned char>(name[i]);
    out[N - 1] = ' ';
    return out;
}

template <std::size_t A, std::size_t B>
constexpr Bytes<A + B> Join(const Bytes<A>& a, const Bytes<B>& b) {
    Bytes<A + B> out{};
    for (std::size_t i = 0; i < A; ++i) out[i] = a[i];
    for (std::size_t i = 0; i < B; ++i) out[A + i] = b[i];
    return out;
}

template <std::size_t W>
constexpr Bytes<W> LittleEndian(std::uint64_t value) {
    Bytes<W> out{};
    for (std::size_t i = 0; i < W; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
    return out;
}

template <std::size_t N>
constexpr auto Int(const char (&name)[N], std::int64_t value) {
    return Join(Name(name), LittleEndian<8>(static_cast<std::uint64_t>(value)));
}
template <std::size_t N>
constexpr auto Bool(const char (&name)[N], bool value) {
    return Join(Name(name), Bytes<1>{static_cast<unsigned char>(value ? 1 : 0)});
}
template <std::size_t N>
constexpr auto Colour(const char (&name)[N], std::uint32_t value) {
    return Join(Name(name), LittleEndian<4>(value));
}
template <std::size_t N>
constexpr auto Single(const char (&name)[N], float value) {
    return Join(Name(name), LittleEndian<4>(BitCast<std::uint32_t>(value)));
}
template <std::size_t N>
constexpr auto Units(const char (&name)[N], FontUnits value) {
    return Join(Name(name), Bytes<1>{static_cast<unsigned char>(value)});
}
template <std::size_t N, std::size_t M>
constexpr auto Text(const char (&name)[N], const char (&text)[M]) {
    Bytes<M - 1> body{};
    for (std::size_t i = 0; i + 1 < M; ++i) body[i] = static_cast<unsigned char>(text[i]);
    return Join(Join(Name(name), LittleEndian<4>(M - 1)), body);
}

// Several entries as one piece, so a run that several lists share can sit in each as one.
template <std::size_t... N>
constexpr Bytes<(N + ... + 0)> Run(const Bytes<N>&... entries) {
    Bytes<(N + ... + 0)> out{};
    std::size_t at = 0;
    ((std::copy(entries.begin(), entries.end(), out.begin() + at), at += N), ...);
    return out;
}

// The whole list, as the bytes of a literal.
template <std::size_t... N>
constexpr FixedBytes<(N + ... + 0)> List(const Bytes<N>&... entries) {
    const Bytes<(N + ... + 0)> bytes = Run(entries...);
    FixedBytes<(N + ... + 0)> out{};
    std::copy(bytes.begin(), bytes.end(), out.bytes);
    return out;
}

}  // namespace plist
}  // namespace guirt
