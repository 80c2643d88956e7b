#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/error.h"
#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "framework/win/extctrls.h"
#include "framework/win/menus.h"
#include "input_support.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

Rect WindowRectIn(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return from_rect(r);
}

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, UINT(i), text, 128, MF_BYPOSITION);
        texts.push_back(narrow(text));
    }
    return texts;
}

class MdiTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        frame_ = app_->CreateForm<TForm>();
        frame_->SetFormStyle(fsMDIForm);
        frame_->SetBounds(50, 50, 600, 450);
        menu_ = new TMainMenu(frame_);
        window_ = new TMenuItem(frame_);
        window_->SetCaption("&Window");
        menu_->Items().Add(window_);
        auto* tile = new TMenuItem(frame_);
        tile->SetCaption("&Tile");
        window_->Add(tile);
        frame_->SetMenu(menu_);
        frame_->SetWindowMenu(window_);
        frame_->Show();
    }

    TForm* NewChild(const std::string& caption) {
        auto* child = NewForm<TForm>(app_.get());
        child->SetCaption(caption);
        child->SetBounds(10, 10, 200, 150);
        child->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        child->SetFormStyle(fsMDIChild);
        Pump();
        return child;
    }

    TForm* frame_;
    TMainMenu* menu_;
    TMenuItem* window_;
};

TEST_F(MdiTest, ChildrenLiveInTheClientAndTheWindowMenuListsThem) {
    HWND client = frame_->ClientHandle();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(ClassNameOf(client), L"MDIClient");
    EXPECT_EQ(GetParent(client), frame_->Handle());
    RECT area;
    GetClientRect(frame_->Handle(), &area);
    EXPECT_EQ(WindowRectIn(client, frame_->Handle()), from_rect(area));

    TForm* one = NewChild("One");
    TForm* two = NewChild("Two");
    EXPECT_EQ(GetParent(two->Handle()), client);
    EXPECT_TRUE(GetWindowLongPtrW(two->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(frame_->MDIChildCount(), 2);
    EXPECT_EQ(frame_->MDIChildren(0), one);
    EXPECT_EQ(frame_->ActiveMDIChild(), two);
    EXPECT_EQ(two->BoundsRect(), Rect::from_size(10, 10, 200, 150));  // in the client's coordinates

    // The system writes the list after the menu's own items; a change of the
    // items keeps it.
    EXPECT_EQ(MenuTexts(window_->Handle()), (std::vector<std::string>{"&Tile", "", "&1 One", "&2 Two"}));
    auto* cascade = new TMenuItem(frame_);
    cascade->SetCaption("&Cascade");
    window_->Add(cascade);
    EXPECT_EQ(MenuTexts(window_->Handle()),
              (std::vector<std::string>{"&Tile", "&Cascade", "", "&1 One", "&2 Two"}));

    // Choosing an entry of the list activates that child.
    SendMessageW(frame_->Handle(), WM_COMMAND, 0xFF00, 0);
    EXPECT_EQ(frame_->ActiveMDIChild(), one);
}

TEST_F(MdiTest, TileAndCascadeArrangeTheChildrenAlsoAfterOneWasMaximised) {
    std::array<TForm*, 3> children{NewChild("A"), NewChild("B"), NewChild("C")};
    HWND client = frame_->ClientHandle();
    SendMessageW(client, WM_MDIMAXIMIZE, WPARAM(children[2]->Handle()), 0);
    EXPECT_TRUE(IsZoomed(children[2]->Handle()));
    // A child made while another is maximised comes maximised, and active.
    TForm* fourth = NewChild("D");
    EXPECT_TRUE(IsZoomed(fourth->Handle()));
    EXPECT_EQ(frame_->ActiveMDIChild(), fourth);
    // Maximised, its client area is the client window's.
    RECT fourth_client, client_area;
    GetClientRect(fourth->Handle(), &fourth_client);
    GetClientRect(client, &client_area);
    EXPECT_EQ(from_rect(fourth_client), from_rect(client_area));
    fourth->Close();
    PumpUntil([&] { return frame_->MDIChildCount() == 3; });
    ASSERT_EQ(frame_->MDIChildCount(), 3);

    frame_->SetTileMode(tbHorizontal);
    frame_->Tile();
    RECT area;
    GetClientRect(client, &area);
    // Three rows of the client's width, each a third of its height (rounded down).
    std::vector<Rect> tiles;
    for (TForm* child : children) {
        EXPECT_FALSE(IsZoomed(child->Handle()));
        Rect r = WindowRectIn(child->Handle(), client);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.width(), area.right);
        EXPECT_EQ(r.height(), area.bottom / 3);
        tiles.push_back(r);
    }
    std::sort(tiles.begin(), tiles.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });
    EXPECT_EQ(tiles[0].top, 0);
    EXPECT_EQ(tiles[1].top, tiles[0].bottom);
    EXPECT_EQ(tiles[2].top, tiles[1].bottom);

    frame_->Cascade();
    std::vector<Rect> cascade;
    for (TForm* child : children) cascade.push_back(WindowRectIn(child->Handle(), client));
    std::sort(cascade.begin(), cascade.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });
    int step = cascade[1].left - cascade[0].left;
    EXPECT_GT(step, 0);
    EXPECT_EQ(cascade[1].top - cascade[0].top, step);
    EXPECT_EQ(cascade[2].left - cascade[1].left, step);
    EXPECT_EQ(cascade[2].top - cascade[1].top, step);
}

