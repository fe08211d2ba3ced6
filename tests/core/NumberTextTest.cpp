#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "Bits.h"

namespace nt = guirt::numtext;
using namespace std::string_literals;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

void expectSameBits(double expected, double actual, const std::string& context) {
    EXPECT_EQ(BitsOf(expected), BitsOf(actual)) << context;
}

}  // namespace

TEST(NumberTextVal, ReadsLeadingNumberOfTrickyTexts) {
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        // clang-format off
        {"", 0}, {"abc", 0}, {" \t 12.5kV", 12.5}, {"\n5", 0}, {"+7", 7}, {"- 5", 0},
        {"+-5", 0}, {".5", 0.5}, {"5.", 5}, {"-.25x", -0.25}, {".", 0}, {"-", 0}, {"2e", 2},
        {"2e+", 2}, {"2E-x", 2}, {"2.5E-1", 0.25}, {"5.e2", 500}, {"1e0005", 1e5}, {"0x1F", 0},
        {"INF", kInf}, {" -INF", -kInf}, {"+INFV", kInf}, {"inf", 0}, {"Infinity", 0}, {"1.5.3", 1.5}, {"4\0" "7"s, 4}, {"-1e400", -kInf}, {"1e-400", 0},
        {"1e99999999999999999999999", kInf}, {"0e99999999", 0}, {"-0", -0.0}, {"-1e-400", -0.0},
        {"1.7976931348623159e308", kInf}, {"4.9e-324", 5e-324},
        // clang-format on
    };
    for (const auto& c : cases) {
        expectSameBits(c.expected, nt::val(c.text), c.text);
    }
    EXPECT_TRUE(std::isnan(nt::val("NAN")) && std::isnan(nt::val("-NAN")));
    // Explicit length: the view ends before the '9'.
    EXPECT_EQ(12.0, nt::val(std::string_view("129", 2)));
}

TEST(NumberTextVal, LongDigitRunsRoundCorrectly) {
    EXPECT_EQ(0.0, nt::val("0." + std::string(10000, '0') + "1"));
    EXPECT_EQ(1e-300, nt::val("0." + std::string(299, '0') + "1" + std::string(9000, '0')));
    EXPECT_EQ(kInf, nt::val(std::string(400, '9')));
    EXPECT_EQ(-kInf, nt::val("-1" + std::string(10000, '0') + ".5e-9000"));
    EXPECT_EQ(1e300, nt::val("1" + std::string(10000, '0') + "e-9700"));
    // Exactly half-way between 1 and its successor, then a hair above it.
    const std::string half = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(1.0, nt::val(half + std::string(5000, '0')));
    EXPECT_EQ(std::nextafter(1.0, 2.0), nt::val(half + std::string(5000, '0') + "1"));
}

TEST(NumberTextStr, SevenDigitForms) {
    EXPECT_EQ("0.7853982", nt::str(0.7853981633974483));
    EXPECT_EQ("1.128379", nt::str(1.1283791670955126));
    EXPECT_EQ("0.2047149", nt::str(0.20471488863018003));
    EXPECT_EQ("1e+21", nt::str(1e21));
    EXPECT_EQ("0.0001", nt::str(1e-4));
    EXPECT_EQ("1.5e-05", nt::str(1.5e-5));
    EXPECT_EQ("100", nt::str(100.0));
    EXPECT_EQ("0.001", nt::str(0.001));
    EXPECT_EQ("9999999", nt::str(9999999.4));
    EXPECT_EQ("1e+07", nt::str(9999999.5));  // rounds up into exponent form
    EXPECT_EQ("1.234568e+07", nt::str(12345678.0));
    EXPECT_EQ("1.180592e+21", nt::str(std::ldexp(1.0, 70)));
    EXPECT_EQ("-2.225074e-308", nt::str(-DBL_MIN));
    EXPECT_EQ("0.1", nt::str(0.1));
    EXPECT_EQ("-0", nt::str(-0.0));
    EXPECT_EQ("INF", nt::str(kInf));
    EXPECT_EQ("-INF", nt::str(-kInf));
    EXPECT_EQ("NAN", nt::str(std::nan("")));
}

// Within half a unit of the 7th digit, and a text read and written again stays as it is.
TEST(NumberTextStr, ReadsBackWithinSevenDigits) {
    const auto expectClose = [](double x) {
        const std::string text = nt::str(x);
        const double back = nt::val(text);
        const double ulp = std::nextafter(std::fabs(back), kInf) - std::fabs(back);
        EXPECT_LE(std::fabs(back - x), 5e-7 * std::fabs(x) + ulp) << text;
        EXPECT_EQ(text, nt::str(back));
    };
    const double tricky[] = {5e-324,  -5e-324,   DBL_MIN, std::nextafter(DBL_MIN, 0.0), -DBL_MAX,         1.0 / 3,
                             DBL_MAX, 9.9999995, 1e-4,    9007199254740992.0,           22.67055430630658};
    for (double x : tricky) {
        expectClose(x);
    }
    // Seven digits or fewer come back bit for bit.
    for (double x : {0.0, -0.0, 0.51054, 0.0175, 0.221, 1234567.0, 1e-300}) {
        expectSameBits(x, nt::val(nt::str(x)), nt::str(x));
    }

    std::mt19937_64 random(20240607);
    for (int i = 0; i < 5000; ++i) {
        const double x = DoubleWithBits(random());
        if (std::isfinite(x)) {
            expectClose(x);
        }
    }
}

