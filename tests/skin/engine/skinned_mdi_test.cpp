// MDI frames and children under the skin, with the manager and the engine's
// own form-skinning objects: children made in a skinned frame wear the skin,
// a maximised child gives its three buttons to the frame's menu bar (pressed
// with the real mouse), and children and frames go in any order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "framework/win/form.h"
#include "framework/win/input_support.h"
#include "framework/win/menus.h"
#include "framework/win/window_test_support.h"
#include "skin/engine/registration.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/skinned_window.h"

namespace korvane {
namespace {

class SkinnedMdi : public testing::FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        // The skin the expected pictures are made from, loaded before the
        // manager exists: it is not one of the manager's components.
        testing::DefaultSkin();
        RegisterSkinClasses();
        frame_ = app_->CreateForm<TForm>();
        frame_->SetCaption("Frame");
        frame_->SetFormStyle(fsMDIForm);
        frame_->SetBounds(40, 30, 560, 420);
        auto* menu = new TMainMenu(frame_);
        auto* file = new TMenuItem(frame_);
        file->SetCaption("&File");
        menu->Items().Add(file);
        auto* window = new TMenuItem(frame_);
        window->SetCaption("&Window");
        menu->Items().Add(window);
        auto* tile = new TMenuItem(frame_);
        tile->SetCaption("&Tile");
        window->Add(tile);
        frame_->SetMenu(menu);
        frame_->SetWindowMenu(window);
        host_ = new TForm(app_.get());
        data_ = new TSkinData(host_);
        data_->SetSkinFile(testing::kDefaultSkin);
        data_->SetActive(true);
        frame_->Show();
        SetForegroundWindow(frame_->Handle());
        PumpUntil([&] { return SkinManager->IsSkinnedWindow(frame_->Handle()); });
        Pump();
    }

    TForm* NewChild(const std::string& caption, int x, int y) {
        auto* child = new TForm(frame_);
        child->SetCaption(caption);
        child->SetBounds(x, y, 220, 150);
        child->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        child->SetFormStyle(fsMDIChild);
        Pump();
        return child;
    }
    TWinSkinForm* Skinned(HWND window) const { return SkinManager->SkinFormOf(window); }
    static bool HasRegion(HWND window) {
        UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(window, region.get()) != ERROR;
    }

    TForm* frame_ = nullptr;
    TForm* host_ = nullptr;
    TSkinData* data_ = nullptr;
};

// The centre of a non-client object of the window, on the screen.
Point OnScreen(HWND window, const Rect& bounds) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left + (bounds.left + bounds.right) / 2, r.top + (bounds.top + bounds.bottom) / 2};
}

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

// Frame `frame` of a title-bar button's strip at the button's size, the key
// colour where the strip is transparent (Differences skips those pixels).
Image ButtonPicture(const TWinSysButton& button, int frame) {
    const TDataSkinSysButton& r = *button.SkinButton;
    const Rect& b = button.BoundsRect;
    Image picture(b.width(), b.height(), pixel_rgb(255, 0, 255));
    DrawStripFrame(picture.mutable_view(), {0, 0, b.width(), b.height()}, {r.Bitmap.view(), r.Frame, false}, frame,
                   true);
    return picture;
}

// The three buttons of a maximised child, in the skin's order (minimise, restore, close).
std::vector<TWinSysButton*> ChildButtons(const TWinSkinForm& frame) {
    std::vector<TWinSysButton*> buttons;
    for (const auto& b : frame.TitleButtons)
        if (b->SkinButton->Visibility == 100) buttons.push_back(b.get());
    return buttons;
}

constexpr LONG kCaptionButtons = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// A child wears the skinned frame: its region follows the key pixels of the
// left border, its client area is its window minus the skinned frame, and
// what shows of its frame is the skin's pieces.
void ExpectSkinnedChild(HWND child, const TWinSkinForm& s, bool check_pixels) {
    EXPECT_EQ(s.MdiKind, TWinSkinForm::mkChild);
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(child, region.get()), ERROR);
    const Size size = testing::WindowSize(child);
    // The shape is the one of the frame (active or inactive) the child showed
    // when its region was last built.
    const TDataSkinBorder& record = testing::DefaultSkin().Skin().BorderLeft;
    const Image active = testing::BorderPiece(record, {s.FrameLeft, size.height}, false, true);
    const Image inactive = testing::BorderPiece(record, {s.FrameLeft, size.height}, false, false);
    int wrong = 0;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < s.FrameLeft; ++x) {
            const bool inside = PtInRegion(region.get(), x, y);
            wrong += inside == is_key(active.at(x, y)) && inside == is_key(inactive.at(x, y));
        }
    EXPECT_EQ(wrong, 0);
    RECT client{};
    GetClientRect(child, &client);
    EXPECT_EQ(client.right, size.width - s.FrameLeft - s.FrameRight);
    EXPECT_EQ(client.bottom, size.height - s.FrameTop - s.FrameBottom);
    EXPECT_EQ(GetWindowLongW(child, GWL_STYLE) & kCaptionButtons, 0);
    if (check_pixels) {
        EXPECT_EQ(testing::FrameDifferences(child, s, s.Active), 0);
    }
}

