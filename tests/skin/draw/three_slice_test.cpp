#include <gtest/gtest.h>

#include "skin/draw/drawing.h"
#include "skin/draw/pictures.h"

namespace korvane {
namespace {

using testing::blank;
using testing::image_of;
using testing::Picture;
using testing::picture_of;

Picture three_slice(const Picture& frame, int width, int height, int left, int right,
                    bool transparent = false) {
    const Image strip = image_of(frame);
    Image target = image_of(blank(width + 2, height, '-'));
    // Top and bottom margins are no part of a band.
    DrawThreeSlice(target.mutable_view(), {1, 0, width + 1, height}, {strip, 1}, 1,
                   {left, 7, right, 7}, transparent);
    return picture_of(target);
}

TEST(DrawThreeSlice, MiddleRepeatsUnstretchedBetweenCapsAndAllIsStretchedToTheHeight) {
    EXPECT_EQ(three_slice({"abcdef", "ghijkl"}, 12, 4, 1, 1), (Picture{"-abcdebcdebcf-",
                                                                      "-abcdebcdebcf-",
                                                                      "-ghijkhijkhil-",
                                                                      "-ghijkhijkhil-"}));
}

TEST(DrawThreeSlice, RightCapIsDrawnLastOverTheLastSegment) {
    EXPECT_EQ(three_slice({"abcdef"}, 9, 1, 2, 2), (Picture{"-abcdcdcef-"}));
    // Caps wider than the band: the right one still ends at the band's edge.
    EXPECT_EQ(three_slice({"abcdef"}, 3, 1, 2, 2), (Picture{"-aef-"}));
}

TEST(DrawThreeSlice, FrameWithoutMiddleLeavesTheMiddleBlack) {
    EXPECT_EQ(three_slice({"ab", "cd"}, 5, 2, 1, 1), (Picture{"-a...b-", "-c...d-"}));
}

TEST(DrawThreeSlice, TransparentBandLeavesKeyPixelsOfTheTarget) {
    EXPECT_EQ(three_slice({"aMb"}, 5, 1, 1, 1, true), (Picture{"-a---b-"}));
    EXPECT_EQ(three_slice({"aMb"}, 5, 1, 1, 1, false), (Picture{"-aMMMb-"}));
}

}  // namespace
}  // namespace korvane