TEST(NumberTextFormat, RendersPatterns) {
    const struct {
        double value;
        std::string pattern;
        std::string expected;
    } cases[] = {
        // clang-format off
        {1.7951796396396615, "#.###", "1.795"}, {2.872287423423458, "#.###", "2.872"},
        {2.3593789549549835, "#.###", "2.359"}, {1.641307099099119, "#.###", "1.641"},
        {10.053005981982105, "#.###", "10.053"}, {22.67055430630658, "#.###", "22.671"},
        {22.281692032865347, "#.###", "22.282"}, {0.0175, "#.####", "0.0175"},
        {0.028, "#.####", "0.028"}, {0.023, "#.####", "0.023"}, {0.016, "#.####", "0.016"},
        {0.098, "#.####", "0.098"}, {0.221, "#.####", "0.221"}, {2.0, "#.###", "2"},
        {-0.0, "#.###", "0"}, {-0.0001, "#.###", "0"}, {-0.0001, "0.00", "0.00"},
        {0.9996, "#.###", "1"}, {999.9999, "#.##", "1000"}, {DBL_MIN, "#.######", "0"},
        // A carry into a new leading digit.
        {9.5, "#", "10"}, {-99.5, "0", "-100"},
        // Ties on the exact binary value: away from zero; near-ties by the stored value.
        {0.125, "#.##", "0.13"}, {-2.5, "#", "-3"}, {-1.25, "#.#", "-1.3"},
        {0.0005, "#.###", "0.001"}, {2.675, "#.##", "2.67"}, {1.005, "#.##", "1"},
        {1.5, "0.0#", "1.5"}, {1.0, "0.0#", "1.0"}, {7.0, "000.##", "007"}, {0.5, ".##", "0.5"},
        {-5, "$#.## V", "$-5 V"}, {1.5, "#.#.", "1.5."}, {1.5, "", "1.5"},
        {1e21, "x=", "x=1e+21"}, {-0.0, "", "0"}, {kInf, "#.###", "INF"},
        {-kInf, "#.###", "-INF"}, {std::nan(""), "#.###", "NAN"},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, nt::format(c.value, c.pattern)) << c.value << " " << c.pattern;
    }
}

TEST(NumberTextFormat, HugeValuesPrintAllIntegerDigits) {
    const std::string text = nt::format(1e300, "#.###");
    EXPECT_EQ(301u, text.size());
    EXPECT_EQ("1000000000000000052504760255204420248704468581108159154915854115", text.substr(0, 64));
    EXPECT_EQ(309u, nt::format(-DBL_MAX, "#").size() - 1);
    EXPECT_EQ(1e300, nt::val(text));

    // Far more places than a double has: the exact expansion, no padding zeros.
    const std::string tiny = nt::format(5e-324, "#." + std::string(1200, '#'));
    EXPECT_EQ(1076u, tiny.size());
    EXPECT_EQ("0." + std::string(323, '0') + "494065645841246544", tiny.substr(0, 343));
    EXPECT_EQ('5', tiny.back());
    EXPECT_EQ(1202u, nt::format(5e-324, "0." + std::string(1200, '0')).size());
}

TEST(NumberTextSeparator, CommaReadsBesideThePointAndIsWritten) {
    const struct {
        std::string text;
        double comma;  // read where the user's separator is the comma
        double point;  // and where it is the point
    } reads[] = {
        // clang-format off
        {"2,5", 2.5, 2}, {"2.5", 2.5, 2.5}, {" -,5 mm", -0.5, 0}, {"5,", 5, 5}, {",", 0, 0},
        {"2,5e3", 2500, 2}, {"1.234,5", 1.234, 1.234}, {"1,234.5", 1.234, 1}, {"1,5,3", 1.5, 1},
        {"-0,0", -0.0, -0.0}, {"INF", kInf, kInf},
        // clang-format on
    };
    for (const auto& r : reads) {
        expectSameBits(r.comma, nt::val(r.text, ','), r.text + " with ','");
        expectSameBits(r.point, nt::val(r.text, '.'), r.text + " with '.'");
    }

    EXPECT_EQ("0,2047149", nt::str(0.20471488863018003, ','));
    EXPECT_EQ("1,234568e+07", nt::str(12345678, ','));
    EXPECT_EQ("1e-05", nt::str(1e-5, ','));
    EXPECT_EQ("-INF", nt::str(-kInf, ','));
    EXPECT_EQ("1,795", nt::format(1.7951796396396615, "#.###", ','));
    EXPECT_EQ("0,0175", nt::format(0.0175, "#.####", ','));
    EXPECT_EQ("2", nt::format(2.0, "#.###", ','));
    // Only the pattern's decimal point is the user's; a later point is a literal.
    EXPECT_EQ("1,5.", nt::format(1.5, "#.#.", ','));
    EXPECT_EQ("x=1,5", nt::format(1.5, "x=", ','));
}

TEST(NumberTextSeparator, OnlyTheCommaReplacesThePoint) {
    EXPECT_EQ(',', nt::separatorOf(","));
    EXPECT_EQ('.', nt::separatorOf("."));
    EXPECT_EQ('.', nt::separatorOf("\u066B"));  // the Arabic decimal mark
    EXPECT_EQ('.', nt::separatorOf(""));
}
