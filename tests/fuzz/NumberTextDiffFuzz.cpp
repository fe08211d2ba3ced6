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

// The number text as it was on the standard library's conversions (NumberTextBefore.cpp).
namespace guirt::numtext_before {
double val(std::string_view text) noexcept;
std::string str(double value);
std::string format(double value, std::string_view pattern);
}  // namespace guirt::numtext_before

namespace now = guirt::numtext;
namespace before = guirt::numtext_before;

namespace {

void requireSameBits(double a, double b, std::string_view text) {
    if (std::bit_cast<std::uint64_t>(a) != std::bit_cast<std::uint64_t>(b)) {
        std::fprintf(stderr, "val(\"%.*s\"): %.17g now, %.17g before\n",
                     static_cast<int>(std::min<std::size_t>(text.size(), 200)), text.data(), a, b);
        std::abort();
    }
}

void requireSameText(const std::string& a, const std::string& b, const char* what, double x,
                     std::string_view pattern = {}) {
    if (a != b) {
        std::fprintf(stderr, "%s(%a, \"%.*s\"): \"%.200s\" now, \"%.200s\" before\n", what, x,
                     static_cast<int>(std::min<std::size_t>(pattern.size(), 200)), pattern.data(), a.c_str(),
                     b.c_str());
        std::abort();
    }
}

void compare(double x, std::string_view pattern) {
    requireSameText(now::str(x), before::str(x), "str", x);
    requireSameText(now::format(x, pattern), before::format(x, pattern), "format", x, pattern);
}

double compareVal(std::string_view text) {
    const double read = now::val(text);
    requireSameBits(read, before::val(text), text);
    return read;
}

}  // namespace

// Input: 8 bytes of a double's bit pattern, then text used as number text and as a pattern.
// Values near rounding ties and near the plain/exponent boundary of str are derived from the
// same bytes, since random bit patterns seldom land there.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    compare(compareVal(text), text);

    if (size < sizeof(double)) {
        return 0;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const double x = std::bit_cast<double>(bits);
    const std::string_view rest = text.substr(sizeof bits);
    compare(x, rest);

    std::string placeholders;
    for (char c : rest) placeholders.push_back("#0."[static_cast<unsigned char>(c) % 3]);
    compare(x, placeholders);

    // An exact tie for `places` decimals (an odd number over 2^(places + 1)) and its neighbours.
    const int places = data[0] % 30;
    const std::uint64_t odd = ((bits >> 11) >> (data[1] % 53)) | 1;
    const double tie = std::ldexp(static_cast<double>(odd), -(places + 1));
    const std::string pattern = "#." + std::string(static_cast<std::size_t>(places), data[2] % 2 ? '#' : '0');
    for (double near : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, HUGE_VAL), -tie}) {
        compare(near, pattern);
    }
    // A short decimal near where str changes between plain and exponent form.
    char decimal[64];
    unsigned long long scale = 10;
    for (int digits = data[3] % 17; digits > 0; --digits) scale *= 10;
    std::snprintf(decimal, sizeof decimal, "%llue%d", static_cast<unsigned long long>(bits % scale), data[4] % 64 - 32);
    compare(compareVal(decimal), rest);
    return 0;
}
