// The plain Win32 program (examples/plainwin) with the engine switched on by
// its one call: its main window, its menu, its settings dialog and the
// dialog's controls wear the skin; switching it off gives every window its
// own frame back and the program goes on working; a package that cannot be
// put on is said in one clear message.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "plain_window.h"
#include "resource.h"
#include "skin/api/skinning.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_com_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_radio_button.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skinned_controls.h"
#include "framework/win/input_support.h"
#include "skin/draw/menu_layout.h"
#include "skin/engine/menu_script.h"
#include "skin/engine/skin_manager.h"
#include "support/run_later.h"

namespace korvane::testing {
namespace {

const std::wstring kSkinFile = widen(kDefaultSkin);

// Handles messages until done() or three seconds have passed.
void PumpUntil(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!done() && std::chrono::steady_clock::now() < end) Pump(1);
}

TWinSkinForm* SkinFormOf(HWND window) {
    return SkinManager ? SkinManager->SkinFormOf(window) : nullptr;
}

TControlSkins* ControlsOf(HWND window) {
    TWinSkinForm* form = SkinFormOf(window);
    return form ? static_cast<TControlSkins*>(form->Controls()) : nullptr;
}

// Skinned and started: the frame laid out and the controls classified.
bool Started(HWND window) { return ControlsOf(window) != nullptr; }

bool AnswersSkinQuery(HWND window) { return SendMessageW(window, WM_SKINQUERY, 0, 0) == 1; }

bool HasRegion(HWND window) {
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(window, region.get()) != ERROR;
}

std::string KindOf(TControlSkins& skins, HWND control) {
    TSkinControl* object = skins.FindControlByHandle(control);
    return object ? std::string(object->ClassName()) : "none";
}

// The visible dialog (the settings dialog, a message box) the window owns.
HWND OwnedDialog(HWND owner) {
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto& s = *reinterpret_cast<Search*>(data);
            if (ClassNameOf(window) == L"#32770" && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == s.owner) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The modal settings dialog, opened by the main window's menu command: once
// ready(dialog) holds (or after three seconds) and its paints are done,
// check(dialog) runs inside the dialog's own modal loop, then the button
// `close` is pressed.
class ModalDialog {
public:
    static void Run(HWND main, const std::function<bool(HWND)>& ready, const std::function<void(HWND)>& check,
                    int close) {
        ModalDialog run{main, ready, check, close};
        current_ = &run;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &ModalDialog::Tick);
        SendMessageW(main, WM_COMMAND, IDM_SETTINGS, 0);
        KillTimer(nullptr, timer);
        current_ = nullptr;
        EXPECT_TRUE(run.checked_) << "the dialog never came";
    }

private:
    ModalDialog(HWND main, const std::function<bool(HWND)>& ready, const std::function<void(HWND)>& check, int close)
        : main_(main), ready_(ready), check_(check), close_(close) {}

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (current_) current_->Step();
    }
    void Step() {
        const auto waited = std::chrono::steady_clock::now() - start_;
        HWND dialog = OwnedDialog(main_);
        if (!dialog) return;
        if (checked_) {
            // It should have closed by now.
            if (waited > std::chrono::seconds(6)) EndDialog(dialog, IDCANCEL);
            return;
        }
        if (!ready_(dialog) && waited < std::chrono::seconds(3)) return;
        if (++settle_ < 8) return;  // its controls' paints go first
        checked_ = true;
        check_(dialog);
        PostMessageW(dialog, WM_COMMAND, WPARAM(close_), 0);
    }

    HWND main_;
    std::function<bool(HWND)> ready_;
    std::function<void(HWND)> check_;
    int close_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    int settle_ = 0;
    bool checked_ = false;
    static ModalDialog* current_;
};
ModalDialog* ModalDialog::current_ = nullptr;

