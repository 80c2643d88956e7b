// The committed default skin, read back through the skin model the engine
// uses: every element present, frame counts and margins that fit the art,
// and the values the application's stored skin has always carried.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/file_io.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader.h"

namespace korvane {
namespace {

std::vector<std::uint8_t> CommittedPackage() {
    const std::string bytes = read_file(KORVANE_DEFAULT_SKIN);
    return {bytes.begin(), bytes.end()};
}

class DefaultSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto model = LoadSkinPackage(CommittedPackage());
        ASSERT_TRUE(model.has_value());
        skin_ = new SkinModel(std::move(*model));
    }
    static void TearDownTestSuite() { delete skin_; }
    static const SkinModel& skin() { return *skin_; }

private:
    static SkinModel* skin_;
};
SkinModel* DefaultSkin::skin_ = nullptr;

TEST(DefaultSkinPackage, HoldsTheDefinitionAndTheThirtyFourBitmapsInOrder) {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(CommittedPackage()));
    const std::vector<std::string> expected = {
        "skin.ini",         "frametop.bmp",      "framebottom.bmp",     "frameleft.bmp",
        "frameright.bmp",   "menu.bmp",          "dialog.bmp",          "buttons.bmp",
        "checkbox.bmp",     "radio.bmp",         "progress.bmp",        "groupboxedge.bmp",
        "tabborder.bmp",    "buttons-tabs.bmp",  "status.bmp",          "combo.bmp",
        "sunkedge.bmp",     "combo-arrows.bmp",  "header.bmp",          "menutool.bmp",
        "menuborder.bmp",   "arrows.bmp",        "hscroll_back.bmp",    "vscroll_back.bmp",
        "hscroll_bar.bmp",  "vscroll_bar.bmp",   "button-mdi.bmp",      "groupboxlabel.bmp",
        "toolbarbg.bmp",    "buttons-toolbar.bmp", "buttons-menu.bmp",  "closebutton.bmp",
        "maxbutton.bmp",    "minbutton.bmp",     "restrorebutton.bmp",
    };
    EXPECT_EQ(reader.names(), expected);
    std::vector<std::uint8_t> definition;
    std::string found;
    reader.FindMember(".ini", definition, found);
    EXPECT_EQ(found, "skin.ini");
}

TEST_F(DefaultSkin, EveryElementIsPresentWithTheFrameCountsTheEngineImposes) {
    const SkinModel& s = skin();
    EXPECT_FALSE(s.Empty);
    EXPECT_EQ(s.SkinName, "Korvane Indigo");
    struct Expected {
        const TDataSkinObject* element;
        int frames;
    };
    const Expected elements[] = {
        {s.Progress.get(), 2},        {s.MenuBar.get(), 2},         {s.GroupBoxEdge.get(), 2},
        {s.Toolbars.get(), 5},        {s.Tabs.get(), 5},            {s.StatusBarEdges.get(), 3},
        {s.ComboButton.get(), 4},     {s.SunkEdge.get(), 4},        {s.ExtraImages.get(), 5},
        {s.Headerbar.get(), 5},       {s.MenuItem.get(), 5},        {s.MenuBackground.get(), 1},
        {s.Scrollbar.get(), 23},      {s.HorzScroll.get(), 4},      {s.VertScroll.get(), 4},
        {s.HorzScrollThumb.get(), 3}, {s.VertScrollThumb.get(), 3}, {s.UpDownHorz.get(), 8},
        {s.UpDownVert.get(), 8},      {&s.Buttons, 5},              {&s.BorderTop, 2},
        {&s.BorderBottom, 2},         {&s.BorderLeft, 2},           {&s.BorderRight, 2},
    };
    for (const Expected& e : elements) {
        ASSERT_NE(e.element, nullptr);
        SCOPED_TRACE(e.element->Name);
        EXPECT_EQ(e.element->Frame, e.frames);
        EXPECT_FALSE(e.element->Bitmap.empty());
    }
    EXPECT_FALSE(s.Tabs->Bitmap2.empty());
    EXPECT_FALSE(s.Progress->Bitmap2.empty());
    EXPECT_FALSE(s.UpDownHorz->Bitmap2.empty());
    EXPECT_FALSE(s.UpDownVert->Bitmap2.empty());
    EXPECT_EQ(s.Buttons.CheckButtonFrame, 4);
    EXPECT_EQ(s.Buttons.RadioButtonFrame, 4);
}

