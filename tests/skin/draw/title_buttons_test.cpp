#include "skin/draw/title_buttons.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

constexpr std::uint8_t kAllBoxes = kMaximizeBox | kMinimizeBox | kSystemMenuBox;

TitleBarState state(std::uint8_t boxes, bool active = true, bool maximised = false) {
    TitleBarState s;
    s.box_flags = boxes;
    s.active = active;
    s.maximised = maximised;
    return s;
}

TEST(TitleButtonVisibility, FirstCodeTable) {
    const TitleBarState normal = state(kAllBoxes);
    const TitleBarState maxed = state(kAllBoxes, true, true);
    const TitleBarState inactive = state(kAllBoxes, false);
    const int action = 40;  // no box rule of its own
    EXPECT_TRUE(IsTitleButtonVisible(1, 0, action, maxed));
    EXPECT_FALSE(IsTitleButtonVisible(1, 0, action, normal));
    EXPECT_TRUE(IsTitleButtonVisible(2, 0, action, normal));
    EXPECT_FALSE(IsTitleButtonVisible(2, 0, action, maxed));
    EXPECT_TRUE(IsTitleButtonVisible(3, 0, action, normal));
    EXPECT_FALSE(IsTitleButtonVisible(3, 0, action, inactive));
    EXPECT_TRUE(IsTitleButtonVisible(4, 0, action, inactive));
    EXPECT_TRUE(IsTitleButtonVisible(6, 0, action, normal));
    EXPECT_FALSE(IsTitleButtonVisible(6, 0, action, state(kMaximizeBox)));  // no system menu
    EXPECT_TRUE(IsTitleButtonVisible(7, 0, action, state(kSystemMenuBox)));
    EXPECT_FALSE(IsTitleButtonVisible(7, 0, action, normal));
    EXPECT_TRUE(IsTitleButtonVisible(8, 0, action, state(kMinimizeBox | kSystemMenuBox)));
    EXPECT_FALSE(IsTitleButtonVisible(8, 0, action, state(kMinimizeBox)));
    EXPECT_TRUE(IsTitleButtonVisible(9, 0, action, state(kMaximizeBox)));
    for (int never : {5, 10, 11, 12, 199, 2001, -1}) EXPECT_FALSE(IsTitleButtonVisible(never, 0, action, normal)) << never;
    for (int always : {200, 1000, 2000}) EXPECT_TRUE(IsTitleButtonVisible(always, 0, action, inactive)) << always;
}

TEST(TitleButtonVisibility, CodeZeroHidesOnOtherFramesAndCloseWithoutSystemMenu) {
    TitleBarState tool = state(kAllBoxes);
    tool.frame_kind = kFrameOther;
    EXPECT_FALSE(IsTitleButtonVisible(0, 0, 40, tool));
    EXPECT_TRUE(IsTitleButtonVisible(0, 0, kActionClose, state(kSystemMenuBox)));
    EXPECT_FALSE(IsTitleButtonVisible(0, 0, kActionClose, state(kMaximizeBox | kMinimizeBox)));
    EXPECT_TRUE(IsTitleButtonVisible(0, 0, 3, state(0)));  // the icon needs no system menu
}

TEST(TitleButtonVisibility, SecondCodeIsAndedAndOneHundredRepeatsTheFirst) {
    const TitleBarState normal = state(kAllBoxes);
    EXPECT_TRUE(IsTitleButtonVisible(200, 0, 40, normal));
    EXPECT_FALSE(IsTitleButtonVisible(200, 5, 40, normal));
    EXPECT_FALSE(IsTitleButtonVisible(200, 1, 40, normal));
    EXPECT_TRUE(IsTitleButtonVisible(200, 2, 40, normal));
    EXPECT_FALSE(IsTitleButtonVisible(200, 4, 40, normal));
    EXPECT_TRUE(IsTitleButtonVisible(200, 6, 40, state(kMaximizeBox)));  // no system menu needed here
    EXPECT_TRUE(IsTitleButtonVisible(200, 9, 40, state(kMaximizeBox)));
    EXPECT_TRUE(IsTitleButtonVisible(200, 100, 40, normal));
    EXPECT_TRUE(IsTitleButtonVisible(200, 1500, 40, normal));
    TitleBarState mdi = normal;
    mdi.mdi_child_maximised = true;
    EXPECT_FALSE(IsTitleButtonVisible(100, 100, 40, mdi));  // no menu bar
    mdi.menu_bar_height = 19;
    EXPECT_TRUE(IsTitleButtonVisible(100, 100, 40, mdi));
}