// A maximised child: no region, its caption buttons back, its client area
// the whole client window (its own frame lies outside it).
void ExpectUnframedChild(HWND child, HWND mdi_client) {
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(child, region.get()), ERROR);
    EXPECT_EQ(GetWindowLongW(child, GWL_STYLE) & kCaptionButtons, kCaptionButtons);
    RECT client{}, area{};
    GetClientRect(child, &client);
    GetClientRect(mdi_client, &area);
    EXPECT_EQ(client.right, area.right);
    EXPECT_EQ(client.bottom, area.bottom);
}

TEST_F(SkinnedMdi, ChildrenMadeInASkinnedFrameWearTheSkinFrameAndShape) {
    TWinSkinForm* frame = Skinned(frame_->Handle());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->MdiKind, TWinSkinForm::mkFrame);
    EXPECT_EQ(frame->MdiClient, frame_->ClientHandle());
    EXPECT_GT(frame->MenuBarHeight, 0);
    TForm* one = NewChild("One", 0, 0);
    TForm* two = NewChild("Two", 260, 0);
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 3);
    EXPECT_EQ(frame->ActiveMdiChild, two->Handle());
    for (TForm* child : {one, two}) {
        TWinSkinForm* s = Skinned(child->Handle());
        ASSERT_NE(s, nullptr) << child->Caption();
        ExpectSkinnedChild(child->Handle(), *s, true);
        EXPECT_EQ(s->Active, child == two);
    }
    EXPECT_EQ(testing::FrameDifferences(frame_->Handle(), *frame, true), 0);
    EXPECT_FALSE(SkinManager->MdiMaximized());
    // A frame without a maximised child shows none of the buttons of the bar row.
    for (const TWinSysButton* b : ChildButtons(*frame)) EXPECT_FALSE(b->Visible);

    // A refresh of the window menu skins the child last made again.
    ASSERT_TRUE(SkinManager->UnskinWindow(two->Handle()));
    EXPECT_EQ(Skinned(two->Handle()), nullptr);
    SendMessageW(frame_->ClientHandle(), WM_MDIREFRESHMENU, 0, 0);
    Pump();
    ASSERT_NE(Skinned(two->Handle()), nullptr);
    ExpectSkinnedChild(two->Handle(), *Skinned(two->Handle()), true);
}