// Remainder pixels are never drawn and margins wider than a frame are
// dropped, so art that does not divide into its frames shows up wrong.
TEST_F(DefaultSkin, FramesDivideTheirImagesAndMarginsFitInsideOneFrame) {
    const SkinModel& s = skin();
    struct Strip {
        const TDataSkinObject* element;
        bool stacked;
    };
    const Strip strips[] = {
        {&s.BorderTop, true},          {&s.BorderBottom, true},       {&s.BorderLeft, false},
        {&s.BorderRight, false},       {s.MenuBar.get(), true},       {&s.Buttons, false},
        {s.Progress.get(), false},     {s.GroupBoxEdge.get(), false}, {s.Toolbars.get(), false},
        {s.Tabs.get(), false},         {s.StatusBarEdges.get(), false}, {s.ComboButton.get(), false},
        {s.SunkEdge.get(), false},     {s.ExtraImages.get(), false},  {s.Headerbar.get(), false},
        {s.MenuItem.get(), false},     {s.MenuBackground.get(), false}, {s.Scrollbar.get(), false},
        {s.HorzScroll.get(), false},   {s.VertScroll.get(), false},   {s.HorzScrollThumb.get(), false},
        {s.VertScrollThumb.get(), false}, {s.UpDownHorz.get(), false}, {s.UpDownVert.get(), false},
    };
    for (const Strip& strip : strips) {
        const TDataSkinObject& e = *strip.element;
        SCOPED_TRACE(e.Name);
        const int along = strip.stacked ? e.Bitmap.height() : e.Bitmap.width();
        EXPECT_EQ(along % e.Frame, 0);
        const int frame_width = strip.stacked ? e.Bitmap.width() : e.Bitmap.width() / e.Frame;
        const int frame_height = strip.stacked ? e.Bitmap.height() / e.Frame : e.Bitmap.height();
        EXPECT_LT(e.LeftWidth + e.RightWidth, frame_width);
        // The side borders slice their height: title part, stretched middle, foot.
        EXPECT_LT(e.TopHeight + e.BottomHeight, frame_height);
    }
    EXPECT_EQ(s.Buttons.CheckButton.size(), (Size{52, 13}));
    EXPECT_EQ(s.Buttons.RadioButton.size(), (Size{52, 13}));
    for (const TDataSkinBorder* updown : {s.UpDownHorz.get(), s.UpDownVert.get()})
        EXPECT_EQ(updown->Bitmap2.width() % updown->Frame, 0);
    // Scroll bars are composed 16 pixels thick.
    EXPECT_EQ(s.Scrollbar->Bitmap.size(), (Size{23 * 16, 16}));
    EXPECT_EQ(s.HorzScrollThumb->Bitmap.height(), 16);
    EXPECT_EQ(s.VertScrollThumb->Bitmap.width() / s.VertScrollThumb->Frame, 16);
}

