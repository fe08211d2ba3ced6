#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

// The number text as it was on the standard library's conversions, kept to check the new
// conversions against it bit for bit.
namespace guirt::numtext_before {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* skipDigits(const char* p, const char* end) {
    while (p != end && isDigit(*p)) {
        ++p;
    }
    return p;
}

// Beyond this the exponent only matters for its sign; capping keeps the
// arithmetic below from overflowing on absurdly long exponents.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// from_chars reports out-of-range without a value. Decide between overflow and
// underflow from the decimal exponent of the leading nonzero digit: a number
// of at least 1 can only overflow, one below 1 can only underflow.
double outOfRange(const char* intBegin, const char* intEnd, const char* fracBegin, const char* fracEnd,
                  std::int64_t exponent) {
    std::int64_t lead = 0;
    if (const char* p = std::find_if(intBegin, intEnd, [](char c) { return c != '0'; }); p != intEnd) {
        lead = intEnd - p - 1;
    } else if (const char* q = std::find_if(fracBegin, fracEnd, [](char c) { return c != '0'; }); q != fracEnd) {
        lead = -(q - fracBegin) - 1;
    } else {
        return 0.0;
    }
    return lead + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

// Exact decimal expansion of |value| in plain form: a double has at most 1074
// fraction digits and 309 integer digits, so this precision never rounds.
constexpr int kExactFractionDigits = 1074;

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

double val(std::string_view text) noexcept {
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
    // from_chars takes no '+', so the sign is applied here instead.
    const char* const intBegin = p;
    const char* const intEnd = skipDigits(intBegin, end);
    const char* fracBegin = intEnd;
    const char* fracEnd = intEnd;
    if (intEnd != end && *intEnd == '.') {
        fracBegin = intEnd + 1;
        fracEnd = skipDigits(fracBegin, end);
    }
    if (intBegin == intEnd && fracBegin == fracEnd) {
        return 0.0;
    }

    const char* numberEnd = fracEnd;
    std::int64_t exponent = 0;
    if (fracEnd != end && (*fracEnd == 'e' || *fracEnd == 'E')) {
        const char* q = fracEnd + 1;
        const bool expNegative = q != end && *q == '-';
        if (q != end && (*q == '+' || *q == '-')) {
            ++q;
        }
        if (q != end && isDigit(*q)) {
            for (; q != end && isDigit(*q); ++q) {
                if (exponent < kExponentCap) {
                    exponent = exponent * 10 + (*q - '0');
                }
            }
            if (expNegative) {
                exponent = -exponent;
            }
            numberEnd = q;
        }
    }

    double magnitude = 0.0;
    const auto result = std::from_chars(intBegin, numberEnd, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = outOfRange(intBegin, intEnd, fracBegin, fracEnd, exponent);
    } else if (result.ec != std::errc{}) {
        magnitude = 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string str(double value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    // Shortest round-trip form is at most 24 characters ("-2.2250738585072014e-308").
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string format(double value, std::string_view patternText) {
    const Pattern pattern = parsePattern(patternText);
    if (!pattern.hasPlaceholder) {
        return pattern.prefix + (value == 0 ? std::string("0") : str(value));
    }
    if (!std::isfinite(value)) {
        return pattern.prefix + nonFiniteText(value) + pattern.suffix;
    }

    // Round by hand on the exact expansion so ties go away from zero; to_chars
    // with a short precision would round them to even.
    std::array<char, 1400> buffer{};
    const auto exact = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                     std::chars_format::fixed, kExactFractionDigits);
    const std::string_view expansion(buffer.data(), exact.ptr - buffer.data());
    const std::size_t pointAt = expansion.find('.');
    const std::string_view fraction = expansion.substr(pointAt + 1);

    const std::size_t places = pattern.decimals.size();
    std::string digits(expansion.substr(0, pointAt));
    std::size_t intLength = digits.size();
    digits += fraction.substr(0, places);
    digits.resize(intLength + places, '0');
    if (places < fraction.size() && fraction[places] >= '5') {
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
        out += '.' + decimals;
    }
    return out + pattern.suffix;
}

}  // namespace guirt::numtext_before
