#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "LineFit.h"
#include "ModelState.h"
#include "guirt/TextField.h"

using namespace guirt;

// The conversions every backend takes from the runtime instead of making its own.
TEST(ModelState, AlignmentLineBreaksAndCoordinatesAreDecidedOnce) {
    EXPECT_EQ(AlignmentOf(0), TextAlignment::Left);
    EXPECT_EQ(AlignmentOf(1), TextAlignment::Left);
    EXPECT_EQ(AlignmentOf(2), TextAlignment::Center);
    EXPECT_EQ(AlignmentOf(3), TextAlignment::Right);
    EXPECT_EQ(AlignmentOf(7), TextAlignment::Left);

    EXPECT_EQ(WithLineFeeds("a\r\nb\rc\nd\r\r\n"), "a\nb\nc\nd\n\n");

    Ref<TextField> field = New<TextField>();
    field->SetLeft(-100000);
    field->SetTop(40000);
    field->SetWidth(-5);
    field->SetHeight(1LL << 40);
    EXPECT_EQ(BoundsOf(*field), (Bounds{-32768, 32767, 0, 32767}));
}

// Scaled for a screen's DPI, edges that meet still meet: the caption ending at 162 and a
// control starting there.
TEST(ModelState, BoundsScaleByTheirEdges) {
    EXPECT_EQ(ScaledBounds({20, 207, 256, 20}, 96), (Bounds{20, 207, 256, 20}));
    EXPECT_EQ(ScaledBounds({20, 207, 256, 20}, 144), (Bounds{30, 311, 384, 30}));
    const Bounds caption = ScaledBounds({20, 75, 142, 20}, 120), next = ScaledBounds({162, 75, 34, 20}, 120);
    EXPECT_EQ(caption.left + caption.width, next.left);
}

// A one-line text too wide for its box: the largest size from the floor up that fits it,
// else cut at the end (on a whole character) at the floor; the tip then tells it whole. A
// search that stops narrowing is caught at once, not by a test's time running out.
TEST(LineFit, ShrinksToTheLargestSizeThatFitsThenCutsWholeCharactersAtTheFloor) {
    int measured = 0;
    // Each character (not byte) is half as wide as the text size.
    const TextWidth widthOf = [&measured](std::string_view text, int pixels) {
        if (++measured > 1000) throw std::runtime_error("the fit measures without end");
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        return characters * pixels / 2.0;
    };
    EXPECT_EQ(FitLine("Volts", 14, 8, 35, widthOf).pixels, 14);
    EXPECT_EQ(measured, 1);  // a text that fits is measured once

    const FittedLine smaller = FitLine("Voltage drop", 14, 8, 60, widthOf);  // 12 characters
    EXPECT_EQ(smaller.text, "Voltage drop");
    EXPECT_EQ(smaller.pixels, 10);
    EXPECT_FALSE(smaller.cut);

    const FittedLine cut = FitLine("20\u00B0C 20\u00B0C", 14, 8, 16, widthOf);  // 4 characters fit at 8 px
    EXPECT_EQ(cut.text, "20\u00B0\u2026");
    EXPECT_EQ(cut.pixels, 8);
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(FitLine("abc", 14, 8, 3, widthOf).text, "\u2026");

    EXPECT_EQ(LineTip("Voltage drop", "Volts", smaller), "Volts");
    EXPECT_EQ(LineTip("20\u00B0C 20\u00B0C", "Help", cut), "20\u00B0C 20\u00B0C\nHelp");
    EXPECT_EQ(LineTip("20\u00B0C 20\u00B0C", "", cut), "20\u00B0C 20\u00B0C");

    // A line as tall as the size: the largest that fits the room, else the floor.
    const auto heightOf = [&measured](int pixels) {
        if (++measured > 1000) throw std::runtime_error("the fit measures without end");
        return static_cast<double>(pixels);
    };
    EXPECT_EQ(FitLineHeight(14, 8, 20, heightOf), 14);
    EXPECT_EQ(FitLineHeight(19, 8, 12, heightOf), 12);
    EXPECT_EQ(FitLineHeight(19, 8, 5, heightOf), 8);
}
