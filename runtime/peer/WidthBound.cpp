#include "WidthBound.h"

namespace guirt {

namespace {

// What shaping may add: a little per character (hinting rounds each glyph's place), and a
// pixel or two at the ends. Measured over DejaVu Sans, Serif and Mono, plain, bold and
// italic at 8 to 24 px, the shaped text was never more than 1.7 px wider than the sum.
constexpr double kSlackPerCharacter = 0.03;  // of the text size
constexpr double kSlack = 2.0;

std::size_t CharacterLength(unsigned char lead) noexcept {
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

}  // namespace

double WidthBound::Of(std::string_view text, int pixels, const AdvanceOf& advanceOf) {
    auto& advances = advances_[pixels];
    double sum = kSlack;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = std::min(CharacterLength(static_cast<unsigned char>(text[at])), text.size() - at);
        std::uint32_t key = 0;
        for (std::size_t i = 0; i < length; ++i) key = key << 8 | static_cast<unsigned char>(text[at + i]);
        auto it = advances.find(key);
        if (it == advances.end()) it = advances.emplace(key, advanceOf(text.substr(at, length), pixels)).first;
        sum += it->second + kSlackPerCharacter * pixels;
        at += length;
    }
    return sum;
}

TextWidth WidthBound::Bounded(double width, AdvanceOf advanceOf, TextWidth exact) {
    return [this, width, advanceOf = std::move(advanceOf), exact = std::move(exact)](std::string_view text,
                                                                                     int pixels) {
        const double bound = Of(text, pixels, advanceOf);
        return bound <= width ? bound : exact(text, pixels);
    };
}

}  // namespace guirt
