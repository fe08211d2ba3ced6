#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "Captions.h"
#include "LineFit.h"
#include "ModelState.h"
#include "guirt/Label.h"
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
    // Each edge rounded, not the width: 21..162 at 1.5 is 31.5..243, so 32 wide 211.
    EXPECT_EQ(ScaledBounds({21, 75, 141, 20}, 144), (Bounds{32, 113, 211, 30}));
}

// A one-line text too wide for its box: the largest size from the floor up that fits it,
// else cut at the end (on a whole character) at the floor; the tip then tells it whole. A
// field shrinks its text the same way where that shows it whole, and never cuts it. A
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

    // A field: as wide as its room allows from the size its height allows; a text that fits at
    // no size scrolls at that size.
    const LineMeasure field{FitLineHeight(19, 8, 14, heightOf), 8, 0, 40, widthOf};
    EXPECT_EQ(FitFieldText("1.78", field), 14);
    EXPECT_EQ(FitFieldText("1.784124", field), 10);
    EXPECT_EQ(FitFieldText("1.7841241.784124", field), 14);
}

// Two labels on a field's row: the nearer captions it, whichever comes first; the other
// captions nothing.
TEST(Captions, TheNearerOfTwoLabelsCaptionsTheControl) {
    const auto placed = [](Ref<RectControl> control, std::int64_t left, std::int64_t width) {
        control->SetLeft(left);
        control->SetTop(10);
        control->SetWidth(width);
        control->SetHeight(20);
        return control;
    };
    const Ref<RectControl> far = placed(New<Label>(), 0, 50), near = placed(New<Label>(), 60, 50);
    const Ref<RectControl> field = placed(New<TextField>(), 120, 80);
    for (const auto& order : {std::vector<Ref<Control>>{far, near, field}, std::vector<Ref<Control>>{near, far, field}}) {
        const std::vector<Caption> captions = CaptionsOf(order);
        ASSERT_EQ(captions.size(), 1u);
        EXPECT_EQ(captions[0].label, near.get());
        EXPECT_EQ(captions[0].control, field.get());
    }
}
