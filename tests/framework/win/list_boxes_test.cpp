#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/win/list_boxes.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using ListBoxesTest = FrameworkTest;

TEST_F(ListBoxesTest, ListBoxSelectsByMouseAndKeysAndFollowsItsItems) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 250);
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 120);
    list->Items().SetText("Apple\nBanana\nCherry\nDate\n");
    std::vector<int> clicks;
    int double_clicks = 0;
    list->OnClick = [&](TObject*) { clicks.push_back(list->ItemIndex()); };
    list->OnDblClick = [&](TObject*) { ++double_clicks; };
    form->Show();
    Pump();
    HWND window = list->Handle();
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(list->ItemIndex(), -1);

    const int line = list->ItemHeight();
    MoveMouseTo(window, {20, line + line / 2});
    LeftDown();
    LeftUp();
    PumpUntil([&] { return clicks.size() == 1; });
    TypeKey(VK_DOWN);
    PumpUntil([&] { return clicks.size() == 2; });
    EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
    // Double click on the first line: selection, then the double click.
    MoveMouseTo(window, {20, line / 2});
    LeftDown();
    LeftUp();
    LeftDown();
    LeftUp();
    PumpUntil([&] { return double_clicks == 1; });
    EXPECT_EQ(double_clicks, 1);
    EXPECT_EQ(list->ItemIndex(), 0);

    // New lines keep the selected index; the program's selection shows.
    list->Items().Add("Elder");
    EXPECT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(list->ItemIndex(), 0);
    list->SetItemIndex(4);
    EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), 4);
    list->SetItemIndex(9);
    EXPECT_EQ(list->ItemIndex(), -1);

    list->SetMultiSelect(true);
    list->SetSelected(1, true);
    list->SetSelected(3, true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(3));
    EXPECT_FALSE(list->Selected(2));
}

TEST_F(ListBoxesTest, ComboBoxTextFollowsTypingAndChoosing) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 250);
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    combo->Items().SetText("One\nTwo\nThree\n");
    std::vector<std::string> log;
    combo->OnChange = [&](TObject*) { log.push_back("change " + combo->Text()); };
    combo->OnSelect = [&](TObject*) { log.push_back("select " + std::to_string(combo->ItemIndex())); };
    combo->OnDropDown = [&](TObject*) { log.push_back("drop"); };
    combo->OnCloseUp = [&](TObject*) { log.push_back("close"); };
    form->Show();
    Pump();
    ASSERT_TRUE(combo->Focused() || GetParent(GetFocus()) == combo->Handle());
    // The window is the box and room for the list; the control is the box.
    RECT box;
    GetWindowRect(combo->Handle(), &box);
    EXPECT_EQ(box.bottom - box.top, combo->Height());
    RECT dropped;
    SendMessageW(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GE(dropped.bottom - dropped.top, 3 * SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));

    TypeKey('T');
    PumpUntil([&] { return !log.empty(); });
    EXPECT_EQ(combo->Text(), "t");
    EXPECT_EQ(combo->ItemIndex(), -1);

    // F4 opens the list at the first line the text begins ("Two"), Down
    // moves on in it, Return chooses.
    TypeKey(VK_F4);
    PumpUntil([&] { return combo->DroppedDown(); });
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    PumpUntil([&] { return !combo->DroppedDown() && log.back() == "close"; });
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "Three");
    EXPECT_EQ(log.front(), "change t");
    EXPECT_EQ(log[1], "drop");
    EXPECT_NE(std::find(log.begin(), log.end(), "select 2"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "change Three"), log.end());

    // A drop-down list shows the chosen line; text set by the program chooses it.
    combo->SetStyle(csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(TextOf(combo->Handle()), "Three");
    combo->SetText("One");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCURSEL, 0, 0), 0);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Two");
    // In a drop-down box the program's text shows whether a line has it or not.
    combo->SetStyle(csDropDown);
    combo->SetText("Three");
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->SetText("Four");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(TextOf(combo->Handle()), "Four");
}

}  // namespace
}  // namespace korvane::testing
