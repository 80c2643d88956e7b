// The manager with the engine's own form-skinning objects: a skin data
// component made in code switches the skin on, and windows come and go, or
// the skin goes off and on, without leaving anything behind.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/win/form.h"
#include "framework/win/window_test_support.h"
#include "skin/data/skin_store.h"
#include "skin/draw/frame_geometry.h"
#include "skin/engine/registration.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/skin_test_support.h"
#include "skin/engine/skinned_window.h"
#include "support/run_later.h"

namespace korvane {
namespace {

using testing::DefaultSkinBytes;
using testing::PlainWindow;

// A plain window class whose WM_CLOSE destroys the window inside its own procedure.
LRESULT CALLBACK ClosingProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcW(window, msg, wparam, lparam);
}

class SkinnedWindowsTest : public testing::FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        RegisterSkinClasses();
        host_ = new TForm(app_.get());
        host_->SetCaption("host");
        data_ = new TSkinData(host_);
        store_.Store().Add().Data().WriteBuffer(DefaultSkinBytes());
    }

    // As the tool switches its skin on.
    void SwitchOn() {
        data_->LoadFromSkinStore(store_, 0);
        data_->SetActive(true);
    }

    static bool WearsSkin(HWND window) {
        UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
        return SendMessageW(window, WM_SKINQUERY, 0, 0) == 1 && GetWindowRgn(window, region.get()) != ERROR;
    }

    TSkinStore store_{nullptr};
    TForm* host_ = nullptr;
    TSkinData* data_ = nullptr;
};

TEST_F(SkinnedWindowsTest, AComponentMadeInCodeMakesTheManagerAndTheFormWearsTheSkinFrame) {
    ASSERT_EQ(SkinManager, nullptr);
    SwitchOn();
    ASSERT_NE(SkinManager, nullptr);
    EXPECT_TRUE(SkinManager->HookInstalled());
    EXPECT_TRUE(SkinManager->Enabled());
    EXPECT_TRUE(SkinManager->HasSkinData(data_));
    host_->SetBounds(40, 40, 300, 200);
    host_->Show();
    PumpUntil([&] { return WearsSkin(host_->Handle()); });
    ASSERT_TRUE(WearsSkin(host_->Handle()));

    const SkinModel& skin = data_->Skin();
    const FrameWidths frame{FrameThickness(skin.BorderLeft.Bitmap.width(), skin.BorderLeft.Frame),
                            FrameThickness(skin.BorderTop.Bitmap.height(), skin.BorderTop.Frame),
                            FrameThickness(skin.BorderRight.Bitmap.width(), skin.BorderRight.Frame),
                            FrameThickness(skin.BorderBottom.Bitmap.height(), skin.BorderBottom.Frame)};
    RECT window{}, client{};
    GetWindowRect(host_->Handle(), &window);
    GetClientRect(host_->Handle(), &client);
    EXPECT_EQ(client.right, window.right - window.left - frame.left - frame.right);
    EXPECT_EQ(client.bottom, window.bottom - window.top - frame.top - frame.bottom);
}

TEST_F(SkinnedWindowsTest, WindowsDestroyedFromTheirOwnMessagesLeaveNoSkinningObjectBehind) {
    SwitchOn();
    WNDCLASSW wc{};
    wc.lpfnWndProc = ClosingProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KorvaneClosingWindow";
    RegisterClassW(&wc);
    HWND plain = CreateWindowExW(0, wc.lpszClassName, L"plain", WS_OVERLAPPEDWINDOW, 30, 30, 240, 160, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    ShowWindow(plain, SW_SHOW);
    SetActiveWindow(plain);
    Pump();
    ASSERT_TRUE(WearsSkin(plain));
    SendMessageW(plain, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(plain));
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 0);

    host_->Show();
    Pump();
    ASSERT_TRUE(SkinManager->IsSkinnedWindow(host_->Handle()));
    const HWND released = host_->Handle();
    host_->Release();  // freed on CM_RELEASE, inside its own window procedure
    PumpUntil([&] { return !IsWindow(released); });
    EXPECT_FALSE(IsWindow(released));
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 0);
}

