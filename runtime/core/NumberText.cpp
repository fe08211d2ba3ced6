#include "NumberText.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <limits>
#include <cstddef>
#include <cstdint>

#include <fast_float/fast_float.h>
// fmt from its headers alone, so that no target has a library to link.
#define FMT_HEADER_ONLY
// The user's separator is put in by hand: fmt need not bring the standard library's locale in.
#define FMT_STATIC_THOUSANDS_SEPARATOR ','
#include <fmt/compile.h>
#include <fmt/format.h>

// The conversions come from fast_float and fmt rather than std::from_chars and
// std::to_chars, which not every target's standard library has for doubles.
namespace guirt::numtext {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

// A double's exact expansion has at most 1074 fraction digits (and 309 integer
// digits); more places only add zeros.
constexpr int kExactFractionDigits = 1074;

// Digits after the point in the exact expansion of magnitude: an odd number
// times 2^-k has k of them, the last a 5.
int exactFractionDigits(double magnitude) {
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    if (bits == 0) {
        return 0;
    }
    return std::max(0, 53 - exponent - std::countr_zero(bits));
}

struct Pattern {
    std::string prefix;
    std::string suffix;
    std::string decimals;  // one '#' or '0' per decimal place
    std::size_t minIntDigits = 1;
    bool hasPlaceholder = false;
};

Pattern parsePattern(std::string_view text) {
    Pattern pattern;
    std::size_t intZeros = 0;
    bool pointSeen = false;
    for (char c : text) {
        const bool point = c == '.' && !pointSeen;
        if (c == '#' || c == '0' || point) {
            pattern.hasPlaceholder = true;
            if (point) {
                pointSeen = true;
            } else if (pointSeen) {
                pattern.decimals.push_back(c);
            } else if (c == '0') {
                ++intZeros;
            }
        } else {
            (pattern.hasPlaceholder ? pattern.suffix : pattern.prefix).push_back(c);
        }
    }
    pattern.minIntDigits = std::max<std::size_t>(1, intZeros);
    return pattern;
}

}  // namespace

double val(std::string_view text, char separator) noexcept {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && (*p == ' ' || *p == '\t')) {
        ++p;
    }

    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // What str writes of a value that is no finite number reads back as it.
    const std::string_view rest(p, static_cast<std::size_t>(end - p));
    if (rest.starts_with("INF")) return negative ? -HUGE_VAL : HUGE_VAL;
    if (rest.starts_with("NAN")) return std::numeric_limits<double>::quiet_NaN();
    // The point, or the user's separator where that is another, after the integer digits:
    // whichever comes first is the one this number is written with.
    const char* const integerEnd = std::find_if_not(p, end, isDigit);
    const char point = integerEnd != end && *integerEnd == separator ? separator : '.';
    // A number goes on with a digit, or a point and a digit. Checked here so
    // that nothing else fast_float reads (a second sign, "inf") counts as one.
    if (p == end || !(isDigit(*p) || (*p == point && p + 1 != end && isDigit(p[1])))) {
        return 0.0;
    }
    // fast_float reads the rest of the grammar as val does, rounds correctly
    // and gives +-infinity or 0 out of range (newer versions also report that,
    // so the result's code is not looked at).
    double magnitude = 0.0;
    const fast_float::parse_options options(fast_float::chars_format::general, point);
    fast_float::from_chars_advanced(p, end, magnitude, options);
    return negative ? -magnitude : magnitude;
}

std::string str(double value, char separator) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    // fmt's general form is printf's %g, rounded on the exact value: 7 significant digits,
    // trailing zeros dropped, exponent form below 1e-4 and from 1e7.
    std::string text = fmt::format(FMT_COMPILE("{:.7g}"), value);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

std::string format(double value, std::string_view patternText, char separator) {
    const Pattern pattern = parsePattern(patternText);
    if (!pattern.hasPlaceholder) {
        return pattern.prefix + (value == 0 ? std::string("0") : str(value, separator));
    }
    if (!std::isfinite(value)) {
        return pattern.prefix + nonFiniteText(value) + pattern.suffix;
    }

    // fmt rounds to the nearest on the exact value, but ties to even. A tie
    // has exactly one digit more than the places, the 5 that ends the exact
    // expansion; only then is that expansion taken, to round it by hand away
    // from zero.
    const std::size_t places = pattern.decimals.size();
    const double magnitude = std::fabs(value);
    const auto exactDigits = static_cast<std::size_t>(exactFractionDigits(magnitude));
    const std::size_t precision =
        exactDigits == places + 1 ? exactDigits : std::min<std::size_t>(places, kExactFractionDigits);
    std::array<char, 1400> buffer{};  // at most 309 + 1 + 1074 characters
    const char* const end = fmt::format_to(buffer.data(), FMT_COMPILE("{:.{}f}"), magnitude, precision);
    const std::string_view expansion(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t pointAt = std::min(expansion.find('.'), expansion.size());
    const std::string_view fraction = expansion.substr(std::min(pointAt + 1, expansion.size()));

    std::string digits(expansion.substr(0, pointAt));
    std::size_t intLength = digits.size();
    digits += fraction.substr(0, places);
    digits.resize(intLength + places, '0');
    if (places < fraction.size()) {  // the tie
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i > 0) {
            ++digits[i - 1];
        } else {
            digits.insert(digits.begin(), '1');
            ++intLength;
        }
    }
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    std::string integer = digits.substr(0, intLength);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < pattern.minIntDigits) {
        integer.insert(0, pattern.minIntDigits - integer.size(), '0');
    }
    std::string decimals = digits.substr(intLength);
    while (!decimals.empty() && decimals.back() == '0' && pattern.decimals[decimals.size() - 1] == '#') {
        decimals.pop_back();
    }

    std::string out = pattern.prefix;
    if (value < 0 && !isZero) {
        out += '-';
    }
    out += integer;
    if (!decimals.empty()) {
        out += separator + decimals;
    }
    return out + pattern.suffix;
}

char separatorOf(std::string_view platformText) noexcept {
    return platformText == "," ? ',' : '.';
}

namespace {
// Set on the UI thread at start-up and read by any thread that reads or writes a number.
std::atomic<char> gUserSeparator{'.'};
}  // namespace

char userSeparator() noexcept {
    return gUserSeparator.load(std::memory_order_relaxed);
}

void setUserSeparator(char separator) noexcept {
    gUserSeparator.store(separator == ',' ? ',' : '.', std::memory_order_relaxed);
}

}  // namespace guirt::numtext
