#include <gtest/gtest.h>

#include "skin/draw/blit.h"
#include "skin/draw/pictures.h"

namespace korvane {
namespace {

using testing::blank;
using testing::image_of;
using testing::Picture;
using testing::picture_of;

Picture stretched(const Picture& source, int width, int height) {
    Image target(width, height);
    const Image from = image_of(source);
    StretchBlit(target.mutable_view(), target.bounds(), from, from.bounds());
    return picture_of(target);
}

TEST(Stretch, GrowingRepeatsAndShrinkingDropsFromTheLeftAndTop) {
    EXPECT_EQ(stretched({"ab"}, 5, 1), (Picture{"aaabb"}));
    EXPECT_EQ(stretched({"abcde"}, 2, 1), (Picture{"ac"}));
    EXPECT_EQ(stretched({"abc"}, 3, 1), (Picture{"abc"}));
    EXPECT_EQ(stretched({"abc"}, 1, 1), (Picture{"a"}));
    EXPECT_EQ(stretched({"ab", "cd"}, 3, 4), (Picture{"aab", "aab", "ccd", "ccd"}));
    EXPECT_EQ(stretched({"abcd", "efgh", "ijkl"}, 2, 2), (Picture{"ac", "eg"}));
    EXPECT_EQ(stretched({"abc"}, 13, 1), (Picture{"aaaaabbbbcccc"}));
    EXPECT_EQ(stretched({"ab"}, 9, 3), (Picture{"aaaaabbbb", "aaaaabbbb", "aaaaabbbb"}));
}

TEST(Stretch, GrowingManyTimesWithTheKeyLeavesWholeRunsOfTheTarget) {
    const Image source = image_of({"aMb", "cde"});
    Image target = image_of(blank(13, 3, '-'));
    StretchBlitTransparent(target.mutable_view(), {0, 0, 13, 3}, source, source.bounds());
    EXPECT_EQ(picture_of(target), (Picture{"aaaaa----bbbb",
                                           "aaaaa----bbbb",
                                           "cccccddddeeee"}));
}

TEST(Stretch, PixelsOutsideEitherImageAreNeitherReadNorWritten) {
    const Image source = image_of({"abcd"});
    Image target = image_of({"...."});
    // Destination hangs off the left: the visible part keeps its scale.
    StretchBlit(target.mutable_view(), {-2, 0, 2, 1}, source, source.bounds());
    EXPECT_EQ(picture_of(target), (Picture{"cd.."}));

    target = image_of({"....."});
    // Source hangs off the right: destination pixels mapped there stay.
    StretchBlit(target.mutable_view(), {0, 0, 4, 1}, source, {2, 0, 6, 1});
    EXPECT_EQ(picture_of(target), (Picture{"cd..."}));

    target = image_of({"...."});
    StretchBlit(target.mutable_view(), {0, -5, 4, 1}, source, {0, -5, 4, 1});
    EXPECT_EQ(picture_of(target), (Picture{"abcd"}));

    target = image_of({"....", "...."});
    StretchBlit(target.mutable_view(), {3, 1, 400000, 90000}, source, {0, 0, 1, 1});
    EXPECT_EQ(picture_of(target), (Picture{"....", "...a"}));
}

TEST(Stretch, InvertedOrEmptyRectanglesDrawNothing) {
    const Image source = image_of({"ab", "cd"});
    for (const auto& [to, from] : {std::pair<Rect, Rect>{{2, 0, 0, 2}, {0, 0, 2, 2}},
                                   {{0, 2, 2, 0}, {0, 0, 2, 2}},
                                   {{0, 0, 2, 2}, {2, 0, 0, 2}},
                                   {{0, 0, 2, 2}, {0, 0, 0, 2}},
                                   {{0, 0, 0, 0}, {0, 0, 2, 2}}}) {
        Image target(2, 2);
        StretchBlit(target.mutable_view(), to, source, from);
        EXPECT_EQ(picture_of(target), blank(2, 2));
    }
}

TEST(Stretch, WritesThroughAViewWithItsStride) {
    Image canvas = image_of({"......", "......", "......"});
    const Image source = image_of({"ab"});
    StretchBlit(canvas.mutable_view().sub({2, 1, 5, 3}), {0, 0, 4, 2}, source, source.bounds());
    EXPECT_EQ(picture_of(canvas), (Picture{"......", "..aab.", "..aab."}));
}

TEST(Transparent, KeyPixelsLeaveTheTargetAndOnlyTheExactKeyIsTransparent) {
    Image bitmap = image_of({"aMb", "MMc"});
    bitmap.at(2, 1) = pixel_rgb(255, 1, 255);  // next to magenta, still a colour
    bitmap.at(1, 1) |= 0xFF000000u;            // the unused top byte does not matter
    Image target = image_of({"xxxxx", "xxxxx", "xxxxx"});
    DrawTransparent(target.mutable_view(), {1, 1, 4, 3}, bitmap);
    EXPECT_EQ(picture_of(target), (Picture{"xxxxx", "xaxbx", "xxx?x"}));
    EXPECT_EQ(target.at(3, 2), pixel_rgb(255, 1, 255));
}

TEST(Transparent, CopiesTheRectSizedTopLeftPartUnstretched) {
    const Image bitmap = image_of({"abc", "def", "ghi"});
    Image target = image_of({"xxxx", "xxxx"});
    DrawTransparent(target.mutable_view(), {2, 0, 4, 2}, bitmap);
    EXPECT_EQ(picture_of(target), (Picture{"xxab", "xxde"}));

    // A rect larger than the bitmap reads nothing beyond it.
    target = image_of({"xxxx", "xxxx"});
    DrawTransparent(target.mutable_view(), {0, 0, 4, 2}, image_of({"ab"}));
    EXPECT_EQ(picture_of(target), (Picture{"abxx", "xxxx"}));

    DrawTransparent(target.mutable_view(), {3, 0, 1, 2}, bitmap);
    EXPECT_EQ(picture_of(target), (Picture{"abxx", "xxxx"}));
}

TEST(Transparent, AnotherKeyColourCanBeGiven) {
    Image target = image_of({"xxx"});
    DrawTransparent(target.mutable_view(), {0, 0, 3, 1}, image_of({"aMb"}), rgb('b', 'b', 'b'));
    EXPECT_EQ(picture_of(target), (Picture{"aMx"}));
}

TEST(Tile, SixteenPixelTilesOverFortyByTwentyCoverFortyEightByThirtyTwo) {
    Image tile(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) tile.at(x, y) = Pixel(1 + x + 16 * y);
    const Pixel background = 0xABCDEF;
    Image target(60, 40, background);
    TileRect(target.mutable_view(), {0, 0, 40, 20}, tile, tile.bounds());
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const Pixel expected = x < 48 && y < 32 ? tile.at(x % 16, y % 16) : background;
            ASSERT_EQ(target.at(x, y), expected) << "at " << x << "," << y;
        }
}

TEST(Tile, TilesStartAtTheRectAndUseOnlyTheSourceRect) {
    const Image source = image_of({"abcd", "efgh"});
    Image target = image_of({"xxxxxxx", "xxxxxxx", "xxxxxxx"});
    TileRect(target.mutable_view(), {1, 1, 5, 2}, source, {1, 0, 3, 2});
    EXPECT_EQ(picture_of(target), (Picture{"xxxxxxx", "xbcbcxx", "xfgfgxx"}));

    // Starting left of the target: the whole tiles still line up with the rect.
    target = image_of({"xxxxxx"});
    TileRect(target.mutable_view(), {-1, 0, 4, 1}, source, {0, 0, 2, 1});
    EXPECT_EQ(picture_of(target), (Picture{"bababx"}));
}

TEST(Tile, ZeroSizedTileOrInvertedRectDrawsNothing) {
    const Image source = image_of({"ab"});
    Image target = image_of({"xx", "xx"});
    TileRect(target.mutable_view(), {0, 0, 2, 2}, source, {1, 0, 1, 1});
    TileRect(target.mutable_view(), {0, 0, 2, 2}, source, {0, 1, 2, 0});
    TileRect(target.mutable_view(), {2, 0, 0, 2}, source, source.bounds());
    TileRect(target.mutable_view(), {0, 0, 2, 2}, Image{}, {0, 0, 1, 1});
    EXPECT_EQ(picture_of(target), (Picture{"xx", "xx"}));
}

}  // namespace
}  // namespace korvane
