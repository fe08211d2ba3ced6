#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "NumberText.h"

namespace nt = guirt::numtext;

namespace {

// The number at the start of text by val's grammar, cut here so that strtod's own extra
// forms (hex, INF, NAN) never reach it; empty where no number starts the text.
std::string_view numberPrefix(std::string_view text) {
    const auto digitsFrom = [&](std::size_t at) {
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        return at;
    };
    const std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    std::size_t at = start;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t intEnd = digitsFrom(at);
    std::size_t mantissaDigits = intEnd - at;
    at = intEnd;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fracEnd = digitsFrom(at + 1);
        mantissaDigits += fracEnd - (at + 1);
        at = fracEnd;
    }
    if (mantissaDigits == 0) return {};
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const std::size_t exponentEnd = digitsFrom(exponent);
        if (exponentEnd > exponent) at = exponentEnd;  // an exponent without digits is not read
    }
    return text.substr(start, at - start);
}

// val must give what strtod gives for the same number, bit for bit. The fuzzer never sets a
// locale, so strtod reads in the C locale. str's own texts for values that are no finite
// number, which strtod reads in more spellings, are val's to read as they are.
void requireSameAsStrtod(std::string_view text, double read) {
    std::size_t at = std::min(text.find_first_not_of(" \t"), text.size());
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::string_view word = text.substr(at);
    if (word.starts_with("INF") || word.starts_with("NAN")) {
        if (word.starts_with("NAN") ? !std::isnan(read) : !std::isinf(read)) std::abort();
        return;
    }
    const std::string prefix(numberPrefix(text));
    double expected = 0.0;
    if (!prefix.empty()) {
        char* end = nullptr;
        expected = std::strtod(prefix.c_str(), &end);
        if (end != prefix.c_str() + prefix.size()) std::abort();  // the cut must be a whole number
    }
    if (std::bit_cast<std::uint64_t>(read) != std::bit_cast<std::uint64_t>(expected)) {
        std::fprintf(stderr, "val read %.17g, strtod %.17g from \"%.200s\"\n", read, expected, prefix.c_str());
        std::abort();
    }
}

// str keeps 7 significant digits: val reads its text back within half a unit of the 7th
// (plus the rounding of reading), and writing what was read gives the same text, with either
// separator. Infinities come back as themselves, and NaN as NaN.
void requireRoundTrip(double x, char separator) {
    if (!std::isfinite(x)) {
        const double back = nt::val(nt::str(x, separator), separator);
        if (std::isnan(x) ? !std::isnan(back) : back != x) std::abort();
        return;
    }
    const std::string text = nt::str(x, separator);
    const double back = nt::val(text, separator);
    const double ulp = std::nextafter(std::fabs(back), HUGE_VAL) - std::fabs(back);
    if (!(std::fabs(back - x) <= 5e-7 * std::fabs(x) + ulp) || nt::str(back, separator) != text) {
        std::fprintf(stderr, "str(%.17g) is \"%s\", read back as %.17g\n", x, text.c_str(), back);
        std::abort();
    }
}

void requireRoundTrip(double x) {
    requireRoundTrip(x, '.');
    requireRoundTrip(x, ',');
}

// Where the comma is the user's separator, a number written with it reads as the same
// number written with a point, and any other text reads as it does with the point.
void requireCommaAsPoint(std::string_view text, double readWithPoint) {
    std::size_t at = std::min(text.find_first_not_of(" \t"), text.size());
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    double expected = readWithPoint;
    if (at < text.size() && text[at] == ',') {
        std::string pointed(text);
        pointed[at] = '.';
        expected = nt::val(pointed, '.');
    }
    const double read = nt::val(text, ',');
    if (std::bit_cast<std::uint64_t>(read) != std::bit_cast<std::uint64_t>(expected) &&
        !(std::isnan(read) && std::isnan(expected))) {
        std::fprintf(stderr, "with the comma val read %.17g, not %.17g\n", read, expected);
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
    requireSameAsStrtod(text, read);
    requireCommaAsPoint(text, read);
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