TEST_F(SkinnedMdi, AMaximisedChildGivesItsThreeButtonsToTheBarWhichFollowTheMouse) {
    NewChild("One", 0, 0);
    TForm* two = NewChild("Two", 260, 0);
    TWinSkinForm* frame = Skinned(frame_->Handle());
    TWinSkinForm* child = Skinned(two->Handle());
    ASSERT_TRUE(frame && child);
    // The child's own maximise button, with the real mouse.
    const TWinSysButton* maximise = nullptr;
    for (const auto& b : child->TitleButtons)
        if (b->SkinButton->Action == kActionMaximize && b->Visible) maximise = b.get();
    ASSERT_NE(maximise, nullptr);
    testing::ClickAt(OnScreen(two->Handle(), maximise->BoundsRect));
    PumpUntil([&] { return SkinManager->MdiMaximized(); });
    ASSERT_TRUE(IsZoomed(two->Handle()));
    EXPECT_TRUE(SkinManager->MdiMaximized());
    ExpectUnframedChild(two->Handle(), frame_->ClientHandle());

    const std::vector<TWinSysButton*> buttons = ChildButtons(*frame);
    ASSERT_EQ(buttons.size(), 3u);
    Image shot = testing::Capture(frame_->Handle());
    for (const TWinSysButton* b : buttons) {
        EXPECT_TRUE(b->Visible);
        // In the bar row, at the right of the bar, never on the title strip.
        EXPECT_GE(b->BoundsRect.top, frame->FrameTop);
        EXPECT_LE(b->BoundsRect.bottom, frame->FrameTop + frame->MenuBarHeight);
        EXPECT_EQ(testing::Differences(shot, b->BoundsRect.top_left(), ButtonPicture(*b, 1)), 0);
    }
    EXPECT_LT(buttons[0]->BoundsRect.right, buttons[1]->BoundsRect.left);
    EXPECT_LT(buttons[1]->BoundsRect.right, buttons[2]->BoundsRect.left);
    // The title strip and borders are as before.
    EXPECT_EQ(testing::FrameDifferences(frame_->Handle(), *frame, true), 0);

    // Hot, pressed, and released over it: the active child is minimised.
    TWinSysButton& minimise = *buttons[0];
    SetCursorPos(OnScreen(frame_->Handle(), minimise.BoundsRect).x, OnScreen(frame_->Handle(), minimise.BoundsRect).y);
    PumpUntil([&] { return minimise.State == TNCObject::stHot; });
    EXPECT_EQ(frame->HotObject, &minimise);
    EXPECT_EQ(testing::Differences(testing::Capture(frame_->Handle()), minimise.BoundsRect.top_left(),
                                   ButtonPicture(minimise, 4)),
              0);
    MouseButton(true);
    PumpUntil([&] { return minimise.State == TNCObject::stPressed; });
    EXPECT_EQ(testing::Differences(testing::Capture(frame_->Handle()), minimise.BoundsRect.top_left(),
                                   ButtonPicture(minimise, 2)),
              0);
    MouseButton(false);
    PumpUntil([&] { return bool(IsIconic(two->Handle())); });
    EXPECT_TRUE(IsIconic(two->Handle()));
    Pump();
    // The icon keeps its caption buttons; the mark follows the child that is active now.
    EXPECT_EQ(GetWindowLongW(two->Handle(), GWL_STYLE) & kCaptionButtons, kCaptionButtons);
    BOOL maximised = FALSE;
    SendMessageW(frame_->ClientHandle(), WM_MDIGETACTIVE, 0, LPARAM(&maximised));
    EXPECT_EQ(SkinManager->MdiMaximized(), bool(maximised));

    // Restored from its icon it is maximised again, or wears the skin again.
    SendMessageW(frame_->ClientHandle(), WM_MDIRESTORE, WPARAM(two->Handle()), 0);
    PumpUntil([&] { return !IsIconic(two->Handle()); });
    Pump();
    ASSERT_FALSE(IsIconic(two->Handle()));
    EXPECT_EQ(SkinManager->MdiMaximized(), bool(IsZoomed(two->Handle())));
    if (IsZoomed(two->Handle())) {
        ExpectUnframedChild(two->Handle(), frame_->ClientHandle());
    } else {
        ExpectSkinnedChild(two->Handle(), *child, true);
    }
}

TEST_F(SkinnedMdi, TheBarsRestoreAndCloseButtonsActOnTheActiveChild) {
    TForm* one = NewChild("One", 0, 0);
    TForm* two = NewChild("Two", 260, 0);
    TWinSkinForm* frame = Skinned(frame_->Handle());
    ShowWindow(two->Handle(), SW_MAXIMIZE);
    PumpUntil([&] { return SkinManager->MdiMaximized(); });
    ASSERT_TRUE(SkinManager->MdiMaximized());
    // Restore.
    testing::ClickAt(OnScreen(frame_->Handle(), ChildButtons(*frame)[1]->BoundsRect));
    PumpUntil([&] { return !IsZoomed(two->Handle()) && !SkinManager->MdiMaximized(); });
    EXPECT_FALSE(IsZoomed(two->Handle()));
    EXPECT_FALSE(SkinManager->MdiMaximized());
    Pump();
    ExpectSkinnedChild(two->Handle(), *Skinned(two->Handle()), true);
    ExpectSkinnedChild(one->Handle(), *Skinned(one->Handle()), true);
    for (const TWinSysButton* b : ChildButtons(*frame)) EXPECT_FALSE(b->Visible);
    EXPECT_EQ(testing::FrameDifferences(frame_->Handle(), *frame, true), 0);
    // Close: the child goes with its skinning object; One is active, normal.
    ShowWindow(two->Handle(), SW_MAXIMIZE);
    PumpUntil([&] { return SkinManager->MdiMaximized(); });
    const HWND closing = two->Handle();
    testing::ClickAt(OnScreen(frame_->Handle(), ChildButtons(*frame)[2]->BoundsRect));
    PumpUntil([&] { return !IsWindow(closing); });
    EXPECT_FALSE(IsWindow(closing));
    Pump();
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 2);
    BOOL maximised = FALSE;
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(frame_->ClientHandle(), WM_MDIGETACTIVE, 0, LPARAM(&maximised))),
              one->Handle());
    EXPECT_EQ(SkinManager->MdiMaximized(), bool(maximised));
    if (maximised) {
        ExpectUnframedChild(one->Handle(), frame_->ClientHandle());
    } else {
        ExpectSkinnedChild(one->Handle(), *Skinned(one->Handle()), true);
    }
}