// Counts the frame changes and resizes asked of a window, from outside the
// skin's own procedure.
LRESULT CALLBACK CountFrameChanges(HWND window, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_WINDOWPOSCHANGING) {
        const auto& pos = *reinterpret_cast<const WINDOWPOS*>(lparam);
        if ((pos.flags & SWP_FRAMECHANGED) || !(pos.flags & SWP_NOSIZE)) ++*reinterpret_cast<int*>(data);
    }
    return DefSubclassProc(window, msg, wparam, lparam);
}

TEST_F(SkinnedWindowsTest, ASkinnedFormBeingDestroyedIsNeitherResizedNorReshaped) {
    SwitchOn();
    auto shown = [&](const char* caption) {
        auto* form = new TForm(app_.get());
        form->SetCaption(caption);
        form->SetBounds(40, 40, 300, 200);
        form->Show();
        PumpUntil([&] { return WearsSkin(form->Handle()); });
        return form;
    };
    // Let go of while it stays: its own frame, size and shape come back.
    TForm* kept = shown("kept");
    ASSERT_TRUE(WearsSkin(kept->Handle()));
    int kept_changes = 0;
    SetWindowSubclass(kept->Handle(), CountFrameChanges, 1, reinterpret_cast<DWORD_PTR>(&kept_changes));
    ASSERT_TRUE(SkinManager->UnskinWindow(kept->Handle()));
    EXPECT_GT(kept_changes, 0);
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(kept->Handle(), region.get()), ERROR);
    RemoveWindowSubclass(kept->Handle(), CountFrameChanges, 1);
    delete kept;

    // Destroyed: nothing is given back to a window that is going.
    TForm* going = shown("going");
    ASSERT_TRUE(WearsSkin(going->Handle()));
    int going_changes = 0;
    SetWindowSubclass(going->Handle(), CountFrameChanges, 1, reinterpret_cast<DWORD_PTR>(&going_changes));
    delete going;
    EXPECT_EQ(going_changes, 0);
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 0);
}

TEST_F(SkinnedWindowsTest, AThousandSkinnedFormsMadeShownAndDestroyedLeakNothing) {
    SwitchOn();
    auto cycle = [&] {
        auto* form = new TForm(app_.get());
        form->SetCaption("cycle");
        form->Show();
        app_->ProcessMessages();  // WM_SKINSTART: the first sizing, the region
        EXPECT_TRUE(SkinManager->IsSkinnedWindow(form->Handle()));
        delete form;
    };
    cycle();  // classes, fonts and caches made once
    const int gdi_before = testing::LiveGdiObjects();
    const int windows_before = testing::WindowCountOfThread();
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(testing::LiveGdiObjects(), gdi_before);
    EXPECT_EQ(testing::WindowCountOfThread(), windows_before);
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 0);
}

TEST_F(SkinnedWindowsTest, AHundredSwitchesOffAndOnWithFiveFormsOpenLeakNothing) {
    SwitchOn();
    std::vector<TForm*> forms;
    for (int i = 0; i < 5; ++i) {
        forms.push_back(new TForm(app_.get()));
        forms.back()->SetCaption("open " + std::to_string(i));
        forms.back()->SetBounds(20 + 30 * i, 20 + 20 * i, 260, 180);
        forms.back()->Show();
    }
    Pump();
    ASSERT_EQ(SkinManager->SkinnedWindowCount(), 5);
    // The actions the Active setter asks for, each run by the timer as soon as it may.
    auto run = [&](SkinAction action) {
        SkinManager->Schedule(action, 1);
        PumpUntil([&] { return !SkinManager->ActionPending(); });
        app_->ProcessMessages();  // the WM_SKINSTART of the windows skinned again
    };
    run(SkinAction::Deactivate);
    run(SkinAction::Activate);
    Pump();
    const int gdi_before = testing::LiveGdiObjects();
    const int windows_before = testing::WindowCountOfThread();
    std::vector<RECT> bounds_before;
    for (TForm* form : forms) {
        RECT r{};
        GetWindowRect(form->Handle(), &r);
        bounds_before.push_back(r);
    }
    for (int i = 0; i < 100; ++i) {
        run(SkinAction::Deactivate);
        ASSERT_EQ(SkinManager->SkinnedWindowCount(), 0) << "switch " << i;
        run(SkinAction::Activate);
        // The five and the hidden host, whose window the scan of all forms makes.
        ASSERT_EQ(SkinManager->SkinnedWindowCount(), 6) << "switch " << i;
    }
    Pump();
    EXPECT_EQ(testing::LiveGdiObjects(), gdi_before);
    EXPECT_EQ(testing::WindowCountOfThread(), windows_before);
    for (std::size_t i = 0; i < forms.size(); ++i) {
        EXPECT_TRUE(WearsSkin(forms[i]->Handle())) << i;
        RECT r{};
        GetWindowRect(forms[i]->Handle(), &r);
        EXPECT_EQ(r.right - r.left, bounds_before[i].right - bounds_before[i].left) << i;
        EXPECT_EQ(r.bottom - r.top, bounds_before[i].bottom - bounds_before[i].top) << i;
    }
}

