#include "app/hot_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/class_registry.h"
#include "framework/core/colors.h"
#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "framework/win/window_test_support.h"

namespace korvane {
namespace {

constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kGreen = rgb(0, 128, 0);

class HotLabelTest : public testing::FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        RegisterComponentClass<THotLabel>();
        label_ = new THotLabel(nullptr);
        label_->SetAutoSize(false);
        label_->SetCaption("www.korvane.com.cn");
        label_->SetBounds(0, 0, 80, 16);
        label_->Font().SetColor(kGreen);
    }
    void TearDown() override {
        delete label_;
        FrameworkTest::TearDown();
    }

    void enter() { label_->Perform(CM_MOUSEENTER); }
    void leave() { label_->Perform(CM_MOUSELEAVE); }
    void press(UINT msg = WM_LBUTTONDOWN) { label_->Perform(msg, MK_LBUTTON, MAKELPARAM(4, 4)); }
    void release(UINT msg = WM_LBUTTONUP) { label_->Perform(msg, 0, MAKELPARAM(4, 4)); }
    Color color() const { return label_->Font().GetColor(); }

    THotLabel* label_ = nullptr;
};

TEST_F(HotLabelTest, IsMadeUnderlinedWithAHandCursorAndLinkColours) {
    THotLabel fresh(nullptr);
    EXPECT_TRUE(fresh.Font().Style().contains(fsUnderline));
    EXPECT_EQ(fresh.Cursor(), crHandPoint);
    EXPECT_EQ(fresh.HotColor(), 0xFF0000u);
    EXPECT_EQ(fresh.ClickColor(), 0x0000FFu);
}

TEST_F(HotLabelTest, HoverPressAndReleaseFollowTheColourStates) {
    std::vector<Color> at_click;
    label_->OnClick = [&](TObject*) { at_click.push_back(color()); };

    enter();
    EXPECT_EQ(color(), kBlue);
    press();
    EXPECT_EQ(color(), kRed);
    release();
    EXPECT_EQ(at_click, std::vector<Color>{kRed}) << "the click comes before the colour returns";
    EXPECT_EQ(color(), kBlue);
    leave();
    EXPECT_EQ(color(), kGreen);
}

TEST_F(HotLabelTest, ButtonHeldWhileLeavingKeepsClickColourUntilRelease) {
    enter();
    press(WM_RBUTTONDOWN);
    leave();
    EXPECT_EQ(color(), kRed);
    release(WM_RBUTTONUP);
    EXPECT_EQ(color(), kGreen);
}

TEST_F(HotLabelTest, ColourSetByProgramWhileOutsideIsReturnedTo) {
    enter();
    leave();
    label_->Font().SetColor(rgb(1, 2, 3));
    enter();
    EXPECT_EQ(color(), kBlue);
    leave();
    EXPECT_EQ(color(), rgb(1, 2, 3));
}

TEST_F(HotLabelTest, StoredFontStyleDecidesTheUnderline) {
    auto read = [](const std::string& style) {
        return CreateFromLayout("object L: THotLabel\n  Font.Style = " + style + "\nend\n");
    };
    auto kept = read("[fsBold, fsUnderline]");
    EXPECT_TRUE(static_cast<THotLabel&>(*kept).Font().Style().contains(fsUnderline));
    auto removed = read("[fsBold]");
    EXPECT_FALSE(static_cast<THotLabel&>(*removed).Font().Style().contains(fsUnderline));
}

TEST_F(HotLabelTest, BothLinkColoursAreAlwaysStoredAfterTheLabelProperties) {
    THotLabel fresh(nullptr);
    fresh.SetName("Link");
    fresh.SetCaption("site");
    std::string layout = WriteLayout(fresh);
    std::size_t hot = layout.find("HotColor = clBlue"), click = layout.find("ClickColor = clRed");
    ASSERT_NE(hot, std::string::npos) << layout;
    ASSERT_NE(click, std::string::npos) << layout;
    EXPECT_LT(hot, click);
    EXPECT_LT(layout.find("Caption"), hot) << layout;

    auto copy = CreateFromLayout("object L: THotLabel\n  HotColor = clLime\n  ClickColor = $00123456\nend\n");
    EXPECT_EQ(static_cast<THotLabel&>(*copy).HotColor(), rgb(0, 255, 0));
    EXPECT_EQ(static_cast<THotLabel&>(*copy).ClickColor(), 0x00123456u);
}

}  // namespace
}  // namespace korvane