TEST_F(SkinnedMdi, AChildMadeWhileAnotherIsMaximisedIsSkinnedAndTheMarkHolds) {
    TForm* one = NewChild("One", 0, 0);
    ShowWindow(one->Handle(), SW_MAXIMIZE);
    PumpUntil([&] { return SkinManager->MdiMaximized(); });
    ASSERT_TRUE(SkinManager->MdiMaximized());
    TForm* two = NewChild("Two", 40, 40);
    Pump();
    TWinSkinForm* skinned = Skinned(two->Handle());
    ASSERT_NE(skinned, nullptr);
    EXPECT_EQ(skinned->MdiKind, TWinSkinForm::mkChild);
    BOOL maximised = FALSE;
    const HWND active =
        reinterpret_cast<HWND>(SendMessageW(frame_->ClientHandle(), WM_MDIGETACTIVE, 0, LPARAM(&maximised)));
    EXPECT_EQ(active, two->Handle());
    ASSERT_TRUE(maximised);  // the new child takes the place of the maximised one
    EXPECT_TRUE(SkinManager->MdiMaximized());
    ExpectUnframedChild(two->Handle(), frame_->ClientHandle());
    // The one behind wears no skinned shape while a child is maximised.
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(one->Handle(), region.get()), ERROR);
    // Restored through the bar, both wear the skin again.
    TWinSkinForm* frame = Skinned(frame_->Handle());
    testing::ClickAt(OnScreen(frame_->Handle(), ChildButtons(*frame)[1]->BoundsRect));
    PumpUntil([&] { return !SkinManager->MdiMaximized(); });
    Pump();
    EXPECT_FALSE(SkinManager->MdiMaximized());
    ExpectSkinnedChild(two->Handle(), *skinned, true);
    ExpectSkinnedChild(one->Handle(), *Skinned(one->Handle()), false);
}

TEST_F(SkinnedMdi, TileAndCascadeAfterAMaximisedChildGiveEveryChildItsSkinnedFrame) {
    std::vector<TForm*> children{NewChild("One", 0, 0), NewChild("Two", 30, 30), NewChild("Three", 60, 60)};
    for (auto arrange : {&TCustomForm::Tile, &TCustomForm::Cascade}) {
        ShowWindow(children[1]->Handle(), SW_MAXIMIZE);
        PumpUntil([&] { return SkinManager->MdiMaximized(); });
        ASSERT_TRUE(SkinManager->MdiMaximized());
        (frame_->*arrange)();
        Pump();
        EXPECT_FALSE(SkinManager->MdiMaximized());
        for (TForm* child : children) {
            EXPECT_FALSE(IsZoomed(child->Handle())) << child->Caption();
            // Tiled children do not overlap: every pixel of their frames shows.
            ExpectSkinnedChild(child->Handle(), *Skinned(child->Handle()), arrange == &TCustomForm::Tile);
        }
    }
}

TEST_F(SkinnedMdi, ChildrenClosedInEveryOrderLeaveNoSkinningObjectOrHandleBehind) {
    auto round = [&](std::array<int, 3> order, bool maximise) {
        std::vector<TForm*> children{NewChild("One", 0, 0), NewChild("Two", 30, 30), NewChild("Three", 60, 60)};
        if (maximise) {
            ShowWindow(children[1]->Handle(), SW_MAXIMIZE);
            PumpUntil([&] { return SkinManager->MdiMaximized(); });
        }
        for (std::size_t closed = 0; closed < order.size(); ++closed) {
            const HWND going = children[std::size_t(order[closed])]->Handle();
            children[std::size_t(order[closed])]->Close();
            PumpUntil([&] { return !IsWindow(going); });
            ASSERT_FALSE(IsWindow(going));
            EXPECT_EQ(SkinManager->SkinnedWindowCount(), 1 + int(order.size() - closed - 1));
            BOOL maximised = FALSE;
            SendMessageW(frame_->ClientHandle(), WM_MDIGETACTIVE, 0, LPARAM(&maximised));
            EXPECT_EQ(SkinManager->MdiMaximized(), bool(maximised));
        }
    };
    round({0, 1, 2}, true);  // classes, fonts and caches made once
    const int gdi_before = testing::LiveGdiObjects();
    const int windows_before = testing::WindowCountOfThread();
    std::array<int, 3> order{0, 1, 2};
    do {
        round(order, false);
        round(order, true);
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(testing::LiveGdiObjects(), gdi_before);
    EXPECT_EQ(testing::WindowCountOfThread(), windows_before);
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 1);
    EXPECT_FALSE(SkinManager->MdiMaximized());
}

