#include <gtest/gtest.h>

#include <algorithm>

#include "skin/draw/tab_strip.h"
#include "skin/draw/transform.h"

namespace korvane {
namespace {

TEST(TabOrientation, FromTheStyleBits) {
    EXPECT_EQ(tab_orientation(0x0), TabOrientation::Top);
    EXPECT_EQ(tab_orientation(0x2), TabOrientation::Bottom);
    EXPECT_EQ(tab_orientation(0x80), TabOrientation::Left);
    EXPECT_EQ(tab_orientation(0x82), TabOrientation::Right);
    EXPECT_EQ(tab_orientation(0x50000000 | 0x82), TabOrientation::Right);
}

TEST(TabStrip, AreaBesideTheDisplayFrame) {
    // TCM_ADJUSTRECT gave (6, 26, 194, 144): grown by 4, one pixel nearer the tabs.
    EXPECT_EQ(tab_display_frame({6, 26, 194, 144}), (Rect{3, 23, 197, 147}));
    const Rect control{0, 0, 200, 150};
    const Rect d{30, 20, 170, 130};
    EXPECT_EQ(tab_strip_area(TabOrientation::Top, control, d), (Rect{0, 0, 200, 20}));
    EXPECT_EQ(tab_strip_area(TabOrientation::Bottom, control, d), (Rect{0, 130, 200, 150}));
    EXPECT_EQ(tab_strip_area(TabOrientation::Left, control, d), (Rect{0, 0, 30, 150}));
    EXPECT_EQ(tab_strip_area(TabOrientation::Right, control, d), (Rect{170, 0, 200, 150}));
    EXPECT_EQ(tab_strip_size(TabOrientation::Top, {0, 0, 200, 20}), (Size{200, 20}));
    EXPECT_EQ(tab_strip_size(TabOrientation::Left, {0, 0, 30, 150}), (Size{150, 30}));
}

// Composes the strip lying down with the tab marked, turns it as the
// control does and answers the marked rectangle in control coordinates.
Rect LandedTab(TabOrientation o, const Rect& tab) {
    const Rect control{0, 0, 200, 150};
    const Rect d{30, 20, 170, 130};
    const Rect area = tab_strip_area(o, control, d);
    const Size size = tab_strip_size(o, area);
    Image strip(size.width, size.height, 0);
    const Rect r = tab_in_strip(o, tab, control, d, size.width).intersected({0, 0, size.width, size.height});
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) strip.at(x, y) = 1;
    if (o == TabOrientation::Left) RotateLeft(strip);
    if (o == TabOrientation::Right) RotateRight(strip);
    Rect marked{1 << 20, 1 << 20, -1, -1};
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (strip.at(x, y) == 1) {
                marked.left = std::min(marked.left, x + area.left);
                marked.top = std::min(marked.top, y + area.top);
                marked.right = std::max(marked.right, x + area.left + 1);
                marked.bottom = std::max(marked.bottom, y + area.top + 1);
            }
    return marked;
}

TEST(TabStrip, TabsLandOnTheirTabsAfterTheTurn) {
    // Top and bottom tabs sit one pixel nearer the display area.
    EXPECT_EQ(LandedTab(TabOrientation::Top, {2, 2, 60, 19}), (Rect{2, 3, 60, 20}));
    EXPECT_EQ(LandedTab(TabOrientation::Bottom, {2, 131, 60, 148}), (Rect{2, 130, 60, 147}));
    // Left tabs turn counter-clockwise back onto themselves.
    EXPECT_EQ(LandedTab(TabOrientation::Left, {2, 2, 29, 50}), (Rect{2, 2, 29, 50}));
    EXPECT_EQ(LandedTab(TabOrientation::Left, {2, 60, 29, 100}), (Rect{2, 60, 29, 100}));
    // Right tabs turn clockwise and sit one pixel higher.
    EXPECT_EQ(LandedTab(TabOrientation::Right, {171, 2, 198, 50}), (Rect{171, 1, 198, 49}));
    EXPECT_EQ(LandedTab(TabOrientation::Right, {171, 60, 198, 100}), (Rect{171, 59, 198, 99}));
}

TEST(ImageText, IconCentredByItsHeightTextAfterIt) {
    const Rect item{10, 20, 110, 44};  // 100 x 24
    // Left: icon 16 x 12, text 40 x 13.
    auto left = image_text_place(item, {16, 12}, {40, 13}, 0);
    EXPECT_EQ(left.icon, (Point{12, 26}));  // (24 - 12) / 2, not by the width
    EXPECT_EQ(left.text, (Rect{29, 25, 69, 38}));
    auto centred = image_text_place(item, {16, 12}, {40, 13}, 1);
    EXPECT_EQ(centred.icon, (Point{32, 26}));
    EXPECT_EQ(centred.text.left, 49);
    auto right = image_text_place(item, {0, 0}, {40, 13}, 2);
    EXPECT_EQ(right.text, (Rect{69, 25, 109, 38}));
}

}  // namespace
}  // namespace korvane
