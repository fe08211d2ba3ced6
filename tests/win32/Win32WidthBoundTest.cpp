#include <gtest/gtest.h>

#include <random>
#include <string>

#include "WidthBound.h"
#include "Win32Fonts.h"

namespace {

// The bound a label or field proves its fit by is never below the width GDI measures the text
// at: in the system's font, plain, bold and italic, at every size a line shrinks through, over
// texts of the characters labels show and of any Latin ones.
TEST(Win32WidthBound, IsNeverBelowTheMeasuredWidth) {
    const std::string characters[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", ",", "e", "E", "+",
                                      "-", "=", "(", ")", " ", "/", "x", "V", "W", "A", "T", "Y", "L", "f", "i",
                                      "j", "r", "m", "w", "\u00B0", "\u2026", "\u00E9", "\u00FC"};
    std::mt19937 random(20261210);
    for (const auto& [bold, italic] : {std::pair{false, false}, {true, false}, {false, true}}) {
        guirt::FontRequest request;
        request.styles.bold = bold;
        request.styles.italic = italic;
        const guirt::win32::SizedFont sized = guirt::win32::SizedFont::Of(request, 96);
        guirt::WidthBound bound;
        const auto advance = [&sized](std::string_view character, int pixels) {
            return guirt::win32::TextWidth(sized.At(pixels).get(), character);
        };
        for (int pixels = 8; pixels <= 24; ++pixels) {
            const guirt::win32::SharedFont font = sized.At(pixels);
            for (int i = 0; i < 100; ++i) {
                std::string text;
                for (std::size_t n = 1 + random() % 40; n > 0; --n) text += characters[random() % std::size(characters)];
                ASSERT_GE(bound.Of(text, pixels, advance), guirt::win32::TextWidth(font.get(), text))
                    << pixels << " px: " << text;
            }
        }
    }
}

}  // namespace
