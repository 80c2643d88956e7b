// The gallery as gallery.exe runs it, switching its skin with every kind of
// window open: the gallery form, the MDI page, the message dialog and the
// open dialog, the last two in their modal loops. Every switch reaches every
// window's frame; the skin goes off and comes back; nothing leaks.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/win/window_test_support.h"
#include "gallery/gallery_form.h"
#include "gallery/gallery_pages.h"
#include "gallery/gallery_skins.h"
#include "skin/controls/control_skins.h"
#include "skin/engine/registration.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/skinned_window.h"
#include "support/run_later.h"

namespace korvane {
namespace {

using testing::BorderPiece;
using testing::Capture;
using testing::ClassNameOf;
using testing::Differences;
using testing::FrameDifferences;
using testing::RunLater;
using testing::WindowSize;

const std::string kShippedSkins = KORVANE_TEST_DATA "/../../data/skins";

class GallerySkinSwitching : public testing::FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        RegisterSkinClasses();
        InstallControlSkinning();
    }
    void TearDown() override {
        FrameworkTest::TearDown();
        TWinSkinForm::SetControlSkinning(nullptr);
    }

    // Waits until the manager has run what it was asked for and every window has painted.
    void Settle() {
        PumpUntil([] { return !SkinManager->ActionPending(); });
        Pump();
    }
    // The window's form-skinning object when it wears the skin now.
    static TWinSkinForm* Skinned(HWND window) {
        TWinSkinForm* form = SkinManager->SkinFormOf(window);
        return form && form->PaintState == TWinSkinForm::psNormal ? form : nullptr;
    }
    // Pixels of the window's frame that are not what the skin composes.
    static int WrongFramePixels(HWND window) {
        TWinSkinForm* form = Skinned(window);
        if (!form) return -1;
        return FrameDifferences(window, *form, window == GetActiveWindow());
    }
    // The window has its system frame back: no skinning object, no region, its
    // own answer to the skin query, its client area where the system frame
    // puts it.
    static void ExpectSystemFrame(HWND window, const std::string& name) {
        EXPECT_EQ(SkinManager->SkinFormOf(window), nullptr) << name;
        UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(GetWindowRgn(window, region.get()), ERROR) << name;
        EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 0) << name;
        RECT client{}, outer{};
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        RECT expected = client;
        AdjustWindowRectEx(&expected, DWORD(GetWindowLongW(window, GWL_STYLE)), GetMenu(window) != nullptr,
                           DWORD(GetWindowLongW(window, GWL_EXSTYLE)));
        EXPECT_EQ(expected.right - expected.left, outer.right - outer.left) << name;
        EXPECT_EQ(expected.bottom - expected.top, outer.bottom - outer.top) << name;
    }
};

