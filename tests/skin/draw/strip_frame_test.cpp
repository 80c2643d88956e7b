#include <gtest/gtest.h>

#include "skin/draw/drawing.h"
#include "skin/draw/pictures.h"

namespace korvane {
namespace {

using testing::image_of;
using testing::Picture;
using testing::picture_of;

// A strip one pixel high whose column x holds the value x + 1.
Image numbered_strip(int width) {
    Image strip(width, 1);
    for (int x = 0; x < width; ++x) strip.at(x, 0) = Pixel(x + 1);
    return strip;
}

TEST(FrameRect, FramesAreTheStripDividedByTheCountRoundedDown) {
    const Image strip = numbered_strip(90);
    EXPECT_EQ(FrameRect({strip, 4}, 1), (Rect{0, 0, 22, 1}));
    EXPECT_EQ(FrameRect({strip, 4}, 4), (Rect{66, 0, 88, 1}));
    const Image stacked(3, 11);
    EXPECT_EQ(FrameRect({stacked, 2, true}, 2), (Rect{0, 5, 3, 10}));
    EXPECT_EQ(FrameRect({stacked, 1, true}, 1), (Rect{0, 0, 3, 11}));
}

TEST(FrameRect, MissingFramesAreEmpty) {
    const Image strip = numbered_strip(90);
    EXPECT_TRUE(FrameRect({strip, 0}, 1).is_empty());
    EXPECT_TRUE(FrameRect({strip, -2}, 1).is_empty());
    EXPECT_TRUE(FrameRect({strip, 4}, 0).is_empty());
    EXPECT_TRUE(FrameRect({strip, 4}, 5).is_empty());
    EXPECT_TRUE(FrameRect({strip, 91}, 1).is_empty());
    EXPECT_TRUE(FrameRect({Image{}, 1}, 1).is_empty());
    EXPECT_TRUE(FrameRect({strip, 2, true}, 1).is_empty());
}

TEST(DrawStripFrame, FourthOfFourFramesInANinetyPixelStripNeverUsesTheLastTwoColumns) {
    const Image strip = numbered_strip(90);
    Image same_size(22, 1);
    DrawStripFrame(same_size.mutable_view(), same_size.bounds(), {strip, 4}, 4, false);
    for (int x = 0; x < 22; ++x) EXPECT_EQ(same_size.at(x, 0), Pixel(67 + x));

    Image doubled(44, 3);
    DrawStripFrame(doubled.mutable_view(), doubled.bounds(), {strip, 4}, 4, false);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 44; ++x) EXPECT_EQ(doubled.at(x, y), Pixel(67 + x / 2));
}

TEST(DrawStripFrame, StretchesTheFrameIntoTheRectWithTheKeyLeftOut) {
    const Image strip = image_of({"abMxyz",
                                  "cdMxyz"});
    Image target = image_of({"-----",
                             "-----",
                             "-----"});
    DrawStripFrame(target.mutable_view(), {1, 0, 5, 3}, {strip, 2}, 1, true);
    EXPECT_EQ(picture_of(target), (Picture{"-aab-",
                                           "-aab-",
                                           "-ccd-"}));
    DrawStripFrame(target.mutable_view(), {0, 0, 3, 1}, {strip, 2}, 1, false);
    EXPECT_EQ(picture_of(target), (Picture{"abMb-", "-aab-", "-ccd-"}));
}

}  // namespace
}  // namespace korvane