TEST_F(DefaultSkin, PersonalityHoldsTheStoredSkinsFrameValues) {
    const SkinModel& s = skin();
    for (const TDataSkinBorder* b : {&s.BorderTop, &s.BorderBottom}) {
        SCOPED_TRACE(b->Name);
        EXPECT_EQ(b->LeftWidth, 16);
        EXPECT_EQ(b->RightWidth, 119);
        EXPECT_EQ(b->TopHeight, 0);
        EXPECT_EQ(b->BottomHeight, 0);
    }
    for (const TDataSkinBorder* b : {&s.BorderLeft, &s.BorderRight}) {
        SCOPED_TRACE(b->Name);
        EXPECT_EQ(b->TopHeight, 29);
        EXPECT_EQ(b->BottomHeight, 5);
        EXPECT_EQ(b->LeftWidth, 0);
        EXPECT_EQ(b->RightWidth, 0);
    }
    for (const TDataSkinBorder* b : {&s.BorderTop, &s.BorderBottom, &s.BorderLeft, &s.BorderRight}) {
        EXPECT_EQ(b->Tile, 1) << b->Name;
        EXPECT_EQ(b->Trans, 1) << b->Name;
    }
    EXPECT_EQ(s.Title.LeftWidth, 16);
    EXPECT_EQ(s.Title.TopHeight, 2);
    EXPECT_EQ(s.Title.RightWidth, 20);
    EXPECT_EQ(s.Title.TextAlignment, 0);
    EXPECT_TRUE(s.Title.Bitmap.empty());
}

TEST_F(DefaultSkin, ButtonsAndColoursHoldTheStoredSkinsValues) {
    const SkinModel& s = skin();
    EXPECT_EQ(s.Buttons.TopHeight, 9);
    EXPECT_EQ(s.Buttons.BottomHeight, 6);
    EXPECT_EQ(s.Buttons.LeftWidth, 5);
    EXPECT_EQ(s.Buttons.RightWidth, 5);
    EXPECT_EQ(s.Buttons.Trans, 1);
    EXPECT_EQ(s.Buttons.Tile, 0);
    EXPECT_EQ(s.Buttons.NormalColour2, rgb(59, 97, 131));
    EXPECT_EQ(s.Buttons.PressedColour2, rgb(40, 74, 59));
    EXPECT_EQ(s.Buttons.MouseOverColour2, rgb(40, 74, 59));

    const SkinColours& c = s.Colours;
    EXPECT_EQ(c.ButtonFace, rgb(213, 222, 242));
    EXPECT_EQ(c.ButtonText, rgb(0, 0, 0));
    EXPECT_EQ(c.ButtonShadow, rgb(176, 185, 205));
    EXPECT_EQ(c.ButtonDkShadow, rgb(102, 111, 131));
    EXPECT_EQ(c.Hilight, rgb(96, 113, 191));
    EXPECT_EQ(c.HilightText, rgb(255, 255, 255));
    EXPECT_EQ(c.Menu, rgb(213, 222, 242));
    EXPECT_EQ(c.MenuText, rgb(0, 0, 0));
    EXPECT_EQ(c.Menubar, rgb(96, 113, 191));
    EXPECT_EQ(c.MenuBarText, rgb(255, 255, 255));
    EXPECT_EQ(c.TitleTextActive, rgb(255, 255, 255));
    EXPECT_EQ(c.TitleTextNoActive, rgb(197, 212, 236));
    EXPECT_EQ(c.Scrollbar, rgb(213, 222, 242));
    EXPECT_EQ(c.WindowText, rgb(0, 0, 0));
    // Keys the stored skin does not give keep their system defaults.
    EXPECT_EQ(c.ButtonHilight, clBtnHighlight);
    EXPECT_EQ(c.Buttonlight, clBtnHighlight);
    EXPECT_TRUE(s.ExtraColours.empty());
}

TEST_F(DefaultSkin, TitleBarButtonsAreTheStoredFiveThenTheThreeMdiButtons) {
    const auto& b = skin().SysButtons;
    ASSERT_EQ(b.size(), 8u);
    struct Expected {
        int action, align, x, y, visibility, visibility1;
        bool image;
    };
    const Expected expected[] = {
        {0, 1, 25, 5, 0, 0, true},         {1, 1, 49, 5, 2, 6, true},
        {2, 1, 73, 5, 8, 0, true},         {1, 1, 49, 5, 1, 0, true},
        {3, 0, 8, 7, 0, 0, false},         {7, 100, 60, 0, 100, 100, true},
        {8, 100, 40, 0, 100, 100, true},   {9, 100, 20, 0, 100, 100, true},
    };
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(b[i].Action, expected[i].action);
        EXPECT_EQ(b[i].Align, expected[i].align);
        EXPECT_EQ(b[i].Xcoord, expected[i].x);
        EXPECT_EQ(b[i].Ycoord, expected[i].y);
        EXPECT_EQ(b[i].Visibility, expected[i].visibility);
        EXPECT_EQ(b[i].Visibility1, expected[i].visibility1);
        EXPECT_EQ(!b[i].Bitmap.empty(), expected[i].image);
        if (expected[i].image) {
            EXPECT_EQ(b[i].Frame, 4);
        }
    }
}

