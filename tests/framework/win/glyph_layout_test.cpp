#include <gtest/gtest.h>

#include "framework/win/glyph_layout.h"

namespace korvane {
namespace {

constexpr unsigned kLeft = 0, kCenter = 1, kRight = 2;
const Size kGlyph{16, 16};
const Size kText{40, 13};

TEST(GlyphLayout, CentredGroupInEachOfTheFourLayouts) {
    // Margin -1, spacing 4: glyph, gap and text centred as a group, rounded down.
    GlyphPlacement left = place_glyph({100, 30}, kGlyph, kText, blGlyphLeft, -1, 4);
    EXPECT_EQ(left.glyph, (Point{20, 7}));
    EXPECT_EQ(left.text, Rect::from_size(40, 9, 40, 13));
    EXPECT_EQ(left.format, kLeft);

    GlyphPlacement right = place_glyph({100, 30}, kGlyph, kText, blGlyphRight, -1, 4);
    EXPECT_EQ(right.glyph, (Point{64, 7}));
    EXPECT_EQ(right.text, Rect::from_size(20, 9, 40, 13));
    EXPECT_EQ(right.format, kRight);

    GlyphPlacement top = place_glyph({60, 60}, kGlyph, kText, blGlyphTop, -1, 4);
    EXPECT_EQ(top.glyph, (Point{22, 13}));
    EXPECT_EQ(top.text, Rect::from_size(10, 33, 40, 13));
    EXPECT_EQ(top.format, kCenter);

    GlyphPlacement bottom = place_glyph({60, 60}, kGlyph, kText, blGlyphBottom, -1, 4);
    EXPECT_EQ(bottom.glyph, (Point{22, 31}));
    EXPECT_EQ(bottom.text, Rect::from_size(10, 14, 40, 13));
    EXPECT_EQ(bottom.format, kCenter);
}

TEST(GlyphLayout, MarginAndSpacingShareTheFreeRoom) {
    // Both -1: a third of the free width each.
    GlyphPlacement thirds = place_glyph({100, 30}, kGlyph, kText, blGlyphLeft, -1, -1);
    EXPECT_EQ(thirds.glyph.x, 14);
    EXPECT_EQ(thirds.text.left, 14 + 16 + 14);
    // A fixed margin: the spacing centres the text in what is left.
    GlyphPlacement fixed = place_glyph({100, 30}, kGlyph, kText, blGlyphLeft, 2, -1);
    EXPECT_EQ(fixed.glyph.x, 2);
    EXPECT_EQ(fixed.text.left, 2 + 16 + 21);
    // Both fixed: taken as they are.
    GlyphPlacement both = place_glyph({100, 30}, kGlyph, kText, blGlyphRight, 5, 3);
    EXPECT_EQ(both.glyph.x, 100 - 5 - 16);
    EXPECT_EQ(both.text.left, 100 - 5 - 16 - 3 - 40);
}

TEST(GlyphLayout, SpacingVanishesWithoutGlyphOrText) {
    GlyphPlacement no_text = place_glyph({100, 30}, kGlyph, {0, 0}, blGlyphLeft, -1, 4);
    EXPECT_EQ(no_text.glyph.x, 42);
    EXPECT_EQ(no_text.text.left, 58);
    GlyphPlacement no_glyph = place_glyph({100, 30}, {0, 0}, kText, blGlyphLeft, -1, 4);
    EXPECT_EQ(no_glyph.glyph.x, 30);
    EXPECT_EQ(no_glyph.text.left, 30);
}

TEST(GlyphLayout, DivisionsTruncateTowardZeroWhenTheButtonIsTooSmall) {
    // Free room 10 - (15 + 4 + 40) = -49; half of it is -24, not -25.
    GlyphPlacement p = place_glyph({10, 30}, {15, 16}, kText, blGlyphLeft, -1, 4);
    EXPECT_EQ(p.glyph.x, -24);
    EXPECT_EQ(p.text.left, -24 + 15 + 4);
}

}  // namespace
}  // namespace korvane