class PlainProgram : public ::testing::Test {
protected:
    // The skin the expected pictures are composed from is read before any
    // manager exists: read later, it would announce itself to the program's.
    static void SetUpTestSuite() { DefaultSkin(); }
    void SetUp() override { SetCursorPos(0, 0); }
    void TearDown() override {
        if (main_ && IsWindow(main_)) DestroyWindow(main_);
        DisableSkinning();
        // The WM_QUIT the main window posts as it goes.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    // As WinMain does it: the skin first, then the window.
    void Start() {
        const SkinningStatus skin = EnableSkinning(kSkinFile);
        ASSERT_TRUE(skin) << narrow(skin.error);
        main_ = plainwin::CreateMainWindow(GetModuleHandleW(nullptr), SW_SHOW);
        ASSERT_NE(main_, nullptr);
        SetForegroundWindow(main_);
        PumpUntil([&] { return Started(main_); });
        ASSERT_TRUE(Started(main_));
        Pump();
    }

    HWND main_ = nullptr;
};

TEST_F(PlainProgram, TheMainWindowItsMenuBarAndItsButtonWearTheSkin) {
    Start();
    TWinSkinForm& form = *SkinFormOf(main_);
    EXPECT_EQ(FrameDifferences(main_, form, true), 0);
    EXPECT_TRUE(HasRegion(main_));

    // The menu from the resources is drawn by the skin below the caption.
    ASSERT_TRUE(form.MenuBar);
    EXPECT_EQ(GetMenu(main_), nullptr);
    const auto& items = form.MenuBar->Items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->Caption, "&File");
    EXPECT_EQ(items[1]->Caption, "&Skin");
    EXPECT_EQ(items[2]->Caption, "&Help");
    const TDataSkinObject& element = *Model().MenuBar;
    const Size size = WindowSize(main_);
    const int bar_width = size.width - form.FrameLeft - form.FrameRight;
    const Image background = BuildNineSlice({bar_width, form.MenuBarHeight}, Strip{element.Bitmap.view(), 2, true},
                                            1, {element.LeftWidth, 0, element.RightWidth, 0}, false);
    // The bar right of its last entry, composed by the drawing utilities.
    const int from = items[2]->BoundsRect.right - form.FrameLeft + 1;
    Image rest(bar_width - from, form.MenuBarHeight);
    StretchBlit(rest.mutable_view(), {0, 0, rest.width(), rest.height()}, background,
                {from, 0, bar_width, form.MenuBarHeight});
    EXPECT_EQ(Differences(Capture(main_), {form.FrameLeft + from, form.FrameTop}, rest), 0);

    // Its push button is a skinned button; the static texts keep their look.
    TControlSkins& skins = *ControlsOf(main_);
    EXPECT_EQ(KindOf(skins, GetDlgItem(main_, IDC_OPEN_SETTINGS)), "TSkinButton");
    EXPECT_EQ(KindOf(skins, GetDlgItem(main_, IDC_SUMMARY)), "none");
}

TEST_F(PlainProgram, ItsDropDownAndMessageBoxWearTheSkinAndTheChosenCommandRuns) {
    Start();
    TWinSkinForm& form = *SkinFormOf(main_);
    bool popup_skinned = false;
    Image popup_shot;
    HWND box = nullptr;
    bool box_started = false;
    int box_frame_differences = -1;
    std::string box_button;
    Script script({[&] {
                       const std::vector<HWND> popups = open_popups();
                       if (popups.empty()) return;
                       popup_skinned = SkinManager->IsSkinnedPopup(popups.back());
                       popup_shot = Capture(popups.back());
                   },
                   [] {
                       // About... is the Help drop-down's first item, selected on opening.
                       const std::vector<HWND> popups = open_popups();
                       if (!popups.empty()) PostMessageW(popups.back(), WM_KEYDOWN, VK_RETURN, 0);
                   },
                   [] {},  // the message box comes up
                   [] {},  // and wears the skin
                   [&] {
                       box = OwnedDialog(main_);
                       if (!box) return;
                       box_started = Started(box);
                       if (box_started) {
                           box_frame_differences = FrameDifferences(box, *SkinFormOf(box), true);
                           box_button = KindOf(*ControlsOf(box), GetDlgItem(box, IDOK));
                       }
                       PostMessageW(box, WM_COMMAND, IDOK, 0);
                   }});
    RECT outer{};
    GetWindowRect(main_, &outer);
    const Rect& help = form.MenuBar->Items[2]->BoundsRect;
    ClickAt({outer.left + (help.left + help.right) / 2, outer.top + (help.top + help.bottom) / 2});
    PumpUntil([&] { return script.Done(); });
    Pump(20);
    ASSERT_TRUE(script.Done());

    // The drop-down has the skin's 3-pixel border.
    EXPECT_TRUE(popup_skinned);
    ASSERT_FALSE(popup_shot.empty());
    const TDataSkinObject& element = *Model().MenuBackground;
    const Image want = BuildNineSlice({popup_shot.width(), popup_shot.height()}, Strip{element.Bitmap.view(), 1, false},
                                      1, {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight},
                                      element.Tile != 0);
    const int w = want.width(), h = want.height();
    EXPECT_EQ(Differences(popup_shot, {0, 0}, want,
                          [&](Point p) {
                              return p.x >= kPopupBorder && p.y >= kPopupBorder && p.x < w - kPopupBorder &&
                                     p.y < h - kPopupBorder;
                          }),
              0);
    // The message box the command showed wore the skin, and its button closed it.
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box_started);
    EXPECT_EQ(box_frame_differences, 0);
    EXPECT_EQ(box_button, "TSkinButton");
    EXPECT_FALSE(IsWindow(box));
}