TEST_F(GallerySkinSwitching, FiftySwitchesReachEveryOpenWindowThenOffAndOnAndNothingLeaks) {
    auto* gallery = app_->CreateForm<TGalleryForm>();
    TGallerySkins& skins = AddGallerySkins(*gallery, kShippedSkins, "");
    ASSERT_EQ(skins.Count(), 3);
    EXPECT_EQ(skins.Name(0), "default");
    EXPECT_EQ(skins.Name(1), "night");
    EXPECT_EQ(skins.Name(2), "silver");
    EXPECT_EQ(skins.Worn(), 0);
    gallery->SetBounds(0, 0, gallery->Width(), gallery->Height());
    gallery->Show();
    SetForegroundWindow(gallery->Handle());
    PumpUntil([&] { return Skinned(gallery->Handle()) != nullptr; });
    ASSERT_NE(Skinned(gallery->Handle()), nullptr);
    EXPECT_EQ(gallery->Caption(), "Korvane gallery: default");
    TForm* mdi = ShowGalleryMdiFrame();
    mdi->SetBounds(gallery->Width() + 4, 0, 480, 360);
    PumpUntil([&] { return Skinned(mdi->Handle()) != nullptr; });

    bool ran = false;
    // Inside the message dialog's loop, the open dialog's; inside that, the switches.
    RunLater([&] {
        RunLater([&] {
            ran = true;
            const HWND message = testing::WaitForWindow(GetCurrentThreadId(), [](HWND w) {
                return ClassNameOf(w) == L"TMessageForm";
            });
            const HWND open = testing::WaitForWindow(GetCurrentThreadId(), [](HWND w) {
                return ClassNameOf(w) == L"#32770";
            });
            // The open dialog is closed however this ends, and the message dialog after it.
            struct CloseAtEnd {
                HWND open;
                ~CloseAtEnd() { PostMessageW(open, WM_COMMAND, IDCANCEL, 0); }
            } close_at_end{open};
            ASSERT_TRUE(message && open);
            // Every frame on the screen: a part beyond its edge is never painted.
            SetWindowPos(message, nullptr, gallery->Width() + 4, 374, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            const Size open_size = WindowSize(open);
            SetWindowPos(open, nullptr, GetSystemMetrics(SM_CXSCREEN) - open_size.width,
                         GetSystemMetrics(SM_CYSCREEN) - open_size.height, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            const std::vector<std::pair<HWND, std::string>> windows{
                {gallery->Handle(), "gallery"}, {mdi->Handle(), "MDI frame"}, {message, "message"}, {open, "open"}};
            PumpUntil([&] { return Skinned(message) && Skinned(open); });

            // Once off and on, so that what is made once (MDI children skinned by
            // the scan of every form, caches) is there before counting.
            skins.SetSkinOn(false);
            Settle();
            skins.SetSkinOn(true);
            Settle();
            // The dialogs too, at once: the skin goes back on every window shown.
            for (const auto& [window, name] : windows) ASSERT_NE(Skinned(window), nullptr) << name;
            const int gdi_before = testing::LiveGdiObjects();
            const int windows_before = testing::WindowCountOfThread();
            const int skinned_before = SkinManager->SkinnedWindowCount();

            for (int i = 1; i <= 50; ++i) {
                const int package = i % 3;
                const Image before = Capture(gallery->Handle());
                skins.Wear(package);
                Settle();
                // The comparison sees the change: the frame shown before is not the new skin's.
                ASSERT_GT(FrameDifferences(before, *Skinned(gallery->Handle()), false), 0) << "switch " << i;
                for (const auto& [window, name] : windows)
                    ASSERT_EQ(WrongFramePixels(window), 0) << name << ", switch " << i << " to " << skins.Name(package);
                ASSERT_EQ(gallery->Caption(), "Korvane gallery: " + skins.Name(package));
            }
            EXPECT_EQ(SkinManager->SkinnedWindowCount(), skinned_before);
            EXPECT_EQ(testing::WindowCountOfThread(), windows_before);

            skins.SetSkinOn(false);
            Settle();
            EXPECT_EQ(SkinManager->SkinnedWindowCount(), 0);
            for (const auto& [window, name] : windows) ExpectSystemFrame(window, name);
            EXPECT_EQ(GetMenu(gallery->Handle()), gallery->Menu()->Handle());
            EXPECT_EQ(gallery->Caption(), "Korvane gallery");
            // Still working: a command of its menu reaches the gallery.
            TMenuItem* status_line = gallery->Menu()->Items().Items(1)->Items(0);
            ASSERT_EQ(status_line->Caption(), "&Status line");
            ASSERT_TRUE(status_line->Checked());
            SendMessageW(gallery->Handle(), WM_COMMAND, WPARAM(status_line->Command()), 0);
            EXPECT_FALSE(status_line->Checked());

            skins.SetSkinOn(true);
            Settle();
            for (const auto& [window, name] : windows) EXPECT_EQ(WrongFramePixels(window), 0) << name << " back on";
            EXPECT_EQ(SkinManager->SkinnedWindowCount(), skinned_before);
            EXPECT_EQ(testing::WindowCountOfThread(), windows_before);
            EXPECT_EQ(testing::LiveGdiObjects(), gdi_before);
        });
        gallery->ShowOpenDialog();
        const HWND message = testing::WaitForWindow(GetCurrentThreadId(), [](HWND w) {
            return ClassNameOf(w) == L"TMessageForm";
        });
        PostMessageW(message, WM_CLOSE, 0, 0);
    });
    gallery->ShowMessageDialog();
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace korvane
