#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/edits.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/up_down.h"
#include "user_input.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using ScrollTest = FrameworkTest;

void ClickAt(HWND window, Point p) {
    MoveMouseTo(window, p);
    LeftDown();
    LeftUp();
}

TEST_F(ScrollTest, ScrollBarStepsByItsChangesAndStopsAtTheLastPage) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* bar = new TScrollBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 200, 17);
    bar->SetMax(50);
    bar->SetPageSize(10);
    bar->SetSmallChange(2);
    bar->SetLargeChange(10);
    std::vector<int> changes;
    std::vector<TScrollCode> codes;
    bar->OnChange = [&](TObject*) { changes.push_back(bar->Position()); };
    bar->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
    form->Show();
    Pump();
    HWND window = bar->Handle();

    ClickAt(window, {200 - 5, 8});  // the right arrow
    PumpUntil([&] { return changes.size() == 1; });
    ClickAt(window, {150, 8});  // the track right of the thumb
    PumpUntil([&] { return changes.size() == 2; });
    EXPECT_EQ(changes, (std::vector<int>{2, 12}));
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[0], scLineDown);

    // End: the last page starts at Max - PageSize + 1.
    ASSERT_TRUE(bar->Focused());
    TypeKey(VK_END);
    PumpUntil([&] { return changes.size() == 3; });
    EXPECT_EQ(bar->Position(), 41);
    EXPECT_EQ(GetScrollPos(window, SB_CTL), 41);
    TypeKey(VK_LEFT);
    PumpUntil([&] { return changes.size() == 4; });
    EXPECT_EQ(bar->Position(), 39);

    // OnScroll may change where a step lands: here to a multiple of 10.
    bar->OnScroll = [](TObject*, TScrollCode, int& position) { position = position / 10 * 10; };
    TypeKey(VK_RIGHT);
    PumpUntil([&] { return changes.size() == 5; });
    EXPECT_EQ(bar->Position(), 40);
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetKind(sbVertical);
    EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & SBS_VERT);
    EXPECT_EQ(bar->Height(), 200);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar->Handle(), SB_CTL, &info);
    EXPECT_EQ(info.nMax, 50);
    EXPECT_EQ(info.nPage, 10u);
}

TEST_F(ScrollTest, UpDownStepsItsEditByArrowsAndKeysAndReadsWhatIsTyped) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 80, 21);
    auto* spin = new TUpDown(form);
    spin->SetParent(form);
    spin->SetMax(10);
    spin->SetWrap(true);
    spin->SetAssociate(edit);
    std::vector<std::string> log;
    spin->OnClick = [&](TObject*, TUDBtnType button) {
        log.push_back((button == btNext ? "next " : "prev ") + std::to_string(spin->Position()));
    };
    form->Show();
    Pump();
    HWND window = spin->Handle();
    EXPECT_EQ(SendMessageW(window, UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(edit->Handle()));
    // It sits against the edit's right side.
    RECT e, s;
    GetWindowRect(edit->Handle(), &e);
    GetWindowRect(window, &s);
    EXPECT_EQ(s.left, e.right);
    EXPECT_EQ(edit->Text(), "0");

    RECT client;
    GetClientRect(window, &client);
    ClickAt(window, {client.right / 2, 3});  // the upper arrow
    PumpUntil([&] { return log.size() == 1; });
    EXPECT_EQ(edit->Text(), "1");
    ASSERT_TRUE(edit->Focused());
    TypeKey(VK_UP);
    PumpUntil([&] { return log.size() == 2; });
    // A number typed in the edit is where the next step starts.
    edit->SetText("10");
    TypeKey(VK_UP);  // wraps round
    PumpUntil([&] { return log.size() == 3; });
    ClickAt(window, {client.right / 2, client.bottom - 3});  // the lower arrow
    PumpUntil([&] { return log.size() == 4; });
    EXPECT_EQ(log, (std::vector<std::string>{"next 1", "next 2", "next 0", "prev 10"}));
    EXPECT_EQ(edit->Text(), "10");

    // OnChanging refuses a step.
    spin->OnChanging = [](TObject*, bool& allow) { allow = false; };
    TypeKey(VK_DOWN);
    Pump();
    EXPECT_EQ(spin->Position(), 10);
    EXPECT_EQ(log.size(), 4u);
    spin->SetPosition(50);
    EXPECT_EQ(spin->Position(), 10);
    delete edit;  // the associate goes: the up-down forgets it
    EXPECT_EQ(spin->Associate(), nullptr);
}

TEST_F(ScrollTest, AnUpDownWithoutAnAssociateReportsThePositionItsArrowsStepTo) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    auto* spin = new TUpDown(form);
    spin->SetParent(form);
    spin->SetBounds(10, 10, 20, 40);
    spin->SetMax(1000);
    spin->SetPosition(500);
    std::vector<std::string> log;
    spin->OnClick = [&](TObject*, TUDBtnType button) {
        log.push_back((button == btNext ? "next " : "prev ") + std::to_string(spin->Position()));
    };
    form->Show();
    Pump();
    RECT client;
    GetClientRect(spin->Handle(), &client);
    ClickAt(spin->Handle(), {client.right / 2, client.bottom - 3});  // the lower arrow
    PumpUntil([&] { return log.size() == 1; });
    ClickAt(spin->Handle(), {client.right / 2, client.bottom - 3});
    PumpUntil([&] { return log.size() == 2; });
    EXPECT_EQ(log, (std::vector<std::string>{"prev 499", "prev 498"}));
    EXPECT_EQ(spin->Position(), 498);
}

}  // namespace
}  // namespace korvane::testing
