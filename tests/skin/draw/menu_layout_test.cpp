#include "skin/draw/menu_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

TEST(MenuBarLayout, FirstEntryFollowsTheElementMargin) {
    EXPECT_EQ(MenuBarFirstX(true, 10, 40), 14);
    EXPECT_EQ(MenuBarFirstX(true, 10, 14), 14);
    EXPECT_EQ(MenuBarFirstX(true, 10, 13), 12);  // narrower than margin + 4
    EXPECT_EQ(MenuBarFirstX(true, 10, 10), 12);
    EXPECT_EQ(MenuBarFirstX(false, 10, 400), 6);
    EXPECT_EQ(MenuBarFirstX(false, 0, 0), 6);
}

TEST(MenuBarLayout, EntriesAreTextPlusTenWideWithoutGaps) {
    const Rect bar{4, 30, 304, 49};
    const std::vector<int> widths{22, 25, 0, 31};
    const std::vector<Rect> bounds = LayoutMenuBar(bar, 14, widths);
    ASSERT_EQ(bounds.size(), 4u);
    EXPECT_EQ(bounds[0], (Rect{18, 30, 50, 48}));
    EXPECT_EQ(bounds[1], (Rect{50, 30, 85, 48}));
    EXPECT_EQ(bounds[2], (Rect{85, 30, 95, 48}));  // an empty caption still takes its padding
    EXPECT_EQ(bounds[3], (Rect{95, 30, 136, 48}));
    EXPECT_TRUE(LayoutMenuBar(bar, 6, {}).empty());
}

TEST(MenuBarLayout, HitTestingSkipsEmptyCaptions) {
    const std::vector<Rect> bounds{{10, 0, 40, 18}, {40, 0, 60, 18}, {60, 0, 90, 18}};
    const bool captions[] = {true, false, true};
    EXPECT_EQ(MenuBarEntryAt(bounds, captions, {10, 0}), 0);
    EXPECT_EQ(MenuBarEntryAt(bounds, captions, {39, 17}), 0);
    EXPECT_EQ(MenuBarEntryAt(bounds, captions, {45, 5}), std::nullopt);
    EXPECT_EQ(MenuBarEntryAt(bounds, captions, {60, 5}), 2);
    EXPECT_EQ(MenuBarEntryAt(bounds, captions, {90, 5}), std::nullopt);
    EXPECT_EQ(MenuBarEntryAt(bounds, captions, {50, 18}), std::nullopt);
}

TEST(MenuItemMeasuring, WindowMenuItems) {
    EXPECT_EQ(MeasureWindowMenuItem(40, 19, true, false), (Size{66, 8}));
    EXPECT_EQ(MeasureWindowMenuItem(40, 19, true, true), (Size{66, 12}));
    EXPECT_EQ(MeasureWindowMenuItem(40, 19, false, false), (Size{66, 23}));
    EXPECT_EQ(MeasureWindowMenuItem(40, 19, false, true), (Size{66, 27}));
}

TEST(MenuItemMeasuring, FrameworkItems) {
    EXPECT_EQ(MeasureFrameworkMenuItem({50, 19}, false, false), (Size{78, 19}));
    EXPECT_EQ(MeasureFrameworkMenuItem({50, 19}, false, true), (Size{78, 23}));
    EXPECT_EQ(MeasureFrameworkMenuItem({50, 9}, true, true), (Size{78, 9}));
}

TEST(MenuSwitching, LeftAndRightWrapAroundTheBar) {
    const MenuSelection none{};
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Left, 0, 4, none), 3);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Left, 2, 4, none), 1);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Right, 3, 4, none), 0);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Right, 1, 4, none), 2);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Other, 1, 4, none), std::nullopt);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Right, 0, 0, none), std::nullopt);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Right, 0, 1, none), 0);
}

TEST(MenuSwitching, SubMenusKeepTheirKeys) {
    // Right on an item with a sub-menu opens the sub-menu.
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Right, 1, 4, {false, true, true}), std::nullopt);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Right, 1, 4, {false, true, false}), 2);
    // Left inside a sub-menu closes the sub-menu; in the top drop-down it moves.
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Left, 1, 4, {false, false, false}), std::nullopt);
    EXPECT_EQ(MenuSwitchTarget(MenuKey::Left, 1, 4, {false, true, true}), 0);
}

TEST(MenuOwnerDrawRules, TagModuloHundredAgainstDisableTag) {
    EXPECT_FALSE(PopupMenuSkinned(true, 199, 99));
    EXPECT_FALSE(PopupMenuSkinned(true, 99, 99));
    EXPECT_TRUE(PopupMenuSkinned(true, 198, 99));
    EXPECT_TRUE(PopupMenuSkinned(true, 0, 99));
    EXPECT_FALSE(PopupMenuSkinned(false, 0, 99));
}

TEST(PopupBackground, ItemSourceIsMovedByTheBorderAndClipped) {
    EXPECT_EQ(PopupBackgroundSource({0, 0, 194, 20}, {200, 100}), (Rect{3, 3, 197, 23}));
    EXPECT_EQ(PopupBackgroundSource({0, 90, 194, 110}, {200, 100}), (Rect{3, 93, 197, 100}));
    EXPECT_EQ(PopupBackgroundSource({0, 120, 194, 140}, {200, 100}), (Rect{3, 100, 197, 100}));
    EXPECT_EQ(PopupBackgroundSource({-10, -10, 5, 5}, {200, 100}), (Rect{0, 0, 8, 8}));
    EXPECT_TRUE(PopupBackgroundSource({0, 0, 10, 10}, {0, 0}).is_empty());
}

TEST(PopupBackground, SeparatorTakesTheBottomRowsOfTheStrip) {
    EXPECT_EQ(SeparatorRows(20, 8).top, 12);
    EXPECT_EQ(SeparatorRows(20, 8).height, 8);
    EXPECT_EQ(SeparatorRows(8, 8).top, 0);
    EXPECT_EQ(SeparatorRows(8, 8).height, 8);
    EXPECT_EQ(SeparatorRows(5, 8).top, 0);
    EXPECT_EQ(SeparatorRows(5, 8).height, 5);  // never below the image
}

}  // namespace
}  // namespace korvane
