#include <gtest/gtest.h>

#include "skin/draw/up_down_rules.h"

namespace korvane {
namespace {

TEST(UpDownHalves, VerticalSplitsTheHeightHorizontalTheWidth) {
    const auto v = up_down_halves({1, 1, 16, 22}, false);
    EXPECT_EQ(v.first, (Rect{1, 1, 16, 11}));
    EXPECT_EQ(v.second, (Rect{1, 11, 16, 22}));
    EXPECT_EQ(v.first_kind, 0);
    EXPECT_EQ(v.split, 10);
    const auto h = up_down_halves({0, 0, 31, 16}, true);
    EXPECT_EQ(h.first, (Rect{0, 0, 15, 16}));
    EXPECT_EQ(h.second, (Rect{15, 0, 31, 16}));
    EXPECT_EQ(h.first_kind, 2);
}

TEST(UpDownState, OnlyTheHalfUnderTheCursorShowsPressedOrHot) {
    // Pressing the lower arrow with the cursor on it: lower pressed, upper normal.
    EXPECT_EQ(up_down_state(true, true, 15, 10, true, false), 2);
    EXPECT_EQ(up_down_state(true, false, 15, 10, true, false), 1);
    EXPECT_EQ(up_down_state(true, false, 3, 10, true, true), 2);
    EXPECT_EQ(up_down_state(true, false, 3, 10, false, true), 4);
    EXPECT_EQ(up_down_state(true, true, 3, 10, false, true), 1);
    EXPECT_EQ(up_down_state(false, true, 15, 10, true, true), 3);
    EXPECT_EQ(up_down_state(true, false, -40, 10, false, false), 1);
    EXPECT_EQ(up_down_frame(0, 1), 1);
    EXPECT_EQ(up_down_frame(1, 2), 6);
    EXPECT_EQ(up_down_frame(2, 4), 4);
    EXPECT_EQ(up_down_frame(3, 3), 7);
}

TEST(UpDownArrow, LinesFromTheAnchorOfTheHalf) {
    // Half 16 x 10 at (0, 0): anchor (8, 5 - 2) for up and down arrows.
    const auto up = up_down_arrow(0, {0, 0, 16, 10});
    ASSERT_EQ(up.size(), 7u);
    EXPECT_EQ(up[0], (UpDownLine{{8, 3}, {8, 2}}));
    EXPECT_EQ(up[1], (UpDownLine{{9, 4}, {12, 7}}));
    EXPECT_EQ(up[4], (UpDownLine{{7, 4}, {4, 7}}));
    const auto down = up_down_arrow(1, {0, 10, 16, 20});
    ASSERT_EQ(down.size(), 7u);
    EXPECT_EQ(down[0], (UpDownLine{{8, 16}, {8, 17}}));
    EXPECT_EQ(down[1], (UpDownLine{{9, 15}, {12, 12}}));
    EXPECT_EQ(down[6], (UpDownLine{{8, 14}, {6, 13}}));
    // Left and right: anchor (8, 5), a closed polyline mirrored between them.
    const auto left = up_down_arrow(2, {0, 0, 16, 10});
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[0], (UpDownLine{{8, 5}, {9, 7}}));
    EXPECT_EQ(left[2], (UpDownLine{{9, 3}, {7, 5}}));
    const auto right = up_down_arrow(3, {0, 0, 16, 10});
    EXPECT_EQ(right[0], (UpDownLine{{8, 5}, {7, 7}}));
    EXPECT_EQ(right[3], (UpDownLine{{9, 5}, {7, 7}}));
}

}  // namespace
}  // namespace korvane
