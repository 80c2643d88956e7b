#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/header_control.h"
#include "framework/win/stdctrls.h"
#include "framework/win/tab_controls.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using TabsTest = FrameworkTest;

Point CentreOfTab(HWND strip, int index) {
    RECT r;
    SendMessageW(strip, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickAt(HWND window, Point p) {
    MoveMouseTo(window, p);
    LeftDown();
    LeftUp();
}

std::string TabText(HWND strip, int index) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(strip, TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    return narrow(text);
}

TEST_F(TabsTest, PageControlShowsThePageOfTheChosenTab) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 300);
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 300, 200);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : {"General", "Fonts", "Colours"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetCaption(caption);
        sheet->SetParent(pages);
        auto* button = new TButton(form);
        button->SetParent(sheet);
        button->SetBounds(10, 10, 75, 25);
        sheets.push_back(sheet);
    }
    int changes = 0;
    bool allow = true;
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->OnChanging = [&](TObject*, bool& allow_change) { allow_change = allow; };
    form->Show();
    Pump();
    HWND strip = pages->Handle();
    ASSERT_EQ(SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TabText(strip, 1), "Fonts");
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    // Pages fill the display area; only the active one shows.
    EXPECT_EQ(sheets[1]->BoundsRect(), pages->DisplayRect());
    EXPECT_TRUE(IsWindowVisible(sheets[0]->Handle()));
    EXPECT_FALSE(IsWindowVisible(sheets[2]->Handle()));

    ClickAt(strip, CentreOfTab(strip, 2));
    PumpUntil([&] { return changes == 1; });
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_TRUE(IsWindowVisible(sheets[2]->Handle()));
    EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));
    // The arrow keys move along the strip once it has the focus.
    pages->SetFocus();
    TypeKey(VK_LEFT);
    PumpUntil([&] { return changes == 2; });
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    // OnChanging can keep the page.
    allow = false;
    ClickAt(strip, CentreOfTab(strip, 0));
    Pump();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(SendMessageW(strip, TCM_GETCURSEL, 0, 0), 1);

    // A page's caption is its tab's text; a page that goes takes its tab along.
    sheets[2]->SetCaption("Colors");
    EXPECT_EQ(TabText(strip, 2), "Colors");
    delete sheets[1];
    EXPECT_EQ(SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(SendMessageW(strip, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(sheets[2]->Handle()));

    // Tabs on the left: the display area starts right of them.
    pages->SetTabPosition(tpLeft);
    EXPECT_TRUE(GetWindowLongPtrW(pages->Handle(), GWL_STYLE) & TCS_VERTICAL);
    EXPECT_GT(pages->DisplayRect().left, 10);
    EXPECT_EQ(sheets[2]->BoundsRect(), pages->DisplayRect());
    EXPECT_EQ(GetParent(sheets[2]->Handle()), pages->Handle());
}

TEST_F(TabsTest, TabControlFollowsItsTabsAndPutsThemOnTheChosenSide) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 300);
    auto* tabs = new TTabControl(form);
    tabs->SetParent(form);
    tabs->SetBounds(10, 10, 300, 200);
    tabs->Tabs().SetText("One\nTwo\nThree\n");
    form->Show();
    HWND strip = tabs->Handle();
    EXPECT_EQ(SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(tabs->TabIndex(), 0);
    tabs->SetTabIndex(2);
    EXPECT_EQ(SendMessageW(strip, TCM_GETCURSEL, 0, 0), 2);
    tabs->Tabs().Delete(2);
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(SendMessageW(strip, TCM_GETCURSEL, 0, 0), 1);

    Rect top = tabs->DisplayRect();
    tabs->SetTabPosition(tpBottom);
    EXPECT_TRUE(GetWindowLongPtrW(tabs->Handle(), GWL_STYLE) & TCS_BOTTOM);
    Rect bottom = tabs->DisplayRect();
    EXPECT_LT(bottom.top, top.top);
    EXPECT_LT(bottom.bottom, top.bottom);
    EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETCURSEL, 0, 0), 1);  // the new window keeps the choice
    tabs->SetTabPosition(tpRight);
    EXPECT_LT(tabs->DisplayRect().right, top.right);
}

TEST_F(TabsTest, HeaderSectionsAreClickedAndResizedWithinTheirLimits) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 400, 200);
    auto* header = new THeaderControl(form);
    header->SetParent(form);
    header->SetBounds(10, 10, 300, 20);
    for (const char* text : {"Name", "Size", "Type"}) {
        THeaderSection& section = header->Sections().Add();
        section.SetText(text);
        section.SetWidth(80);
    }
    header->Sections().Items(0).SetMinWidth(60);
    std::vector<std::string> log;
    header->OnSectionClick = [&](TObject*, THeaderSection& s) { log.push_back("click " + s.Text()); };
    header->OnSectionResize = [&](TObject*, THeaderSection& s) {
        log.push_back("resize " + s.Text() + " " + std::to_string(s.Width()));
    };
    form->Show();
    Pump();
    HWND window = header->Handle();
    ASSERT_EQ(SendMessageW(window, HDM_GETITEMCOUNT, 0, 0), 3);
    RECT second;
    SendMessageW(window, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(second.left, 80);
    EXPECT_EQ(header->Sections().Items(2).Left(), 160);

    ClickAt(window, {120, 10});
    PumpUntil([&] { return log.size() == 1; });
    // Dragging the first divider 20 pixels right, then 40 left of the minimum.
    auto drag = [&](int from, int to) {
        MoveMouseTo(window, {from, 10});
        LeftDown();
        Pump();
        MoveMouseTo(window, {to, 10});
        Pump();
        LeftUp();
    };
    drag(79, 99);
    PumpUntil([&] { return log.size() == 2; });
    drag(99, 20);
    PumpUntil([&] { return log.size() == 3; });
    EXPECT_EQ(log, (std::vector<std::string>{"click Size", "resize Name 100", "resize Name 60"}));
    EXPECT_EQ(header->Sections().Items(0).Width(), 60);
}

}  // namespace
}  // namespace korvane::testing
