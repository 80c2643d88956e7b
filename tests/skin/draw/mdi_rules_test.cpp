#include "skin/draw/mdi_rules.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(MdiRules, OnlyAFrameWhoseActiveChildIsMaximisedShowsTheChildButtons) {
    EXPECT_TRUE(ShowsMaximisedChildButtons({true, true, true}));
    EXPECT_FALSE(ShowsMaximisedChildButtons({true, true, false}));   // the active child is normal
    EXPECT_FALSE(ShowsMaximisedChildButtons({true, false, true}));   // no child is active
    EXPECT_FALSE(ShowsMaximisedChildButtons({false, true, true}));   // not an MDI frame
}

TEST(MdiRules, ChildButtonActionsSendMinimiseRestoreAndCloseToTheActiveChild) {
    EXPECT_EQ(MdiChildCommand(7), 0xF020);
    EXPECT_EQ(MdiChildCommand(60), 0xF020);
    EXPECT_EQ(MdiChildCommand(8), 0xF120);
    EXPECT_EQ(MdiChildCommand(61), 0xF120);
    EXPECT_EQ(MdiChildCommand(9), 0xF060);
    EXPECT_EQ(MdiChildCommand(62), 0xF060);
    for (int other : {0, 1, 2, 3, 6, 10, 59, 63, 100, -1}) EXPECT_EQ(MdiChildCommand(other), 0) << other;
}

TEST(MdiRules, WhileAChildIsMaximisedNoChildWearsTheSkinnedFrame) {
    for (MdiChildState s : {MdiChildState::Normal, MdiChildState::Maximised, MdiChildState::Minimised})
        EXPECT_EQ(ChildFrameForMark(true, s), MdiChildFrame::Unframed);
}

TEST(MdiRules, WhenTheMarkGoesNormalChildrenAreFramedAgainAndOthersKeepTheirState) {
    EXPECT_EQ(ChildFrameForMark(false, MdiChildState::Normal), MdiChildFrame::Skinned);
    EXPECT_EQ(ChildFrameForMark(false, MdiChildState::Minimised), MdiChildFrame::Minimised);
    // A child still maximised (shown maximised as the previous one was
    // restored) is not given a region built for a normal frame.
    EXPECT_EQ(ChildFrameForMark(false, MdiChildState::Maximised), MdiChildFrame::Unframed);
}

TEST(MdiRules, ABarButtonLandsInTheBarsPictureAtItsOffsetFromTheBar) {
    // Window width 400, frame 8/29: the minimise button of a 16-wide strip
    // cell laid out 48 from the right edge of the bar row.
    const Rect bar{8, 29, 392, 48};
    EXPECT_EQ(BarButtonRect({336, 31, 352, 45}, bar), (Rect{328, 2, 344, 16}));
    EXPECT_EQ(BarButtonRect(bar, bar), (Rect{0, 0, 384, 19}));
}

}  // namespace
}  // namespace korvane
