#include <gtest/gtest.h>

#include <limits>

#include "skin/draw/scroll_geometry.h"

namespace korvane {
namespace {

constexpr int kInt = std::numeric_limits<int>::max();

TEST(MulDiv, RoundsHalvesAwayFromZeroAndAnswersMinusOneForZeroOrOverflow) {
    EXPECT_EQ(mul_div(10, 3, 4), 8);     // 7.5
    EXPECT_EQ(mul_div(-10, 3, 4), -8);   // -7.5
    EXPECT_EQ(mul_div(7, 1, -2), -4);    // -3.5
    EXPECT_EQ(mul_div(9, 1, 4), 2);      // 2.25
    EXPECT_EQ(mul_div(kInt, kInt, kInt), kInt);  // the product needs 64 bits
    EXPECT_EQ(mul_div(5, 5, 0), -1);
    EXPECT_EQ(mul_div(kInt, 2, 1), -1);
}

TEST(ScrollBarsLayout, BothBarsLeaveACornerOneBarRunsTheWholeSide) {
    // A 120 x 100 window with a two-pixel border and 16-pixel bars.
    const Rect window{0, 0, 120, 100};
    auto both = layout_scroll_bars(window, {0, 0, 100, 80}, 2, 16, true, true);
    EXPECT_EQ(both.horz, (Rect{2, 82, 102, 98}));
    EXPECT_EQ(both.vert, (Rect{102, 2, 118, 82}));
    EXPECT_EQ(both.corner, (Rect{102, 82, 118, 98}));

    auto vert = layout_scroll_bars(window, {0, 0, 100, 96}, 2, 16, false, true);
    EXPECT_EQ(vert.vert, (Rect{102, 2, 118, 98}));
    EXPECT_TRUE(vert.horz.is_empty());
    EXPECT_TRUE(vert.corner.is_empty());

    // Without a vertical bar the border comes from the height: (100 - 78 - 16) / 2 = 3.
    auto horz = layout_scroll_bars(window, {0, 0, 114, 78}, 2, 16, true, false);
    EXPECT_EQ(horz.horz, (Rect{3, 81, 117, 97}));
    EXPECT_TRUE(horz.vert.is_empty());

    auto none = layout_scroll_bars(window, {0, 0, 116, 96}, 2, 16, false, false);
    EXPECT_TRUE(none.horz.is_empty() && none.vert.is_empty() && none.corner.is_empty());

}

TEST(ScrollThumb, PageAndPositionGiveLengthAndOffset) {
    BarGeometry g;
    // A 232-pixel bar: 16-pixel arrows and a 200-pixel track.
    ASSERT_TRUE(window_bar_thumb(g, 232, 16, {0, 100, 10, 45}, 8, 17));
    EXPECT_EQ(g.arrow_size, 16);
    EXPECT_EQ(g.track_length, 200);
    EXPECT_EQ(g.thumb_length, 20);
    EXPECT_EQ(g.thumb_offset, 90);  // 45 * 180 / 90
    ASSERT_TRUE(window_bar_thumb(g, 232, 16, {0, 100, 10, 100}, 8, 17));
    EXPECT_EQ(g.thumb_offset, 180);  // at most track - thumb
    // A tiny page still gets the minimum thumb.
    ASSERT_TRUE(window_bar_thumb(g, 232, 16, {0, 10000, 1, 0}, 8, 17));
    EXPECT_EQ(g.thumb_length, 8);
    // Without a page the system's thumb size is used.
    ASSERT_TRUE(window_bar_thumb(g, 232, 16, {-50, 50, 0, 0}, 8, 17));
    EXPECT_EQ(g.thumb_length, 17);
    EXPECT_EQ(g.thumb_offset, 92);  // 50 * 183 / 100 rounded
}

TEST(ScrollThumb, PageEqualToTheRangeGivesAThumbOnePixelShorterThanTheTrack) {
    BarGeometry g;
    ASSERT_TRUE(window_bar_thumb(g, 232, 16, {0, 100, 100, 0}, 8, 17));
    EXPECT_EQ(g.thumb_offset, 0);
    EXPECT_EQ(g.thumb_length, 199);
    EXPECT_TRUE(thumb_visible(g));
    // A scroll-bar control counts its page against the range plus one.
    ASSERT_TRUE(control_bar_thumb(g, 232, 16, {0, 99, 100, 0}, 8, 17));
    EXPECT_EQ(g.thumb_offset, 0);
    EXPECT_EQ(g.thumb_length, 199);
    ASSERT_TRUE(control_bar_thumb(g, 232, 16, {0, 99, 10, 90}, 8, 17));
    EXPECT_EQ(g.thumb_length, 20);
    EXPECT_EQ(g.thumb_offset, 180);
}

TEST(ScrollThumb, EmptyOrOversizedRangeKeepsTheOldGeometry) {
    BarGeometry g{16, 200, 20, 90};
    const BarGeometry old = g;
    EXPECT_FALSE(window_bar_thumb(g, 232, 16, {5, 5, 1, 5}, 8, 17));
    EXPECT_FALSE(window_bar_thumb(g, 232, 16, {5, 0, 1, 5}, 8, 17));
    EXPECT_FALSE(window_bar_thumb(g, 232, 16, {-kInt, kInt, 1, 0}, 8, 17));
    EXPECT_FALSE(control_bar_thumb(g, 232, 16, {-1, kInt, 1, 0}, 8, 17));
    EXPECT_EQ(g.thumb_offset, old.thumb_offset);
    EXPECT_EQ(g.thumb_length, old.thumb_length);
    // A control's range of 0 is a range: one position.
    EXPECT_TRUE(control_bar_thumb(g, 232, 16, {3, 3, 0, 3}, 8, 17));
}

TEST(ScrollThumb, ABarShorterThanTwoArrowsGetsHalfArrowsAndNoThumb) {
    EXPECT_EQ(scroll_arrow_length(20, 16), 10);
    EXPECT_EQ(scroll_arrow_length(31, 16), 15);
    EXPECT_EQ(scroll_arrow_length(32, 16), 16);
    BarGeometry g;
    ASSERT_TRUE(window_bar_thumb(g, 20, 16, {0, 100, 10, 50}, 8, 17));
    EXPECT_FALSE(thumb_visible(g));
    ASSERT_TRUE(window_bar_thumb(g, 40, 16, {0, 100, 10, 50}, 8, 17));
    EXPECT_EQ(g.track_length, 8);
    EXPECT_TRUE(thumb_visible(g));
    EXPECT_EQ(g.thumb_offset, 0);  // the thumb fills the track
}

TEST(ScrollHitTest, ArrowsPagesAndThumbAlongTheBar) {
    const BarGeometry g{16, 200, 20, 90};
    EXPECT_EQ(scroll_hit_test(g, 0), 0);
    EXPECT_EQ(scroll_hit_test(g, 15), 0);
    EXPECT_EQ(scroll_hit_test(g, 16), 2);
    EXPECT_EQ(scroll_hit_test(g, 105), 2);
    EXPECT_EQ(scroll_hit_test(g, 106), 5);
    EXPECT_EQ(scroll_hit_test(g, 125), 5);
    EXPECT_EQ(scroll_hit_test(g, 126), 3);
    EXPECT_EQ(scroll_hit_test(g, 215), 3);
    EXPECT_EQ(scroll_hit_test(g, 216), 1);
    EXPECT_EQ(scroll_hit_test(g, 231), 1);
    EXPECT_EQ(scroll_hit_test(g, 232), -1);
}

TEST(ThumbDrag, DraggingPastTheEndWithAPageStopsAtMaxMinusPagePlusOne) {
    const BarGeometry g{16, 200, 20, 0};
    const ScrollRange range{0, 100, 10, 0};
    auto end = drag_thumb(g, 0, 500, range);
    EXPECT_EQ(end.offset, 200);
    EXPECT_EQ(end.pos, 91);
    auto middle = drag_thumb(g, 0, 90, range);
    EXPECT_EQ(middle.offset, 90);
    EXPECT_EQ(middle.pos, 45);
    // Back past the start: offset 0, position the minimum.
    auto start = drag_thumb(g, 90, -300, {-20, 80, 10, 0});
    EXPECT_EQ(start.offset, 0);
    EXPECT_EQ(start.pos, -20);
}

TEST(ThumbDrag, WithoutAPageTheThumbStaysInItsTrackAndAFullThumbNeverDivides) {
    const BarGeometry g{16, 200, 17, 0};
    auto end = drag_thumb(g, 0, 1000, {0, 100, 0, 0});
    EXPECT_EQ(end.offset, 183);
    EXPECT_EQ(end.pos, 100);
    auto half = drag_thumb(g, 0, 92, {0, 100, 0, 0});
    EXPECT_EQ(half.pos, 50);
    // Thumb as long as the track: mul_div's -1 for the zero denominator,
    // then the minimum.
    const BarGeometry full{16, 200, 200, 0};
    auto none = drag_thumb(full, 0, 50, {10, 100, 0, 0});
    EXPECT_EQ(none.offset, 0);
    EXPECT_EQ(none.pos, 10);
}

TEST(ScrollParts, CodesPressPartsAndArrowsShowTheirPressedFrames) {
    EXPECT_EQ(scroll_pressed_part(false, 0), 1);
    EXPECT_EQ(scroll_pressed_part(false, 1), 2);
    EXPECT_EQ(scroll_pressed_part(false, 5), 5);
    EXPECT_EQ(scroll_pressed_part(true, 0), 3);
    EXPECT_EQ(scroll_pressed_part(true, 1), 4);
    EXPECT_EQ(scroll_pressed_part(true, 5), 6);
    EXPECT_EQ(scroll_pressed_part(true, 8), 0);  // SB_ENDSCROLL
    EXPECT_EQ(scroll_pressed_part(false, 2), 0);

    EXPECT_EQ(scroll_arrow_frame(false, false, 0), 1);
    EXPECT_EQ(scroll_arrow_frame(false, false, 1), 2);
    EXPECT_EQ(scroll_arrow_frame(false, true, 1), 5);
    EXPECT_EQ(scroll_arrow_frame(false, true, 2), 6);
    EXPECT_EQ(scroll_arrow_frame(true, false, 3), 10);
    EXPECT_EQ(scroll_arrow_frame(true, true, 4), 14);
    EXPECT_EQ(scroll_arrow_frame(true, true, 6), 13);
    EXPECT_EQ(scroll_arrow_frame(true, false, 1), 9);
}

}  // namespace
}  // namespace korvane
