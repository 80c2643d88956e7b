#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "framework/win/dtpicker.h"
#include "framework/win/graphics.h"
#include "framework/win/imglist.h"
#include "framework/win/tabset.h"
#include "framework/win/toolbar.h"
#include "input_support.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

COLORREF ScreenPixel(Point p) {
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

class BarsTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        form_ = app_->CreateForm<TForm>();
        form_->SetName("BarsForm");
        form_->SetBounds(100, 100, 400, 300);
    }

    template <class C>
    C* Make(const std::string& name) {
        auto* c = new C(form_);
        c->SetName(name);
        c->SetParent(form_);
        return c;
    }

    TToolButton* AddButton(TToolBar* bar, const std::string& name, TToolButtonStyle style, int image = -1) {
        auto* b = new TToolButton(form_);
        b->SetName(name);
        b->SetStyle(style);
        b->SetImageIndex(image);
        b->OnClick = [this, b](TObject*) { clicks_.push_back(b->Name()); };
        bar->AddButton(b);
        return b;
    }

    Point ButtonCentre(TToolBar* bar, int index) {
        RECT r;
        SendMessageW(bar->Handle(), TB_GETITEMRECT, WPARAM(index), LPARAM(&r));
        return bar->ClientToScreen(CentreOf(r));
    }

    TForm* form_;
    std::vector<std::string> clicks_;
};

TEST_F(BarsTest, AToolBarLiesAlongTheTopAndItsButtonsClickCheckAndGroup) {
    auto* images = new TImageList(form_);
    // Blue with a magenta (transparent) top-left quarter.
    Image picture(16, 16, pixel_rgb(0, 0, 255));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) picture.at(x, y) = pixel_rgb(255, 0, 255);
    images->Add(picture);
    auto* bar = Make<TToolBar>("ToolBar1");
    bar->SetImages(images);
    AddButton(bar, "Open", tbsButton, 0);
    AddButton(bar, "Line", tbsSeparator);
    TToolButton* bold = AddButton(bar, "Bold", tbsCheck);
    TToolButton* left = AddButton(bar, "Left", tbsCheck);
    TToolButton* right = AddButton(bar, "Right", tbsCheck);
    for (TToolButton* b : {left, right}) b->SetGrouped(true);
    left->SetDown(true);
    TToolButton* off = AddButton(bar, "Off", tbsButton);
    off->SetEnabled(false);
    form_->Show();
    Pump();

    EXPECT_EQ(ClassNameOf(bar->Handle()), L"TToolBar");
    EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 6);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_EQ(bar->Width(), form_->ClientWidth());
    // The image in the middle of the button, the button's face through its transparent pixels.
    Point centre = ButtonCentre(bar, 0);
    EXPECT_EQ(ScreenPixel(centre), RGB(0, 0, 255));
    COLORREF face = ScreenPixel({centre.x - 9, centre.y - 6});  // left of the image
    EXPECT_NE(face, RGB(255, 0, 255));
    EXPECT_EQ(ScreenPixel({centre.x - 6, centre.y - 6}), face);

    ClickAt(ButtonCentre(bar, 0));
    ClickAt(ButtonCentre(bar, 2));
    ClickAt(ButtonCentre(bar, 4));
    ClickAt(ButtonCentre(bar, 5));  // disabled: nothing
    PumpUntil([&] { return clicks_.size() >= 3; });
    Pump();
    EXPECT_EQ(clicks_, (std::vector<std::string>{"Open", "Bold", "Right"}));
    EXPECT_TRUE(bold->Down());
    EXPECT_TRUE(right->Down());
    EXPECT_FALSE(left->Down());  // its group lets it out
    EXPECT_FALSE(SendMessageW(bar->Handle(), TB_ISBUTTONCHECKED, WPARAM(left->Command()), 0));

    // Flat makes the window again, with the flat style.
    HWND before = bar->Handle();
    bar->SetFlat(true);
    EXPECT_NE(bar->Handle(), before);
    EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & TBSTYLE_FLAT);
    EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 6);
}

TEST_F(BarsTest, ATabSetSelectsTheClickedTabAndScrollsWhenTabsDoNotFit) {
    auto* tabs = Make<TTabSet>("TabSet1");
    tabs->SetBounds(10, 100, 300, 21);
    for (const char* t : {"One", "Two", "Three"}) tabs->Tabs().Add(t);
    tabs->SetTabIndex(0);
    int changes = 0;
    tabs->OnChange = [&](TObject*) { ++changes; };
    form_->Show();
    Pump();
    EXPECT_EQ(ClassNameOf(tabs->Handle()), L"TTabSet");
    EXPECT_FALSE(tabs->Scroller().Visible());

    std::vector<TabPlace> places = tabs->TabPlaces();
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].left, 5);
    ClickAt(tabs->ClientToScreen({(places[1].left + places[1].right) / 2, 10}));
    PumpUntil([&] { return changes == 1; });
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(changes, 1);
    Pump();
    // The selected tab in its colour down to its bottom line, the others in theirs.
    EXPECT_EQ(ScreenPixel(tabs->ClientToScreen({places[1].left + 2, 18})), ColorToRGB(clBtnFace));
    EXPECT_EQ(ScreenPixel(tabs->ClientToScreen({places[0].left + 3, 3})), ColorToRGB(clWindow));
    EXPECT_EQ(ScreenPixel(tabs->ClientToScreen({places[2].right + 5, 10})), ColorToRGB(tabs->GetColor()));

    // Too narrow for all three: the scroller shows and its right arrow moves the row on.
    tabs->SetWidth(places[1].right + 10);
    Pump();
    ASSERT_EQ(tabs->Components(0), &tabs->Scroller());
    ASSERT_TRUE(tabs->Scroller().Visible());
    EXPECT_TRUE(IsWindowVisible(tabs->Scroller().Handle()));
    RECT arrows;
    GetWindowRect(tabs->Scroller().Handle(), &arrows);
    ClickAt({arrows.right - 3, (arrows.top + arrows.bottom) / 2});
    PumpUntil([&] { return tabs->FirstIndex() == 1; });
    EXPECT_EQ(tabs->FirstIndex(), 1);
    EXPECT_EQ(tabs->TabPlaces().front().index, 1);
}