TEST(TitleButtonVisibility, MaximiseAndMinimiseActionsNeedTheirBoxWhateverTheCodes) {
    const std::uint8_t no_max = kMinimizeBox | kSystemMenuBox;
    EXPECT_FALSE(IsTitleButtonVisible(200, 0, kActionMaximize, state(no_max)));
    EXPECT_TRUE(IsTitleButtonVisible(200, 0, kActionMaximize, state(kAllBoxes)));
    EXPECT_FALSE(IsTitleButtonVisible(200, 0, kActionMinimize, state(kMaximizeBox | kSystemMenuBox)));
    // The default skin's maximise button: Visibility 2, Visibility1 6.
    EXPECT_TRUE(IsTitleButtonVisible(2, 6, kActionMaximize, state(kAllBoxes)));
    EXPECT_FALSE(IsTitleButtonVisible(2, 6, kActionMaximize, state(kAllBoxes, true, true)));
}

TEST(TitleButtonLayout, EachAlignCode) {
    TitleBarGeometry g;
    g.window_width = 300;
    g.caption = {24, 9, 124, 22};
    g.frame_top = 29;
    g.frame_right = 8;
    g.menu_bar_height = 19;
    g.menu_bar_left = 2;
    const Size size{21, 19};
    EXPECT_EQ(PlaceTitleButton(0, 8, 7, size, g), (Rect{8, 7, 29, 26}));
    EXPECT_EQ(PlaceTitleButton(1, 25, 5, size, g), (Rect{275, 5, 296, 24}));
    EXPECT_EQ(PlaceTitleButton(2, 3, 5, size, g), (Rect{0, 5, 21, 24}));
    EXPECT_EQ(PlaceTitleButton(8, 3, 5, size, g), (Rect{0, 5, 21, 24}));
    EXPECT_EQ(PlaceTitleButton(3, 3, 5, size, g), (Rect{127, 5, 148, 24}));
    EXPECT_EQ(PlaceTitleButton(9, 3, 5, size, g), (Rect{127, 5, 148, 24}));
    // 300 - 60 - 8 - 2; (19 - 14) / 2 + 29.
    EXPECT_EQ(PlaceTitleButton(100, 60, 0, {16, 14}, g), (Rect{230, 31, 246, 45}));
    EXPECT_EQ(PlaceTitleButton(7, 60, 9, size, g), (Rect{0, 0, 21, 19}));
}

TEST(TitleButtonFrames, FullRepaintStateAndBorderFrames) {
    EXPECT_EQ(TitleButtonFrame(true, 4), 1);
    EXPECT_EQ(TitleButtonFrame(false, 4), 4);
    EXPECT_EQ(TitleButtonFrame(false, 3), 1);
    EXPECT_EQ(TitleButtonStateFrame(2, 0), 2);
    EXPECT_EQ(TitleButtonStateFrame(3, 0), 3);
    EXPECT_EQ(TitleButtonStateFrame(3, 100), 4);
    EXPECT_EQ(TitleButtonStateFrame(2, 100), 2);
    EXPECT_EQ(BorderFrame(true, 2), 1);
    EXPECT_EQ(BorderFrame(false, 2), 2);
    EXPECT_EQ(BorderFrame(false, 1), 1);
}

TEST(TitleButtonHitTest, FirstVisibleButtonWithAnActionInListOrder) {
    const std::vector<HitTarget> buttons = {
        {{0, 0, 10, 10}, false, 0},   // hidden
        {{0, 0, 10, 10}, true, -1},   // decoration
        {{5, 0, 15, 10}, true, 2},
        {{0, 0, 10, 10}, true, 1},
    };
    EXPECT_EQ(TitleButtonAt(buttons, {6, 5}), 2);
    EXPECT_EQ(TitleButtonAt(buttons, {2, 5}), 3);
    EXPECT_EQ(TitleButtonAt(buttons, {15, 5}), -1);  // right edges are outside
    EXPECT_EQ(TitleButtonAt({}, {0, 0}), -1);
}

}  // namespace
}  // namespace korvane
