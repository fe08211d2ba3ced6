#include <gtest/gtest.h>

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
