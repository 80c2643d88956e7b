#include <gtest/gtest.h>

#include "skin/draw/drawing.h"
#include "skin/draw/pictures.h"

namespace korvane {
namespace {

using testing::blank;
using testing::image_of;
using testing::Picture;
using testing::picture_of;

// A 4 x 4 frame whose every pixel differs; 'z' marks the other frame.
const Image kSideBySide = image_of({"zzzzabcd",
                                    "zzzzepqf",
                                    "zzzzgrsh",
                                    "zzzzijkl"});
const Image kStacked = image_of({"zzzz", "zzzz", "zzzz", "zzzz",
                                 "abcd",
                                 "epqf",
                                 "grsh",
                                 "ijkl"});
constexpr Margins kOnePixel{1, 1, 1, 1};

Picture built(Size size, const Margins& margins, bool tile_centre) {
    return picture_of(BuildNineSlice(size, {kSideBySide, 2}, 2, margins, tile_centre));
}

TEST(BuildNineSlice, StretchedCentreAndEdgesKeepCornersAtTheirSize) {
    EXPECT_EQ(built({7, 5}, kOnePixel, false), (Picture{"abbbccd",
                                                        "epppqqf",
                                                        "epppqqf",
                                                        "grrrssh",
                                                        "ijjjkkl"}));
}

TEST(BuildNineSlice, TiledCentreOverhangIsCoveredByTheRightAndBottomPieces) {
    EXPECT_EQ(built({7, 5}, kOnePixel, true), (Picture{"abbbccd",
                                                       "epqpqpf",
                                                       "ersrsrf",
                                                       "gpqpqph",
                                                       "ijjjkkl"}));
}

TEST(BuildNineSlice, StackedFramesGiveTheSamePieces) {
    for (bool tile : {false, true})
        EXPECT_EQ(picture_of(BuildNineSlice({7, 5}, {kStacked, 2, true}, 2, kOnePixel, tile)),
                  built({7, 5}, kOnePixel, tile));
}

TEST(BuildNineSlice, UnequalMarginsCutEachPieceFromItsOwnPlace) {
    EXPECT_EQ(built({5, 5}, {2, 1, 1, 2}, false), (Picture{"abccd",
                                                           "epqqf",
                                                           "epqqf",
                                                           "grssh",
                                                           "ijkkl"}));
}

TEST(BuildNineSlice, TenByFortyWithSixAndSixDropsTheHorizontalMarginsOnly) {
    Picture expected(40);
    expected[0] = "aaabbcccdd";
    for (int y = 1; y < 20; ++y) expected[y] = "eeeppqqqff";
    for (int y = 20; y < 39; ++y) expected[y] = "gggrrssshh";
    expected[39] = "iiijjkkkll";
    EXPECT_EQ(built({10, 40}, {6, 1, 6, 1}, false), expected);
}

TEST(BuildNineSlice, MarginsThatDoNotFitAreDroppedPairwiseAndNegativeOnesCountAsZero) {
    EXPECT_EQ(built({3, 1}, kOnePixel, false), (Picture{"abd"}));
    EXPECT_EQ(built({2, 2}, {-1, -1, -1, -1}, false), (Picture{"ac", "gs"}));
    EXPECT_EQ(built({2, 2}, {2000000000, 2000000000, 2000000000, 2000000000}, false),
              (Picture{"ac", "gs"}));
}

TEST(BuildNineSlice, PixelsNoPieceReachesStayBlack) {
    // Margins that use up the whole frame leave no source for edges and centre.
    const Image strip = image_of({"ab", "cd"});
    EXPECT_EQ(picture_of(BuildNineSlice({4, 4}, {strip, 1}, 1, kOnePixel, false)),
              (Picture{"a..b",
                       "....",
                       "....",
                       "c..d"}));
}

TEST(BuildNineSlice, MissingFrameOrSizeGivesAnUndrawnImage) {
    EXPECT_EQ(picture_of(BuildNineSlice({3, 2}, {kSideBySide, 0}, 1, kOnePixel, false)),
              blank(3, 2));
    EXPECT_EQ(picture_of(BuildNineSlice({3, 2}, {kSideBySide, 2}, 3, kOnePixel, true)),
              blank(3, 2));
    EXPECT_TRUE(BuildNineSlice({-3, 2}, {kSideBySide, 2}, 1, kOnePixel, false).empty());
}

const Image kKeyCentre = image_of({"abc",
                                   "dMf",
                                   "ghi"});

TEST(DrawNineSlice, DrawsAtTheRectOpaqueOrWithTheKeyLeftOut) {
    Image target = image_of(blank(6, 6, '-'));
    DrawNineSlice(target.mutable_view(), {1, 1, 5, 5}, {kKeyCentre, 1}, 1, kOnePixel, false, true);
    EXPECT_EQ(picture_of(target), (Picture{"------",
                                           "-abbc-",
                                           "-d--f-",
                                           "-d--f-",
                                           "-ghhi-",
                                           "------"}));
    DrawNineSlice(target.mutable_view(), {1, 1, 5, 5}, {kKeyCentre, 1}, 1, kOnePixel, false, false);
    EXPECT_EQ(picture_of(target), (Picture{"------",
                                           "-abbc-",
                                           "-dMMf-",
                                           "-dMMf-",
                                           "-ghhi-",
                                           "------"}));
}

TEST(DrawNineSliceFrame, DrawsTheEightBorderPiecesAndLeavesTheCentre) {
    Image target = image_of(blank(9, 6, '-'));
    DrawNineSliceFrame(target.mutable_view(), {1, 0, 8, 5}, {kSideBySide, 2}, 2, kOnePixel);
    EXPECT_EQ(picture_of(target), (Picture{"-abbbccd-",
                                           "-e-----f-",
                                           "-e-----f-",
                                           "-g-----h-",
                                           "-ijjjkkl-",
                                           "---------"}));
}

}  // namespace
}  // namespace korvane