TEST_F(PlainProgram, TheSettingsDialogAndItsStandardControlsWearTheSkin) {
    Start();
    ModalDialog::Run(
        main_, Started,
        [](HWND dialog) {
            ASSERT_TRUE(Started(dialog));
            TWinSkinForm& form = *SkinFormOf(dialog);
            EXPECT_EQ(FrameDifferences(dialog, form, true), 0);
            EXPECT_TRUE(HasRegion(dialog));
            TControlSkins& skins = *ControlsOf(dialog);
            auto kind = [&](int id) { return KindOf(skins, GetDlgItem(dialog, id)); };
            EXPECT_EQ(kind(IDOK), "TSkinButton");
            EXPECT_EQ(kind(IDCANCEL), "TSkinButton");
            EXPECT_EQ(kind(IDC_STATUS_LINE), "TSkinCheckBox");
            EXPECT_EQ(kind(IDC_SMALL), "TSkinRadioButton");
            EXPECT_EQ(kind(IDC_LARGE), "TSkinRadioButton");
            EXPECT_EQ(kind(IDC_NAME), "TSkinEdit");
            EXPECT_EQ(kind(IDC_COLOUR), "TSkinComBox");
            EXPECT_EQ(kind(IDC_PAGES), "TSkinTab");
            // A plain dialog's list boxes, track bars and progress bars have no
            // skinning object; an ordinary scroll bar keeps its own look too.
            EXPECT_EQ(kind(IDC_RECENT), "none");
            EXPECT_EQ(kind(IDC_LEVEL), "none");
            EXPECT_EQ(kind(IDC_PROGRESS), "none");
            EXPECT_EQ(kind(IDC_ZOOM), "none");
            EXPECT_EQ(skins.ControlList.size(), 8u);

            // The Cancel button (without its caption) is frame 1 of the Buttons strip.
            HWND cancel = GetDlgItem(dialog, IDCANCEL);
            SetWindowTextW(cancel, L"");
            EXPECT_EQ(Differences(Capture(cancel), {0, 0}, ElementFace(Model().Buttons, WindowSize(cancel), 5, csNormal)),
                      0);
            // The zoom bar is still drawn (the sizer would have left it blank): its
            // thumb and arrows differ from the dialog's face.
            const Image zoom = Capture(GetDlgItem(dialog, IDC_ZOOM));
            int other = 0;
            for (int x = 0; x < zoom.width(); ++x)
                if (rgb_of(zoom.at(x, zoom.height() / 2)) != rgb_of(zoom.at(zoom.width() / 2, 0))) ++other;
            EXPECT_GT(other, 0);
        },
        IDCANCEL);
}

