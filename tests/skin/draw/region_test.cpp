#include <gtest/gtest.h>

#include "skin/draw/region.h"
#include "skin/draw/pictures.h"

namespace korvane {
namespace {

using testing::image_of;

std::vector<Rect> all_rects(const std::vector<RegionBatch>& batches) {
    std::vector<Rect> rects;
    for (const RegionBatch& batch : batches)
        rects.insert(rects.end(), batch.rects.begin(), batch.rects.end());
    return rects;
}

TEST(RegionFromBitmap, OneOpaquePixelAtAnOffsetGivesOneRectangle) {
    const auto batches = RegionFromBitmap(image_of({"M.M", "MMM"}), {10, 5});
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].rects, (std::vector<Rect>{{11, 5, 12, 6}}));
    EXPECT_EQ(batches[0].bounds, (Rect{11, 5, 12, 6}));
}

TEST(RegionFromBitmap, AllKeyGivesNoRectangles) {
    EXPECT_TRUE(RegionFromBitmap(image_of({"MMM", "MMM"}), {0, 0}).empty());
    EXPECT_TRUE(RegionFromBitmap(Image{}, {0, 0}).empty());
}

TEST(RegionFromBitmap, RunsGoRowByRowLeftToRight) {
    const auto batches = RegionFromBitmap(image_of({"ab.MMc",
                                                    "MMMMMM",
                                                    "MxMMyy"}),
                                          {0, 0});
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].rects, (std::vector<Rect>{{0, 0, 3, 1},
                                                   {5, 0, 6, 1},
                                                   {1, 2, 2, 3},
                                                   {4, 2, 6, 3}}));
    EXPECT_EQ(batches[0].bounds, (Rect{0, 0, 6, 3}));
}

TEST(RegionFromBitmap, ToleranceReachesAboveTheKeyOnlyAndStopsAt255) {
    Image bitmap(5, 1);
    bitmap.at(0, 0) = pixel_rgb(255, 1, 255);  // green within 1 of the key: transparent
    bitmap.at(1, 0) = pixel_rgb(254, 0, 255);  // red below the key: opaque
    bitmap.at(2, 0) = pixel_rgb(255, 2, 255);  // green beyond the tolerance: opaque
    bitmap.at(3, 0) = pixel_rgb(255, 0, 255);
    bitmap.at(4, 0) = pixel_rgb(255, 0, 254);  // blue below the key: opaque
    EXPECT_EQ(all_rects(RegionFromBitmap(bitmap, {0, 0})),
              (std::vector<Rect>{{1, 0, 3, 1}, {4, 0, 5, 1}}));
    // Without tolerance only the exact key is transparent.
    EXPECT_EQ(all_rects(RegionFromBitmap(bitmap, {0, 0}, {0, 0, 0})),
              (std::vector<Rect>{{0, 0, 3, 1}, {4, 0, 5, 1}}));
    // Another key with its own tolerance per channel.
    EXPECT_EQ(all_rects(RegionFromBitmap(bitmap, {0, 0}, {0, 2, 1}, rgb(255, 0, 254))),
              (std::vector<Rect>{{1, 0, 2, 1}}));
}

TEST(RegionFromBitmap, FourThousandFiveHundredRunsComeInBatchesOf2000And2000And500) {
    // A checkerboard, 100 wide: 50 single-pixel runs per row, 90 rows.
    Image bitmap(100, 90, kKeyRgb);
    for (int y = 0; y < 90; ++y)
        for (int x = y % 2; x < 100; x += 2) bitmap.at(x, y) = 0;
    const auto batches = RegionFromBitmap(bitmap, {-3, 7});
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].rects.size(), 2000u);
    EXPECT_EQ(batches[1].rects.size(), 2000u);
    EXPECT_EQ(batches[2].rects.size(), 500u);
    // Rows 0..39 fill the first batch, 40..79 the second, 80..89 the last.
    EXPECT_EQ(batches[0].bounds, (Rect{-3, 7, 97, 47}));
    EXPECT_EQ(batches[1].bounds, (Rect{-3, 47, 97, 87}));
    EXPECT_EQ(batches[2].bounds, (Rect{-3, 87, 97, 97}));
    EXPECT_EQ(batches[1].rects.front(), (Rect{-3, 47, -2, 48}));
    EXPECT_EQ(batches[2].rects.back(), (Rect{96, 96, 97, 97}));
}

}  // namespace
}  // namespace korvane