TEST_F(DefaultSkin, TitleButtonsSitInsideTheTitleBarWithoutOverlapping) {
    const SkinModel& s = skin();
    const int title_height = s.BorderTop.Bitmap.height() / s.BorderTop.Frame;
    EXPECT_EQ(title_height, 29);
    const int window_width = 400;
    int previous_right = 0;
    // Minimise, maximise, close from left to right (right-aligned buttons).
    for (int i : {2, 1, 0}) {
        const TDataSkinSysButton& b = s.SysButtons[i];
        const Rect r = Rect::from_size(window_width - b.Xcoord, b.Ycoord,
                                       b.Bitmap.width() / b.Frame, b.Bitmap.height());
        SCOPED_TRACE(i);
        EXPECT_GE(r.left, previous_right + 2);
        EXPECT_LE(r.bottom, title_height - 4);
        EXPECT_LE(r.right, window_width - 3);
        previous_right = r.right;
    }
    // Restore takes the maximise button's place and size.
    EXPECT_EQ(s.SysButtons[3].Bitmap.size(), s.SysButtons[1].Bitmap.size());
    // The caption starts clear of the 16-pixel icon at x = 8.
    const int frame_left = s.BorderLeft.Bitmap.width() / s.BorderLeft.Frame;
    EXPECT_GE(frame_left + s.Title.LeftWidth, s.SysButtons[4].Xcoord + 16);
}

TEST_F(DefaultSkin, TopCornersAreCutOutInMagentaSoTheWindowIsShaped) {
    const SkinModel& s = skin();
    const Image& left = s.BorderLeft.Bitmap;
    const Image& right = s.BorderRight.Bitmap;
    const int w = left.width() / 2;
    for (int frame = 0; frame < 2; ++frame) {
        SCOPED_TRACE(frame);
        const int x0 = frame * w;
        EXPECT_TRUE(is_key(left.at(x0, 0)));
        EXPECT_TRUE(is_key(left.at(x0 + 4, 0)));
        EXPECT_FALSE(is_key(left.at(x0 + 5, 0)));
        EXPECT_TRUE(is_key(left.at(x0, 4)));
        EXPECT_FALSE(is_key(left.at(x0, 5)));
        EXPECT_TRUE(is_key(right.at(x0 + w - 1, 0)));
        EXPECT_FALSE(is_key(right.at(x0 + w - 6, 0)));
        // Below the corner and along the foot the border is solid.
        for (int y = 5; y < left.height(); ++y) {
            EXPECT_FALSE(is_key(left.at(x0, y)));
            EXPECT_FALSE(is_key(right.at(x0 + w - 1, y)));
        }
    }
    for (const TDataSkinBorder* b : {&s.BorderTop, &s.BorderBottom})
        for (int y = 0; y < b->Bitmap.height(); ++y)
            for (int x = 0; x < b->Bitmap.width(); ++x) ASSERT_FALSE(is_key(b->Bitmap.at(x, y)));
}

TEST_F(DefaultSkin, InactiveFramesDifferFromActiveOnes) {
    const SkinModel& s = skin();
    const Image& top = s.BorderTop.Bitmap;
    const int h = top.height() / 2;
    EXPECT_NE(top.at(40, h / 2), top.at(40, h + h / 2));
    const Image& close = s.SysButtons[0].Bitmap;
    const int w = close.width() / 4;
    EXPECT_NE(close.at(w / 2, 3), close.at(3 * w + w / 2, 3));
}

}  // namespace
}  // namespace korvane
