#include "skin/draw/frame_geometry.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(FrameThickness, DividesByTheFrameCountRoundingDownAndNeverByZero) {
    EXPECT_EQ(FrameThickness(58, 2), 29);
    EXPECT_EQ(FrameThickness(17, 2), 8);
    EXPECT_EQ(FrameThickness(16, 1), 16);
    EXPECT_EQ(FrameThickness(16, 0), 0);
    EXPECT_EQ(FrameThickness(16, -3), 0);
}

TEST(SkinnedFrame, ClientAreaAndWindowSizesAreEachOthersInverse) {
    const FrameWidths frame{8, 29, 7, 6};
    EXPECT_EQ(SkinnedClientRect({100, 50, 400, 300}, frame, 0), (Rect{108, 79, 393, 294}));
    EXPECT_EQ(SkinnedClientRect({0, 0, 300, 250}, frame, 19), (Rect{8, 48, 293, 244}));
    EXPECT_EQ(SkinnedWindowSize({285, 196}, frame, 19), (Size{300, 250}));
    EXPECT_EQ(SkinnedWindowSize({285, 196}, frame, 0), (Size{300, 231}));
    // Off again under a system frame of 8 + 8 by 31 + 8.
    EXPECT_EQ(UnskinnedWindowSize({300, 250}, frame, 19, {16, 39}), (Size{301, 235}));
}

const Rect kTitle{8, 0, 292, 29};  // a 300-pixel window with 8-pixel borders

TEST(CaptionPlacement, LeftAlignedShiftsByTextShiftAndCentresVerticallyWithHalfTheVerticalShift) {
    const CaptionStyle style{0, 16, 2, 20, 0, 0};
    // 29 - 13 = 16 -> 8, plus 2 / 2.
    EXPECT_EQ(PlaceCaption(kTitle, {100, 13}, style, false, 0), (Rect{24, 9, 124, 22}));
    // The backdrop margins widen the measured text.
    const CaptionStyle backed{0, 16, 2, 20, 3, 4};
    EXPECT_EQ(PlaceCaption(kTitle, {100, 13}, backed, false, 0), (Rect{24, 9, 131, 22}));
}

TEST(CaptionPlacement, CentredHalvesRoundTowardZeroAlsoWhenNegative) {
    const CaptionStyle style{1, 16, 3, 0, 0, 0};
    // (284 - 101) / 2 = 91; (29 - 14) / 2 = 7, 3 / 2 = 1.
    EXPECT_EQ(PlaceCaption(kTitle, {101, 14}, style, false, 0), (Rect{99, 8, 200, 22}));
    // (284 - 301) / 2 = -8 (not -9); (29 - 34) / 2 = -2; the clip keeps the right edge.
    EXPECT_EQ(PlaceCaption(kTitle, {301, 34}, style, false, 0), (Rect{0, -1, 292, 33}));
}

TEST(CaptionPlacement, RightAlignedMovesRightByTheClipAndIsThenClippedBack) {
    const CaptionStyle style{2, 16, 0, 20, 0, 0};
    // dx = 284 + 20 - 100 = 204: left 212, right 312, clipped at 292 - 20.
    EXPECT_EQ(PlaceCaption(kTitle, {100, 13}, style, false, 0), (Rect{212, 8, 272, 21}));
    const CaptionStyle unknown{5, 16, 0, 0, 0, 0};
    EXPECT_EQ(PlaceCaption(kTitle, {100, 13}, unknown, false, 0), (Rect{8, 8, 108, 21}));
}

TEST(CaptionPlacement, APopupCaptionStopsFivePixelsBeforeTheRightButtons) {
    const CaptionStyle style{0, 16, 2, 20, 0, 0};
    // A message box caption longer than the strip: cut before the buttons at 227.
    EXPECT_EQ(PlaceCaption(kTitle, {400, 13}, style, true, 227), (Rect{24, 9, 222, 22}));
    // Without right buttons the title's own clip holds.
    EXPECT_EQ(PlaceCaption(kTitle, {400, 13}, style, true, 0), (Rect{24, 9, 272, 22}));
    // A short caption is not widened up to the buttons.
    EXPECT_EQ(PlaceCaption(kTitle, {50, 13}, style, true, 227), (Rect{24, 9, 74, 22}));
    // Ordinary windows ignore the buttons (their clip keeps the text clear).
    EXPECT_EQ(PlaceCaption(kTitle, {400, 13}, style, false, 227), (Rect{24, 9, 272, 22}));
}

}  // namespace
}  // namespace korvane