TEST_F(MdiTest, ChildrenCloseInEveryOrder) {
    std::array<int, 3> order{0, 1, 2};
    do {
        std::array<TForm*, 3> children{NewChild("A"), NewChild("B"), NewChild("C")};
        int open = 3;
        for (int index : order) {
            SendMessageW(children[std::size_t(index)]->Handle(), WM_CLOSE, 0, 0);
            --open;
            PumpUntil([&] { return frame_->MDIChildCount() == open; });
            ASSERT_EQ(frame_->MDIChildCount(), open);
            // The list in the window menu follows: the menu's item, a line, one entry per child.
            EXPECT_EQ(GetMenuItemCount(window_->Handle()), open ? 2 + open : 1);
            TCustomForm* active = frame_->ActiveMDIChild();
            if (open) {
                ASSERT_NE(active, nullptr);
                EXPECT_EQ(active->FormStyle(), fsMDIChild);
            } else {
                EXPECT_EQ(active, nullptr);
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(MdiTest, ControlHeaderKeepsItsBandAndCtrlF4ClosesTheActiveChild) {
    auto* band = new TPanel(frame_);
    band->SetParent(frame_);
    band->SetBounds(0, 0, 300, 30);
    frame_->SetBounds(50, 50, 610, 450);  // a resize arranges the client again
    Pump();
    RECT area;
    GetClientRect(frame_->Handle(), &area);
    EXPECT_EQ(WindowRectIn(frame_->ClientHandle(), frame_->Handle()), Rect(0, 30, area.right, area.bottom));

    NewChild("A");
    TForm* second = NewChild("B");
    bool second_gone = false;
    second->OnDestroy = [&](TObject*) { second_gone = true; };
    SetForegroundWindow(frame_->Handle());
    Pump();
    PressKeys({VK_CONTROL, VK_F4});
    PumpUntil([&] { return second_gone; });
    EXPECT_TRUE(second_gone);
    EXPECT_EQ(frame_->MDIChildCount(), 1);
}

TEST_F(MdiTest, AFrameThatIsNotTheMainFormHoldsTheChildrenItOwns) {
    auto* second_frame = app_->CreateForm<TForm>();
    second_frame->SetFormStyle(fsMDIForm);
    second_frame->Show();
    auto* owned = NewForm<TForm>(second_frame);
    owned->SetFormStyle(fsMDIChild);
    EXPECT_EQ(GetParent(owned->Handle()), second_frame->ClientHandle());
    EXPECT_EQ(second_frame->MDIChildCount(), 1);
    EXPECT_EQ(frame_->MDIChildCount(), 0);
    // Without a frame to live in, making the window fails with a message.
    TForm orphan(nullptr);
    second_frame->SetFormStyle(fsNormal);
    frame_->SetFormStyle(fsNormal);
    try {
        orphan.SetFormStyle(fsMDIChild);
        ADD_FAILURE() << "no failure";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Cannot create form. No MDI forms are currently active");
    }
}

TEST_F(MdiTest, FormStyleAndWindowMenuTravelInAStoredLayout) {
    menu_->SetName("MainMenu1");
    window_->SetName("Window1");
    frame_->SetName("Frame");
    frame_->SetTileMode(tbVertical);
    const std::string text = WriteLayout(*frame_);
    EXPECT_NE(text.find("  FormStyle = fsMDIForm\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  TileMode = tbVertical\n  WindowMenu = Window1\n"), std::string::npos) << text;
    TForm copy(nullptr);
    ReadLayout(text, copy);
    EXPECT_EQ(copy.FormStyle(), fsMDIForm);
    EXPECT_EQ(copy.TileMode(), tbVertical);
    EXPECT_EQ(copy.WindowMenu(), copy.FindComponent("Window1"));
}

}  // namespace
}  // namespace korvane::testing