TEST_F(PlainProgram, SwitchedOffEveryWindowHasItsOwnFrameAndTheProgramStillWorks) {
    Start();
    RECT client_skinned{};
    GetClientRect(main_, &client_skinned);
    // From the program's own menu, as the user does it.
    SendMessageW(main_, WM_COMMAND, IDM_SKIN_OFF, 0);
    Pump();
    EXPECT_FALSE(SkinningEnabled());
    EXPECT_EQ(SkinManager, nullptr);
    EXPECT_EQ(Application, nullptr);
    EXPECT_FALSE(AnswersSkinQuery(main_));
    EXPECT_FALSE(HasRegion(main_));
    // The menu is back on the window and the system frame holds the same client area.
    HMENU menu = GetMenu(main_);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 3);
    RECT client{}, outer{};
    GetClientRect(main_, &client);
    GetWindowRect(main_, &outer);
    EXPECT_EQ(client.right, client_skinned.right);
    EXPECT_EQ(client.bottom, client_skinned.bottom);
    RECT framed = client;
    AdjustWindowRectEx(&framed, DWORD(GetWindowLongW(main_, GWL_STYLE)), TRUE, 0);
    EXPECT_EQ(outer.right - outer.left, framed.right - framed.left);
    EXPECT_EQ(outer.bottom - outer.top, framed.bottom - framed.top);

    // The dialog comes up plain and does its work.
    ModalDialog::Run(
        main_, [](HWND) { return true; },
        [](HWND dialog) {
            EXPECT_FALSE(AnswersSkinQuery(dialog));
            EXPECT_FALSE(HasRegion(dialog));
            SetDlgItemTextW(dialog, IDC_NAME, L"Plain again");
            SendDlgItemMessageW(dialog, IDC_COLOUR, CB_SETCURSEL, 2, 0);
        },
        IDOK);
    EXPECT_EQ(TextOf(GetDlgItem(main_, IDC_SUMMARY)),
              "Name: Plain again, colour: Silver, level 5, small, with status line");

    // And on again from the menu: the window wears it at once.
    SendMessageW(main_, WM_COMMAND, IDM_SKIN_ON, 0);
    PumpUntil([&] { return Started(main_); });
    ASSERT_TRUE(Started(main_));
    Pump();
    EXPECT_EQ(FrameDifferences(main_, *SkinFormOf(main_), true), 0);
    EXPECT_EQ(GetMenu(main_), nullptr);
}

TEST_F(PlainProgram, SwitchedOffWhileTheDialogIsOpenBothWindowsGetTheirOwnFramesBack) {
    Start();
    ModalDialog::Run(
        main_, Started,
        [&](HWND dialog) {
            RECT before{};
            GetClientRect(dialog, &before);
            DisableSkinning();
            Pump(2);
            for (HWND window : {main_, dialog}) {
                EXPECT_FALSE(AnswersSkinQuery(window));
                EXPECT_FALSE(HasRegion(window));
            }
            RECT client{};
            GetClientRect(dialog, &client);
            EXPECT_TRUE(EqualRect(&client, &before));
            EXPECT_NE(GetMenu(main_), nullptr);
            // The dialog goes on working with its own look.
            SetDlgItemTextW(dialog, IDC_NAME, L"Unskinned");
            CheckDlgButton(dialog, IDC_STATUS_LINE, BST_UNCHECKED);
        },
        IDOK);
    EXPECT_EQ(TextOf(GetDlgItem(main_, IDC_SUMMARY)), "Name: Unskinned, colour: Indigo, level 5, small");
}

TEST_F(PlainProgram, TwentySwitchesOffAndOnLeaveWindowsAndGdiObjectsAsTheyWere) {
    Start();
    auto cycle = [&] {
        SendMessageW(main_, WM_COMMAND, IDM_SKIN_OFF, 0);
        Pump(1);
        SendMessageW(main_, WM_COMMAND, IDM_SKIN_ON, 0);
        PumpUntil([&] { return Started(main_); });
    };
    cycle();
    Pump();
    const int gdi_before = LiveGdiObjects();
    const int windows_before = WindowCountOfThread();
    for (int i = 0; i < 20; ++i) {
        cycle();
        ASSERT_TRUE(Started(main_)) << i;
    }
    Pump();
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
    EXPECT_EQ(WindowCountOfThread(), windows_before);
    EXPECT_EQ(FrameDifferences(main_, *SkinFormOf(main_), true), 0);
}

