#include "app/hot_label_colors.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kGreen = rgb(0, 128, 0);

TEST(HotLabelColors, DefaultsAreBlueHotAndRedClick) {
    HotLabelColors colors(kGreen);
    EXPECT_EQ(colors.hot, 0xFF0000u);
    EXPECT_EQ(colors.click, 0x0000FFu);
    EXPECT_EQ(colors.normal(), kGreen);
    EXPECT_FALSE(colors.inside());
    EXPECT_FALSE(colors.pressed());
}

TEST(HotLabelColors, EnterAndLeaveSwitchToHotAndBack) {
    HotLabelColors blue(kBlue);
    EXPECT_EQ(blue.enter(kBlue), kBlue);
    EXPECT_EQ(blue.leave(), kBlue);

    HotLabelColors red_hot(kBlue);
    red_hot.hot = kRed;
    EXPECT_EQ(red_hot.enter(kBlue), kRed);
    EXPECT_TRUE(red_hot.inside());
    EXPECT_EQ(red_hot.leave(), kBlue);
    EXPECT_FALSE(red_hot.inside());
}

TEST(HotLabelColors, PressThenDragOffKeepsClickUntilRelease) {
    HotLabelColors colors(kGreen);
    EXPECT_EQ(colors.enter(kGreen), kBlue);
    EXPECT_EQ(colors.press(kBlue), kRed);
    EXPECT_EQ(colors.leave(), kRed);
    EXPECT_TRUE(colors.pressed());
    EXPECT_EQ(colors.release(), kGreen);
    EXPECT_FALSE(colors.pressed());
}

TEST(HotLabelColors, PressAndReleaseInsideReturnToHot) {
    HotLabelColors colors(kGreen);
    colors.enter(kGreen);
    EXPECT_EQ(colors.press(kBlue), kRed);
    EXPECT_EQ(colors.release(), kBlue);
    EXPECT_EQ(colors.normal(), kGreen);
    EXPECT_EQ(colors.leave(), kGreen);
}

TEST(HotLabelColors, ColourSetWhileOutsideBecomesNormalAtNextEntry) {
    HotLabelColors colors(kGreen);
    colors.enter(kGreen);
    colors.leave();
    const Color program_set = rgb(10, 20, 30);
    EXPECT_EQ(colors.enter(program_set), kBlue);
    EXPECT_EQ(colors.leave(), program_set);
}

TEST(HotLabelColors, PressFromOutsideTakesTheFontColourAsNormal) {
    HotLabelColors colors(kGreen);
    const Color program_set = rgb(1, 2, 3);
    EXPECT_EQ(colors.press(program_set), kRed);
    EXPECT_EQ(colors.release(), program_set);
}

TEST(HotLabelColors, EntryWhilePressedKeepsTheNormalColour) {
    HotLabelColors colors(kGreen);
    colors.enter(kGreen);
    colors.press(kBlue);
    colors.leave();
    EXPECT_EQ(colors.enter(kRed), kBlue);
    EXPECT_EQ(colors.normal(), kGreen);
    EXPECT_EQ(colors.release(), kBlue);
    EXPECT_EQ(colors.leave(), kGreen);
}

}  // namespace
}  // namespace korvane
