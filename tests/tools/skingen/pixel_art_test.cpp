#include <gtest/gtest.h>

#include <string_view>

#include "pixel_art.h"

namespace korvane::skingen {
namespace {

constexpr Pixel kA = pixel_rgb(10, 20, 30);
constexpr Pixel kB = pixel_rgb(40, 50, 60);
constexpr Pixel kC = pixel_rgb(200, 100, 0);

TEST(PixelArtColours, MixAndRampRoundToNearestInBothDirections) {
    EXPECT_EQ(mix(pixel_rgb(100, 200, 0), pixel_rgb(200, 100, 0), 1, 3), pixel_rgb(133, 167, 0));
    EXPECT_EQ(mix(pixel_rgb(0, 0, 0), pixel_rgb(255, 255, 255), 1, 2), pixel_rgb(128, 128, 128));
    EXPECT_EQ(ramp(kA, kB, 0, 4), kA);
    EXPECT_EQ(ramp(kA, kB, 3, 4), kB);
    EXPECT_EQ(ramp(kA, kB, 1, 4), pixel_rgb(20, 30, 40));
    EXPECT_EQ(ramp(kA, kB, 0, 1), kA);
}

TEST(PixelArtShapes, QuarterCirclesCutTheExpectedPixelsPerRow) {
    // Pixels cut from each row of a corner of radius 8, then of radius 4.
    auto cut = [](int radius, int y) {
        int x = 0;
        while (!inside_rounded(x, y, 40, 40, {radius, 0, 0, 0})) ++x;
        return x;
    };
    const int radius8[] = {5, 3, 2, 1, 1, 0, 0, 0};
    for (int y = 0; y < 8; ++y) EXPECT_EQ(cut(8, y), radius8[y]) << "row " << y;
    const int radius4[] = {2, 1, 0, 0};
    for (int y = 0; y < 4; ++y) EXPECT_EQ(cut(4, y), radius4[y]) << "row " << y;
    EXPECT_FALSE(inside_rounded(-1, 0, 4, 4, {}));
    EXPECT_FALSE(inside_rounded(4, 0, 4, 4, {}));
}

TEST(PixelArtShapes, RoundedBoxKeysTheCornersOutlinesTheEdgeAndFillsTheBody) {
    Image image(6, 5, kC);
    rounded_box(image.mutable_view(), {0, 0, 6, 5}, Corners::all(4), kA, kB, kB);
    const std::string_view expected[] = {
        "..aa..",
        ".abba.",
        "abbbba",
        ".abba.",
        "..aa..",
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const char c = expected[y][x];
            EXPECT_EQ(image.at(x, y), c == '.' ? kKey : c == 'a' ? kA : kB) << x << "," << y;
        }
}

TEST(PixelArtShapes, RoundedEdgePaintsOnlyTheRingAndLeavesTheRestAlone) {
    Image image(5, 4, kC);
    rounded_edge(image.mutable_view(), {0, 0, 5, 4}, {}, kA);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool ring = x == 0 || y == 0 || x == 4 || y == 3;
            EXPECT_EQ(image.at(x, y), ring ? kA : kC) << x << "," << y;
        }
}

TEST(PixelArtGlyphs, StampCentredPlacesThePatternAndSkipsItsGaps) {
    static constexpr std::string_view kGlyph[] = {"#.#", ".#"};
    Image image(8, 5, kC);
    stamp_centred(image.mutable_view(), {1, 0, 8, 5}, kGlyph, kA);
    // 3 x 2 in 7 x 5 starting at x 1: placed at (3, 1).
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool ink = (y == 1 && (x == 3 || x == 5)) || (y == 2 && x == 4);
            EXPECT_EQ(image.at(x, y), ink ? kA : kC) << x << "," << y;
        }
    EXPECT_EQ(pattern_size(kGlyph), (Size{3, 2}));
}

TEST(PixelArtGlyphs, StampClipsAtTheImageEdges) {
    static constexpr std::string_view kGlyph[] = {"##", "##"};
    Image image(2, 2, kC);
    stamp(image.mutable_view(), {1, 1}, kGlyph, kA);
    EXPECT_EQ(image.at(0, 0), kC);
    EXPECT_EQ(image.at(1, 1), kA);
    stamp(image.mutable_view(), {-1, -1}, kGlyph, kB);
    EXPECT_EQ(image.at(0, 0), kB);
    EXPECT_EQ(image.at(1, 0), kC);
}

TEST(PixelArtTransforms, MirrorFlipAndTransposeMoveEveryPixel) {
    Image image(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.at(x, y) = pixel_rgb(std::uint8_t(x), std::uint8_t(y), 0);
    const Image m = mirrored(image);
    const Image f = flipped(image);
    const Image t = transposed(image);
    ASSERT_EQ(t.size(), (Size{2, 3}));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(m.at(2 - x, y), image.at(x, y));
            EXPECT_EQ(f.at(x, 1 - y), image.at(x, y));
            EXPECT_EQ(t.at(y, x), image.at(x, y));
        }
}

}  // namespace
}  // namespace korvane::skingen
