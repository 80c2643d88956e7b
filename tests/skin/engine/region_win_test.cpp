#include <gtest/gtest.h>

#include <vector>

#include "skin/engine/region_win.h"
#include "skin/draw/pictures.h"

namespace korvane {
namespace {

using testing::image_of;

// The rectangles the system keeps for a region, as GetRegionData reports them.
std::vector<Rect> rects_of(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<RECT> block(size / sizeof(RECT) + 1);
    auto* data = reinterpret_cast<RGNDATA*>(block.data());
    EXPECT_EQ(GetRegionData(region, size, data), size);
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::vector<Rect> out;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
        out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
    return out;
}

TEST(CreateRegion, OneOpaquePixelAtAnOffset) {
    const UniqueGdi<HRGN> region = CreateRegion(RegionFromBitmap(image_of({"M.M", "MMM"}), {10, 5}));
    ASSERT_TRUE(region);
    EXPECT_EQ(rects_of(region.get()), (std::vector<Rect>{{11, 5, 12, 6}}));
    EXPECT_TRUE(PtInRegion(region.get(), 11, 5));
    EXPECT_FALSE(PtInRegion(region.get(), 10, 5));
}

TEST(CreateRegion, AllKeyGivesAnEmptyRegion) {
    const UniqueGdi<HRGN> region = CreateRegion(RegionFromBitmap(image_of({"MM", "MM"}), {0, 0}));
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
    EXPECT_TRUE(rects_of(region.get()).empty());
}

TEST(CreateRegion, ThreeBatchesJoinIntoOneRegionWithEveryRectangle) {
    // A checkerboard cannot be merged into fewer rectangles: 4500 runs.
    Image bitmap(100, 90, kKeyRgb);
    for (int y = 0; y < 90; ++y)
        for (int x = y % 2; x < 100; x += 2) bitmap.at(x, y) = 0;
    const auto batches = RegionFromBitmap(bitmap, {-3, 7});
    ASSERT_EQ(batches.size(), 3u);
    std::vector<Rect> expected;
    for (const RegionBatch& batch : batches)
        expected.insert(expected.end(), batch.rects.begin(), batch.rects.end());

    const UniqueGdi<HRGN> region = CreateRegion(batches);
    EXPECT_EQ(rects_of(region.get()), expected);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), COMPLEXREGION);
    EXPECT_EQ((Rect{box.left, box.top, box.right, box.bottom}), (Rect{-3, 7, 97, 97}));
}

TEST(UniqueGdiRegion, MovingHandsOverTheHandleAndReleaseGivesItUp) {
    UniqueGdi<HRGN> first(CreateRectRgn(0, 0, 4, 4));
    const HRGN handle = first.get();
    UniqueGdi<HRGN> second = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), handle);
    const HRGN released = second.release();
    EXPECT_FALSE(second);
    EXPECT_EQ(GetObjectType(released), DWORD(OBJ_REGION));
    DeleteObject(released);
}

}  // namespace
}  // namespace korvane
