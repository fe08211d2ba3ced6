#include <gtest/gtest.h>

#include "Win32Fonts.h"
#include "WidthBoundCheck.h"

namespace {

// The bound a label or field proves its fit by is never below the width GDI measures the text
// at, in the system's font, plain, bold and italic.
TEST(Win32WidthBound, IsNeverBelowTheMeasuredWidth) {
    for (const auto& [bold, italic] : {std::pair{false, false}, {true, false}, {false, true}}) {
        guirt::FontRequest request;
        request.styles.bold = bold;
        request.styles.italic = italic;
        const guirt::win32::SizedFont sized = guirt::win32::SizedFont::Of(request, 96);
        // What a label's or field's fit measures with, a character or a whole text alike.
        const guirt::TextWidth measured = sized.Measure(0, 0).widthOf;
        guirt::testing::ExpectBoundNeverBelow(measured, measured,
                                              std::string(bold ? "bold " : "") + (italic ? "italic" : "plain"));
    }
}

}  // namespace
