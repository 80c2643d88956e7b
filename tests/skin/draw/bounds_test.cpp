#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "skin/draw/drawing.h"
#include "skin/draw/transform.h"

namespace korvane {
namespace {

constexpr Pixel kGuard = 0x00123456;

TEST(Bounds, MissingFramesAndEmptyOrInvertedRectsDrawNothing) {
    using Draw = std::function<void(MutableImageView, const Rect&, const Strip&, int)>;
    constexpr Margins margins{1, 1, 1, 1};
    const Draw routines[] = {
        [](auto target, auto& rect, auto& strip, int index) {
            DrawStripFrame(target, rect, strip, index, false);
        },
        [&](auto target, auto& rect, auto& strip, int index) {
            DrawNineSlice(target, rect, strip, index, margins, true, false);
        },
        [&](auto target, auto& rect, auto& strip, int index) {
            DrawNineSliceFrame(target, rect, strip, index, margins);
        },
        [&](auto target, auto& rect, auto& strip, int index) {
            DrawThreeSlice(target, rect, strip, index, margins, false);
        },
    };
    const Image strip(6, 6, 0x00ABCDEF);
    struct Case {
        Rect rect;
        Strip strip;
        int index;
    };
    const Case cases[] = {
        {{0, 0, 4, 4}, {strip, 0}, 1},           // frame count 0
        {{0, 0, 4, 4}, {strip, -1}, 1},          // negative frame count
        {{0, 0, 4, 4}, {strip, 2}, 3},           // index past the last frame
        {{0, 0, 4, 4}, {strip, 2}, 0},           // frames count from 1
        {{0, 0, 4, 4}, {strip, 7}, 1},           // frames narrower than a pixel
        {{3, 0, 1, 4}, {strip, 1}, 1},           // inverted horizontally
        {{0, 3, 4, 1}, {strip, 1}, 1},           // inverted vertically
        {{0, 2, 4, 2}, {strip, 1}, 1},           // no height
    };
    for (const Draw& draw : routines) {
        for (const Case& c : cases) {
            Image target(4, 4, kGuard);
            draw(target.mutable_view(), c.rect, c.strip, c.index);
            EXPECT_EQ(target, Image(4, 4, kGuard));
        }
    }
}

// Every routine, given any rectangles, margins, counts and indexes, writes
// only inside the view it was given. The views lie in larger images whose
// border is a guard colour; under the sanitizers a read or write past the
// images themselves stops the test.
TEST(Bounds, NoRoutineWritesOutsideItsTargetWhateverTheArguments) {
    std::mt19937 random(20261208);
    auto any = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto any_rect = [&] { return Rect{any(-30, 60), any(-30, 60), any(-30, 60), any(-30, 60)}; };
    auto any_margins = [&] {
        if (any(0, 9) == 0) return Margins{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX};
        return Margins{any(-5, 30), any(-5, 30), any(-5, 30), any(-5, 30)};
    };

    Image source_canvas(50, 50, 0);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            source_canvas.at(x, y) = any(0, 3) == 0 ? kKeyRgb : Pixel(x * y);
    for (int round = 0; round < 3000; ++round) {
        Image canvas(40, 40, kGuard);
        const Rect inside{8, 8, 8 + any(0, 24), 8 + any(0, 24)};
        const MutableImageView target = canvas.mutable_view().sub(inside);
        const ImageView strip_image = source_canvas.view().sub(
            Rect::from_size(any(0, 20), any(0, 20), any(0, 30), any(0, 30)));
        const Strip strip{strip_image, any(-1, 5), any(0, 1) == 1};
        const int index = any(-1, 6);
        const bool flag = any(0, 1) == 1;
        switch (round % 8) {
        case 0: DrawStripFrame(target, any_rect(), strip, index, flag); break;
        case 1: DrawTransparent(target, any_rect(), strip_image); break;
        case 2:
            DrawNineSlice(target, any_rect(), strip, index, any_margins(), flag, any(0, 1) == 1);
            break;
        case 3: DrawNineSliceFrame(target, any_rect(), strip, index, any_margins()); break;
        case 4: DrawThreeSlice(target, any_rect(), strip, index, any_margins(), flag); break;
        case 5: TileRect(target, any_rect(), strip_image, any_rect()); break;
        case 6: StretchBlit(target, any_rect(), strip_image, any_rect()); break;
        case 7: FlipVertical(target); break;
        }
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                if (inside.contains({x, y})) continue;
                ASSERT_EQ(canvas.at(x, y), kGuard) << "round " << round << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace korvane
