#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "LineFit.h"

namespace guirt {

// An upper bound of a one-line text's width in one font: the sum of its characters' own
// advances, each measured once per size, and a slack for what setting the characters side by
// side can add (kerning, hinting). Never below the width of the text as shaped; proving that
// a text fits this way shapes nothing, which is most of what a label costs per keystroke.
class WidthBound {
public:
    // How a size's first text is measured: by its characters, where one character costs little
    // next to shaping a text; or whole and kept, where every measuring is a call that costs
    // more than the text's length (across to the page): a caption fitted again is not measured
    // again, and one that never changes is measured once, not once per character.
    enum class First { ByCharacter, Whole };
    explicit WidthBound(First first = First::ByCharacter) noexcept : first_(first) {}

    // The advance of one character (UTF-8) at a text size, in the unit of the box's width.
    using AdvanceOf = std::function<double(std::string_view character, int pixels)>;

    // The font changed: the advances are measured again.
    void Forget() noexcept { sizes_.clear(); }
    double Of(std::string_view text, int pixels, const AdvanceOf& advanceOf);

    // The width of a text, from the bound where it proves a fit into `width`, else as
    // `exact` measures it: the same fit, with only texts near or past the edge shaped.
    TextWidth Bounded(double width, AdvanceOf advanceOf, TextWidth exact);

private:
    struct Measured {
        std::string text;
        double width;
    };
    // The advances at one size: the one-byte characters, which are nearly all a number or a
    // caption holds, in a table (negative until measured), the others by their UTF-8 bytes.
    struct Size {
        int pixels = 0;
        std::optional<Measured> first;  // First::Whole: the first text fitted at the size
        std::array<double, 128> ascii;
        std::unordered_map<std::uint32_t, double> others;
    };
    Size& AtSize(int pixels);
    double Sum(Size& size, std::string_view text, const AdvanceOf& advanceOf);

    First first_;
    std::vector<Size> sizes_;  // a control shows one size or two
};

}  // namespace guirt