TEST_F(BarsTest, ADateTimePickerShowsItsValueAndFollowsTheUser) {
    auto* date = Make<TDateTimePicker>("Date1");
    date->SetBounds(10, 60, 180, 24);
    date->SetDate(45000);  // 15 March 2023
    auto* time = Make<TDateTimePicker>("Time1");
    time->SetBounds(200, 60, 120, 24);
    time->SetKind(dtkTime);
    time->SetTime(((13 * 60 + 45) * 60 + 30) * 1000);
    int changes = 0;
    date->OnChange = [&](TObject*) { ++changes; };
    form_->Show();
    Pump();

    EXPECT_EQ(ClassNameOf(date->Handle()), L"TDateTimePicker");
    EXPECT_FALSE(GetWindowLongPtrW(date->Handle(), GWL_STYLE) & DTS_UPDOWN);
    EXPECT_TRUE(GetWindowLongPtrW(time->Handle(), GWL_STYLE) & DTS_UPDOWN);
    SYSTEMTIME st{};
    ASSERT_EQ(SendMessageW(date->Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&st)), GDT_VALID);
    EXPECT_EQ(st.wYear, 2023);
    EXPECT_EQ(st.wMonth, 3);
    EXPECT_EQ(st.wDay, 15);
    ASSERT_EQ(SendMessageW(time->Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&st)), GDT_VALID);
    EXPECT_EQ(st.wHour, 13);
    EXPECT_EQ(st.wMinute, 45);
    EXPECT_EQ(st.wSecond, 30);

    // The user picks the first field and steps it up: the value follows what it shows.
    ClickAt(date->ClientToScreen({6, date->ClientHeight() / 2}));
    Pump();
    PressKeys({VK_UP});
    PumpUntil([&] { return date->Date() != 45000; });
    EXPECT_GE(changes, 1);
    ASSERT_EQ(SendMessageW(date->Handle(), DTM_GETSYSTEMTIME, 0, LPARAM(&st)), GDT_VALID);
    EXPECT_NE(date->Date(), 45000);
    EXPECT_EQ(date->Date(), DayNumber({st.wYear, st.wMonth, st.wDay}));
}

TEST_F(BarsTest, ToolBarsTabSetsAndPickersTravelInAStoredLayout) {
    auto* bar = Make<TToolBar>("ToolBar1");
    bar->SetFlat(true);
    AddButton(bar, "Open", tbsButton, 0)->SetCaption("Open");
    AddButton(bar, "Bold", tbsCheck)->SetDown(true);
    auto* tabs = Make<TTabSet>("TabSet1");
    tabs->Tabs().Add("One");
    tabs->Tabs().Add("Two");
    tabs->SetTabIndex(1);
    auto* picker = Make<TDateTimePicker>("Date1");
    picker->SetDate(45000);
    picker->SetTime(1000);
    picker->SetKind(dtkTime);

    const std::string text = WriteLayout(*form_);
    EXPECT_NE(text.find("  object ToolBar1: TToolBar\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    object Bold: TToolButton\n      Down = True\n      Style = tbsCheck\n    end\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("    Tabs = 'One'#13#10'Two'#13#10\n    TabIndex = 1\n"), std::string::npos) << text;
    TForm copy(nullptr);
    ReadLayout(text, copy);
    EXPECT_EQ(WriteLayout(copy), text);
    auto* copied_bar = dynamic_cast<TToolBar*>(copy.FindComponent("ToolBar1"));
    ASSERT_NE(copied_bar, nullptr);
    EXPECT_TRUE(copied_bar->Flat());
    ASSERT_EQ(copied_bar->ButtonCount(), 2);
    EXPECT_EQ(copied_bar->Buttons(0)->Caption(), "Open");
    auto* copied_tabs = dynamic_cast<TTabSet*>(copy.FindComponent("TabSet1"));
    ASSERT_NE(copied_tabs, nullptr);
    EXPECT_EQ(copied_tabs->Tabs().Count(), 2);
    EXPECT_EQ(copied_tabs->TabIndex(), 1);
    auto* copied_picker = dynamic_cast<TDateTimePicker*>(copy.FindComponent("Date1"));
    ASSERT_NE(copied_picker, nullptr);
    EXPECT_EQ(copied_picker->Date(), 45000);
    EXPECT_EQ(copied_picker->Time(), 1000);
    EXPECT_EQ(copied_picker->Kind(), dtkTime);
}

}  // namespace
}  // namespace korvane::testing
