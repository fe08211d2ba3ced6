// How the size field's number text changes what the window shows. The program writes one
// size field from the other with Str; a result the user then works from is computed from that
// text as read back. Each case runs both ways: with the runtime's Str (7 significant digits)
// and with the shortest text that reads back bit for bit, which Str gave before. It prints
// how many "Voltage drop" texts differ and by how much. A measurement, not a timing.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "guirt/Numbers.h"

namespace {

using namespace dravello;

double read(std::string_view text) {
    return guirt::Val(guirt::String::FromBytes(text));
}

std::string shortestText(double value) {
    std::array<char, 32> text{};
    return {text.data(), std::to_chars(text.data(), text.data() + text.size(), value).ptr};
}

std::string sevenDigitText(double value) {
    return std::string(guirt::TextOf(guirt::Str(value)));
}

// What the user typed: one of the sizes, the length and the current.
struct Case {
    bool area;  // the size typed is the area, else the diameter
    std::string size;
    std::string length;
    std::string current;
    double resistivity;
};

// The result the window shows once the user works from the area: typed there, the diameter
// field gets its conversion; typed in the diameter, the area field gets one, and a key in it
// converts that back into the diameter.
template <class Text>
double dropFromTheArea(const Case& c, Text text) {
    double area = read(c.size);
    if (!c.area) area = read(text(crossSectionArea(area)));
    const double diameter = read(text(diameterFromArea(area)));
    return voltageDrop(read(c.length), read(c.current), c.resistivity, diameter);
}

struct Tally {
    explicit Tally(std::string name) : name(std::move(name)) {}

    std::string name;
    long cases = 0;
    long changed = 0;
    long changedMore = 0;     // by more than the last decimal shown (0.001 V)
    double largestValue = 0;  // relative, between the unrounded results
    // Between the numbers the two texts show: the largest in volts and the largest relative
    // to the old one, each with the case it came from.
    double largestShown = 0, largestRelative = 0;
    std::string largestShownCase, largestRelativeCase;

    void add(const Case& c) {
        const double before = dropFromTheArea(c, shortestText);
        const double after = dropFromTheArea(c, sevenDigitText);
        const std::string shownBefore = resultText(before), shownAfter = resultText(after);
        ++cases;
        if (std::isfinite(before) && before != 0) {
            largestValue = std::max(largestValue, std::fabs(after - before) / std::fabs(before));
        }
        if (shownBefore == shownAfter) return;
        ++changed;
        constexpr std::size_t kPrefix = std::string_view("Voltage drop = ").size();
        const double a = read(std::string_view(shownBefore).substr(kPrefix));
        const double b = read(std::string_view(shownAfter).substr(kPrefix));
        const std::string what = c.size + ", " + c.length + " m, " + c.current + " A, " +
                                 std::to_string(c.resistivity).substr(0, 6) + ": " + shownBefore + " -> " + shownAfter;
        if (std::fabs(b - a) > 0.0015) ++changedMore;
        if (std::fabs(b - a) > largestShown) {
            largestShown = std::fabs(b - a);
            largestShownCase = what;
        }
        if (std::fabs(b - a) / std::fabs(a) > largestRelative) {
            largestRelative = std::fabs(b - a) / std::fabs(a);
            largestRelativeCase = what;
        }
    }

    void print() const {
        std::printf("%s: %ld results, %ld shown differently; unrounded results differ by at most %.3g relative\n",
                    name.c_str(), cases, changed, largestValue);
        if (changed == 0) return;
        std::printf("  %ld of them by more than 0.001 V\n", changedMore);
        std::printf("  largest difference shown: %.3f V (%s)\n", largestShown, largestShownCase.c_str());
        std::printf("  largest relative: %.3g (%s)\n", largestRelative, largestRelativeCase.c_str());
    }
};

// One tally for an area typed, one for a diameter typed and then worked from the area. A
// result worked out from the typed diameter itself reads no written text and cannot change.
struct Tallies {
    Tally fromArea, fromDiameter;
    explicit Tallies(const std::string& name)
        : fromArea(name + ", area typed"), fromDiameter(name + ", diameter typed, then a key in the area") {}
    void add(const Case& c) { (c.area ? fromArea : fromDiameter).add(c); }
    void print() const {
        fromArea.print();
        fromDiameter.print();
    }
};

// A number as a person types it: so many significant digits, nothing more.
std::string typed(double value, int digits) {
    std::array<char, 64> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, digits);
    return {text.data(), end.ptr};
}

}  // namespace

int main() {
    // The sizes, lengths and currents the tests and the fields' help texts work with, with
    // every material.
    Tallies published("published cases");
    const std::pair<const char*, const char*> loads[] = {{"60", "0.350"}, {"100", "10"}, {"10000000", "1000"}};
    for (const Material& material : kMaterials) {
        for (const auto& [length, current] : loads) {
            for (const char* diameter : {"0.51054", "0.57404", "1", "2", "2.5"}) {
                published.add({false, diameter, length, current, material.resistivity});
            }
            for (const char* area : {"0.205", "0.258", "1", "2", "7"}) {
                published.add({true, area, length, current, material.resistivity});
            }
        }
    }
    published.print();

    // Sizes from 0.05 to 50 mm across (areas to match), lengths from 1 m to 1 km, currents
    // from 10 mA to 100 A, spread evenly on a log scale and typed with 3 or 4 digits.
    Tallies random("random cases");
    std::mt19937_64 generator(20240607);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto logUniform = [&](double low, double high) { return low * std::pow(high / low, unit(generator)); };
    for (int i = 0; i < 200000; ++i) {
        const bool area = i % 2 == 1;
        const double size = area ? logUniform(0.002, 2000) : logUniform(0.05, 50);
        random.add({area, typed(size, 3 + i % 2), typed(logUniform(1, 1000), 3), typed(logUniform(0.01, 100), 3),
                    kMaterials[static_cast<std::size_t>(i) % kMaterials.size()].resistivity});
    }
    random.print();
    return 0;
}