TEST_F(SkinnedWindowsTest, APlainWindowAndAMessageBoxOpenWhileTheSkinGoesOffAndOnWearItAgainAtOnce) {
    SwitchOn();
    HWND plain = PlainWindow(L"owner", WS_OVERLAPPEDWINDOW, 0, 30, 30, 320, 200);
    ASSERT_NE(plain, nullptr);
    SetActiveWindow(plain);
    Pump();
    ASSERT_TRUE(WearsSkin(plain));
    // Wears the skin now, its first sizing done: no activation in between.
    auto started = [](HWND window) {
        TWinSkinForm* form = SkinManager->SkinFormOf(window);
        return form && form->PaintState == TWinSkinForm::psNormal && WearsSkin(window);
    };
    auto run = [&](SkinAction action) {
        SkinManager->Schedule(action, 1);
        PumpUntil([&] { return !SkinManager->ActionPending(); });
        app_->ProcessMessages();  // the WM_SKINSTART of the windows skinned again
    };
    bool ran = false;
    // Inside the message box's modal loop.
    testing::RunLater([&] {
        ran = true;
        const HWND box = testing::WaitForWindow(GetCurrentThreadId(), [&](HWND w) {
            return testing::ClassNameOf(w) == L"#32770" && GetWindow(w, GW_OWNER) == plain;
        });
        ASSERT_NE(box, nullptr);
        struct CloseAtEnd {
            HWND box;
            ~CloseAtEnd() { PostMessageW(box, WM_COMMAND, IDOK, 0); }
        } close_at_end{box};
        PumpUntil([&] { return started(box); });
        ASSERT_TRUE(started(box));
        ASSERT_EQ(GetActiveWindow(), box);

        run(SkinAction::Deactivate);
        EXPECT_FALSE(WearsSkin(plain));
        EXPECT_FALSE(WearsSkin(box));
        run(SkinAction::Activate);
        EXPECT_TRUE(started(plain));
        EXPECT_TRUE(started(box));
        const int gdi_before = testing::LiveGdiObjects();
        const int windows_before = testing::WindowCountOfThread();
        const int skinned_before = SkinManager->SkinnedWindowCount();
        for (int i = 0; i < 10; ++i) {
            run(SkinAction::Deactivate);
            ASSERT_EQ(SkinManager->SkinnedWindowCount(), 0) << "switch " << i;
            run(SkinAction::Activate);
            ASSERT_TRUE(started(plain)) << "switch " << i;
            ASSERT_TRUE(started(box)) << "switch " << i;
        }
        EXPECT_EQ(GetActiveWindow(), box);
        EXPECT_EQ(SkinManager->SkinnedWindowCount(), skinned_before);
        EXPECT_EQ(testing::WindowCountOfThread(), windows_before);
        EXPECT_EQ(testing::LiveGdiObjects(), gdi_before);
    });
    MessageBoxW(plain, L"Open while the skin goes off and on.", L"Message", MB_OK);
    EXPECT_TRUE(ran);
    DestroyWindow(plain);
}

}  // namespace
}  // namespace korvane
