#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The fuzzers' own reading of UTF-8, independent of the C library and of Qt, so it can
// judge both: well-formed sequences as Unicode defines them (no overlong forms, no
// surrogates, nothing past U+10FFFF).
namespace fuzzref {

// The length of the well-formed sequence at the start of bytes; 0 where none starts.
inline std::size_t wellFormedLength(std::string_view bytes) {
    if (bytes.empty()) return 0;
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range depends on the lead
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || at(1) < low || at(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (at(i) < 0x80 || at(i) > 0xBF) return 0;
    }
    return length;
}

inline bool isValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = wellFormedLength(bytes);
        if (length == 0) return false;
        bytes.remove_prefix(length);
    }
    return true;
}

// The text with every byte that starts no well-formed sequence replaced by U+FFFD.
inline std::string withReplacements(std::string_view bytes) {
    std::string out;
    while (!bytes.empty()) {
        const std::size_t length = wellFormedLength(bytes);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            bytes.remove_prefix(1);
        } else {
            out += bytes.substr(0, length);
            bytes.remove_prefix(length);
        }
    }
    return out;
}

}  // namespace fuzzref