TEST_F(SkinnedMdi, AFrameDestroyedWithItsChildrenOpenLeavesNoSkinningObjectOrHandleBehind) {
    auto cycle = [&](bool maximise) {
        auto* frame = new TForm(app_.get());
        frame->SetCaption("Second frame");
        frame->SetFormStyle(fsMDIForm);
        frame->SetBounds(80, 60, 480, 360);
        frame->Show();
        SetForegroundWindow(frame->Handle());
        PumpUntil([&] { return SkinManager->IsSkinnedWindow(frame->Handle()); });
        std::vector<HWND> windows{frame->Handle()};
        for (int i = 0; i < 3; ++i) {
            auto* child = new TForm(frame);
            child->SetBounds(20 * i, 20 * i, 200, 120);
            child->SetFormStyle(fsMDIChild);
            windows.push_back(child->Handle());
        }
        if (maximise) ShowWindow(windows.back(), SW_MAXIMIZE);
        Pump();
        EXPECT_EQ(SkinManager->SkinnedWindowCount(), 1 + 4);  // the fixture's frame too
        delete frame;
        for (HWND w : windows) EXPECT_FALSE(IsWindow(w));
        EXPECT_EQ(SkinManager->SkinnedWindowCount(), 1);
        // No child is left to be maximised.
        EXPECT_FALSE(SkinManager->MdiMaximized());
        SetForegroundWindow(frame_->Handle());
        Pump();
    };
    cycle(true);  // classes, fonts and caches made once
    const int gdi_before = testing::LiveGdiObjects();
    const int windows_before = testing::WindowCountOfThread();
    for (int i = 0; i < 10; ++i) cycle(i % 2 == 0);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi_before);
    EXPECT_EQ(testing::WindowCountOfThread(), windows_before);
}
TEST_F(SkinnedMdi, TheSkinTakenOffAndPutBackWithChildrenOpenGivesBackTheirSizesAndSkinsThemAgain) {
    TForm* one = NewChild("One", 0, 0);
    TForm* two = NewChild("Two", 260, 0);
    auto run = [&](SkinAction action) {
        SkinManager->Schedule(action, 1);
        PumpUntil([&] { return !SkinManager->ActionPending(); });
        Pump();  // the WM_SKINSTART of the windows skinned again
    };
    for (bool maximise : {false, true}) {
        if (maximise) {
            ShowWindow(two->Handle(), SW_MAXIMIZE);
            PumpUntil([&] { return SkinManager->MdiMaximized(); });
            ASSERT_TRUE(SkinManager->MdiMaximized());
        }
        RECT one_before{}, two_before{};
        GetClientRect(one->Handle(), &one_before);
        GetClientRect(two->Handle(), &two_before);
        run(SkinAction::Deactivate);
        EXPECT_EQ(SkinManager->SkinnedWindowCount(), 0);
        EXPECT_FALSE(SkinManager->MdiMaximized());
        RECT area{}, client{};
        GetClientRect(frame_->ClientHandle(), &area);
        for (TForm* child : {one, two}) {
            EXPECT_FALSE(HasRegion(child->Handle())) << child->Caption();
            EXPECT_EQ(GetWindowLongW(child->Handle(), GWL_STYLE) & kCaptionButtons, kCaptionButtons);
            GetClientRect(child->Handle(), &client);
            const RECT& before = child == one ? one_before : two_before;
            // A maximised child fills the client window under its own frame too.
            if (maximise && child == two) {
                EXPECT_EQ(from_rect(client), from_rect(area));
            } else {
                EXPECT_EQ(from_rect(client), from_rect(before)) << child->Caption();
            }
        }
        run(SkinAction::Activate);
        // The scan skins the children with the frame.
        EXPECT_EQ(SkinManager->SkinnedWindowCount(), 4);  // the hidden host's too
        EXPECT_EQ(SkinManager->MdiMaximized(), maximise);
        if (maximise) {
            // Behind the maximised child the other has no skinned shape either.
            ExpectUnframedChild(two->Handle(), frame_->ClientHandle());
            EXPECT_FALSE(HasRegion(one->Handle()));
        } else {
            ExpectSkinnedChild(one->Handle(), *Skinned(one->Handle()), true);
            ExpectSkinnedChild(two->Handle(), *Skinned(two->Handle()), true);
        }
    }
}

}  // namespace
}  // namespace korvane
