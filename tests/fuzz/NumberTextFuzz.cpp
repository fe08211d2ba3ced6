#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "NumberText.h"

namespace nt = guirt::numtext;

namespace {

void requireRoundTrip(double x) {
    if (!std::isfinite(x)) {
        return;
    }
    if (std::bit_cast<std::uint64_t>(nt::val(nt::str(x))) != std::bit_cast<std::uint64_t>(x)) {
        std::abort();
    }
}

// A pattern of placeholders only must give plain number text, never "-0".
void requirePlainNumber(double x, const std::string& pattern) {
    const std::string text = nt::format(x, pattern);
    if (!std::isfinite(x) || text.empty()) {
        std::abort();
    }
    if (text.find_first_not_of("-.0123456789") != std::string::npos) {
        std::abort();
    }
    if (text[0] == '-' && text.find_first_of("123456789") == std::string::npos) {
        std::abort();
    }
}

}  // namespace

// Input: 8 bytes of a double's bit pattern, then text used as number text and
// as a pattern.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double read = nt::val(text);
    requireRoundTrip(read);
    (void)nt::format(read, text);

    if (size < sizeof(double)) {
        return 0;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const double x = std::bit_cast<double>(bits);
    requireRoundTrip(x);
    const std::string_view rest = text.substr(sizeof bits);
    (void)nt::format(x, rest);

    if (std::isfinite(x)) {
        std::string pattern;
        for (char c : rest) {
            pattern.push_back("#0."[static_cast<unsigned char>(c) % 3]);
        }
        if (pattern.empty()) {
            pattern = "#";
        }
        requirePlainNumber(x, pattern);
    }
    return 0;
}