TEST_F(PlainProgram, ItsMessageBoxOpenWhileTheSkinGoesOffAndOnWearsItAgainAtOnceAsTheMainWindowDoes) {
    Start();
    bool ran = false;
    // Inside the message box's modal loop, the program's own Skin menu commands.
    RunLater([&] {
        ran = true;
        HWND box = nullptr;
        PumpUntil([&] { return (box = OwnedDialog(main_)) != nullptr && Started(box); });
        ASSERT_NE(box, nullptr);
        struct CloseAtEnd {
            HWND box;
            ~CloseAtEnd() { PostMessageW(box, WM_COMMAND, IDOK, 0); }
        } close_at_end{box};
        ASSERT_TRUE(Started(box));
        auto off_and_on = [&] {
            SendMessageW(main_, WM_COMMAND, IDM_SKIN_OFF, 0);
            EXPECT_FALSE(AnswersSkinQuery(box));
            EXPECT_FALSE(HasRegion(box));
            SendMessageW(main_, WM_COMMAND, IDM_SKIN_ON, 0);
            // Skinned by the call itself, neither window activated again.
            EXPECT_NE(SkinFormOf(main_), nullptr);
            EXPECT_NE(SkinFormOf(box), nullptr);
            Pump();  // their first sizing and paints
            EXPECT_TRUE(Started(main_));
            EXPECT_TRUE(Started(box));
        };
        off_and_on();
        ASSERT_EQ(GetActiveWindow(), box);
        EXPECT_EQ(FrameDifferences(main_, *SkinFormOf(main_), false), 0);
        EXPECT_EQ(FrameDifferences(box, *SkinFormOf(box), true), 0);
        EXPECT_TRUE(HasRegion(box));
        EXPECT_EQ(KindOf(*ControlsOf(box), GetDlgItem(box, IDOK)), "TSkinButton");
        const int gdi_before = LiveGdiObjects();
        const int windows_before = WindowCountOfThread();
        for (int i = 0; i < 10; ++i) off_and_on();
        EXPECT_EQ(LiveGdiObjects(), gdi_before);
        EXPECT_EQ(WindowCountOfThread(), windows_before);
        EXPECT_EQ(FrameDifferences(box, *SkinFormOf(box), true), 0);
    });
    SendMessageW(main_, WM_COMMAND, IDM_ABOUT, 0);
    EXPECT_TRUE(ran);
}

TEST_F(PlainProgram, APackageThatCannotBePutOnIsSaidOnceAndTheSkinThatWasOnStays) {
    // Nothing on yet: nothing is set up.
    const SkinningStatus missing = EnableSkinning(L"no such skin.skn");
    ASSERT_FALSE(missing);
    EXPECT_EQ(narrow(missing.error), "The skin \"no such skin.skn\" was not put on: File not found.");
    EXPECT_FALSE(SkinningEnabled());
    EXPECT_EQ(SkinManager, nullptr);
    EXPECT_EQ(Application, nullptr);
    EXPECT_EQ(EnableSkinningFromResource(L"NOSKIN").error,
              L"The skin resource \"NOSKIN\" was not put on: the program has no such resource.");

    // A damaged package while the skin is on: the windows keep it.
    Start();
    const std::string damaged = (std::filesystem::temp_directory_path() / "korvane-damaged.skn").string();
    {
        FILE* file = std::fopen(damaged.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite("abc", 1, 3, file);
        std::fclose(file);
    }
    const SkinningStatus refused = EnableSkinning(widen(damaged));
    std::remove(damaged.c_str());
    EXPECT_EQ(narrow(refused.error),
              "The skin \"" + damaged + "\" was not put on: LZH : Stream of 3 bytes is too short for its 4-byte size.");
    EXPECT_TRUE(SkinningEnabled());
    Pump();
    ASSERT_TRUE(Started(main_));
    EXPECT_EQ(FrameDifferences(main_, *SkinFormOf(main_), true), 0);

    // The package the program carries switches the windows over (the same art here).
    EXPECT_TRUE(EnableSkinningFromResource(L"SKIN"));
    PumpUntil([&] { return !SkinManager->ActionPending(); });
    Pump();
    EXPECT_EQ(FrameDifferences(main_, *SkinFormOf(main_), true), 0);
}

}  // namespace
}  // namespace korvane::testing
