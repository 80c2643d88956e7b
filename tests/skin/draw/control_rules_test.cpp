#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "skin/draw/control_rules.h"

namespace korvane {
namespace {

TEST(ControlStateIndex, DisabledWinsThenPressedThenHotOrFocused) {
    EXPECT_EQ(control_state_index(true, false, false), csNormal);
    EXPECT_EQ(control_state_index(true, false, true), csHot);
    EXPECT_EQ(control_state_index(true, true, true), csPressed);
    EXPECT_EQ(control_state_index(false, true, true), csDisabled);
    // A down speed button is pressed even when hot or disabled.
    EXPECT_EQ(speed_button_state_index(true, false, true, true), csPressed);
    EXPECT_EQ(speed_button_state_index(false, false, false, true), csPressed);
    EXPECT_EQ(speed_button_state_index(false, false, true, false), csDisabled);
    EXPECT_EQ(speed_button_state_index(true, false, true, false), csHot);
}

TEST(SpeedButtonGlyph, DisabledShowsImageTwoPressedThreeWhenTheStripHasThem) {
    EXPECT_EQ(speed_button_glyph_index(csNormal, 4), 1);
    EXPECT_EQ(speed_button_glyph_index(csHot, 4), 1);
    EXPECT_EQ(speed_button_glyph_index(csDisabled, 2), 2);
    EXPECT_EQ(speed_button_glyph_index(csPressed, 3), 3);
    EXPECT_EQ(speed_button_glyph_index(csPressed, 2), 1);
    EXPECT_EQ(speed_button_glyph_index(csDisabled, 1), 1);
}

TEST(SpeedButtonMargin, CentredGroupSitsOnePixelFurtherThanOnABitButton) {
    // 100 wide, glyph 16, spacing 4, text 30: a bit button's margin is 25.
    EXPECT_EQ(speed_button_margin(100, 16, 30, true, -1, 4), 26);
    EXPECT_EQ(speed_button_margin(101, 16, 30, true, -1, 4), 26);
    // Without text the spacing counts as 0.
    EXPECT_EQ(speed_button_margin(100, 16, 0, false, -1, 4), 43);
    // Other margins are kept for the shared layout.
    EXPECT_EQ(speed_button_margin(100, 16, 30, true, -1, -1), -1);
    EXPECT_EQ(speed_button_margin(100, 16, 30, true, 5, 4), 5);
}

TEST(CheckAndRadioFrames, FollowStateCheckedPropertyAndDisabling) {
    EXPECT_EQ(check_box_frame(false, false, false, false), 1);
    EXPECT_EQ(check_box_frame(true, false, false, false), 2);
    EXPECT_EQ(check_box_frame(false, true, false, false), 4);
    EXPECT_EQ(check_box_frame(false, false, true, false), 2);
    EXPECT_EQ(check_box_frame(false, true, true, false), 2);
    EXPECT_EQ(check_box_frame(true, false, false, true), 3);
    EXPECT_EQ(check_box_frame(false, true, false, true), 3);
    EXPECT_EQ(radio_button_frame(false, false), 1);
    EXPECT_EQ(radio_button_frame(true, false), 2);
    EXPECT_EQ(radio_button_frame(false, true), 3);
    EXPECT_EQ(radio_button_frame(true, true), 4);
}

TEST(CheckBoxRect, NarrowImagesAreCentredInAFourteenPixelCell) {
    const Rect control{10, 20, 110, 40};
    EXPECT_EQ(check_box_rect(control, {13, 13}, false), (Rect{10, 23, 23, 36}));
    EXPECT_EQ(check_box_rect(control, {16, 16}, false), (Rect{10, 22, 26, 38}));
    EXPECT_EQ(check_box_rect(control, {10, 10}, false), (Rect{12, 25, 22, 35}));
    // Text on the left: a 16-pixel image ends one pixel before the right edge.
    EXPECT_EQ(check_box_rect(control, {16, 16}, true), (Rect{93, 22, 109, 38}));
    EXPECT_EQ(check_box_rect(control, {10, 10}, true), (Rect{98, 25, 108, 35}));
    EXPECT_EQ(check_box_rect(control, {13, 13}, true), (Rect{97, 23, 110, 36}));
}

TEST(StripCellWidth, ACountOfZeroOrBelowNeverDivides) {
    EXPECT_EQ(strip_cell_width(52, 4), 13);
    EXPECT_EQ(strip_cell_width(53, 4), 13);
    EXPECT_EQ(strip_cell_width(52, 0), 0);
    EXPECT_EQ(strip_cell_width(52, -3), 0);
}

TEST(ProgressFill, ProportionalFromTheMinimumAndNeverOverflowing) {
    EXPECT_EQ(progress_fill_width(200, 0, 100, 50), 100);
    EXPECT_EQ(progress_fill_width(200, 0, 100, 0), 0);
    EXPECT_EQ(progress_fill_width(200, 0, 0, 50), 0);
    EXPECT_EQ(progress_fill_width(200, 0, 100, 100), 200);
    EXPECT_EQ(progress_fill_width(200, 0, 100, 150), 200);
    EXPECT_EQ(progress_fill_width(200, 0, 100, -5), 0);
    EXPECT_EQ(progress_fill_width(200, 0, 3, 1), 66);
    // From the minimum, not from zero.
    EXPECT_EQ(progress_fill_width(200, 50, 150, 100), 100);
    EXPECT_EQ(progress_fill_width(200, 50, 150, 50), 0);
    EXPECT_EQ(progress_fill_width(200, 100, 50, 75), 0);
    // Products beyond 32 bits.
    constexpr std::int32_t big = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(progress_fill_width(1920, 0, big, big / 2), 959);
    EXPECT_EQ(progress_fill_width(1920, std::numeric_limits<std::int32_t>::min(), big, 0), 960);
}

TEST(ProgressChunks, OneMoreThanFitWholeAndNoneWithoutAChunkWidth) {
    EXPECT_EQ(progress_chunk_count(100, 10), 11);
    EXPECT_EQ(progress_chunk_count(105, 10), 11);
    EXPECT_EQ(progress_chunk_count(100, 0), 0);
    EXPECT_EQ(progress_chunk_count(0, 10), 0);
}

TEST(TrackBarCustomDraw, OnlyTheThumbIsTakenOver) {
    const auto pre = track_bar_custom_draw(1, 0);
    EXPECT_EQ(pre.result, 0x20u);
    EXPECT_FALSE(pre.draw_thumb);
    const auto thumb = track_bar_custom_draw(0x10001, 2);
    EXPECT_EQ(thumb.result, 4u);
    EXPECT_TRUE(thumb.draw_thumb);
    for (std::uintptr_t item : {1u, 3u, 7u}) {
        const auto other = track_bar_custom_draw(0x10001, item);
        EXPECT_EQ(other.result, 0u);
        EXPECT_FALSE(other.draw_thumb);
    }
    EXPECT_EQ(track_bar_custom_draw(2, 2).result, 0u);
    EXPECT_FALSE(track_bar_custom_draw(0x10002, 2).draw_thumb);
}

TEST(StatusBar, GripCornerAndPanelFrames) {
    EXPECT_EQ(size_grip_rect({0, 0, 300, 20}, {13, 13}), (Rect{286, 6, 299, 19}));
    EXPECT_EQ(status_panel_frame(PanelBevel::Lowered), 1);
    EXPECT_EQ(status_panel_frame(PanelBevel::Raised), 2);
    EXPECT_EQ(status_panel_frame(PanelBevel::None), 3);
}

TEST(CaptionRect, CentredOnePixelHighAndAcrossByTheFormat) {
    EXPECT_EQ(caption_rect({10, 10, 110, 40}, {40, 14}, kCaptionCenter), (Rect{40, 17, 80, 31}));
    EXPECT_EQ(caption_rect({10, 10, 110, 40}, {40, 14}, kCaptionLeft), (Rect{10, 17, 50, 31}));
    // Right-aligned text ends at the rectangle's right edge.
    EXPECT_EQ(caption_rect({10, 10, 110, 40}, {40, 14}, kCaptionRight), (Rect{70, 17, 110, 31}));
    // Text larger than the rectangle: the divisions truncate toward zero.
    EXPECT_EQ(caption_rect({0, 0, 10, 10}, {15, 15}, kCaptionCenter), (Rect{-2, -3, 13, 12}));
}

TEST(TagRule, RemainderKeepsTheSignOfTheTag) {
    EXPECT_TRUE(tag_disables_skin(99, 99));
    EXPECT_TRUE(tag_disables_skin(199, 99));
    EXPECT_FALSE(tag_disables_skin(-99, 99));
    EXPECT_TRUE(tag_disables_skin(-99, -99));
    EXPECT_FALSE(tag_disables_skin(98, 99));
    EXPECT_TRUE(tag_disables_skin(5, 5));
}

TEST(PlainChildSkin, ButtonTypesAndTheOtherClassesInTheirOrder) {
    using enum PlainChildSkin;
    const PlainChildSkin expected[16] = {Button,      Button, CheckBox, CheckBox, RadioButton, CheckBox,
                                         CheckBox,    None,   Button,   RadioButton, Button, None,
                                         None,        None,   None,     None};
    for (std::uint32_t type = 0; type < 16; ++type)
        EXPECT_EQ(plain_child_skin("button", 0x50000000 | type, false), expected[type]) << type;
    EXPECT_EQ(plain_child_skin("combobox", 2, false), ComboBox);
    EXPECT_EQ(plain_child_skin("combobox", 1, false), None);
    EXPECT_EQ(plain_child_skin("comboboxex32", 0, true), ComboBoxChild);
    EXPECT_EQ(plain_child_skin("comboboxex32", 0, false), None);
    EXPECT_EQ(plain_child_skin("scrollbar", 0x08, false), Sizer);       // SBS_SIZEBOX
    EXPECT_EQ(plain_child_skin("scrollbar", 0x10 | 0x04, false), Sizer);  // SBS_SIZEGRIP, bottom right
    EXPECT_EQ(plain_child_skin("scrollbar", 0, false), None);            // a horizontal bar
    EXPECT_EQ(plain_child_skin("scrollbar", 0x01, false), None);         // a vertical bar
    EXPECT_EQ(plain_child_skin("systabcontrol32", 0, false), Tab);
    EXPECT_EQ(plain_child_skin("systabcontrol32", 0x2000, false), None);
    EXPECT_EQ(plain_child_skin("edit", 0, false), Edit);
    EXPECT_EQ(plain_child_skin("static", 0, false), None);
}

}  // namespace
}  // namespace korvane
