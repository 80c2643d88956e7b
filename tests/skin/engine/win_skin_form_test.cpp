#include "skin/engine/win_skin_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/bmp.h"
#include "framework/win/window_test_support.h"
#include "skin/engine/skinned_window.h"
#include "skinpack/archive_writer.h"

namespace korvane {
namespace {

using testing::BorderPiece;
using testing::Capture;
using testing::DefaultSkin;
using testing::Differences;
using testing::FrameDifferences;
using testing::PlainWindow;
using testing::WindowSize;

constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

class SkinnedFrame : public testing::FrameworkTest {
protected:
    void TearDown() override {
        for (TWinSkinForm* f : forms_) f->Release();
        for (HWND w : windows_)
            if (IsWindow(w)) DestroyWindow(w);
        testing::FrameworkTest::TearDown();
    }
    HWND Window(DWORD style = kOverlapped, DWORD ex_style = 0, const wchar_t* title = L"Skinned") {
        HWND w = PlainWindow(title, style, ex_style, 40, 30, 420, 300);
        windows_.push_back(w);
        SetForegroundWindow(w);
        testing::Pump();
        return w;
    }
    TWinSkinForm& Skin(HWND window) {
        auto* form = new TWinSkinForm(window);
        forms_.push_back(form);
        form->SkinWindow(DefaultSkin());
        SendMessageW(window, WM_SKINSTART, 0, 1000);
        testing::Pump();
        return *form;
    }
    void Forget(TWinSkinForm& form) { std::erase(forms_, &form); }

    std::vector<HWND> windows_;
    std::vector<TWinSkinForm*> forms_;
};

const SkinModel& skin() { return DefaultSkin().Skin(); }

TEST_F(SkinnedFrame, TheDefaultSkinGivesItsFrameWidths) {
    ASSERT_FALSE(DefaultSkin().Empty());
    TWinSkinForm& form = Skin(Window());
    EXPECT_EQ(form.Frame(), (FrameWidths{8, 29, 8, 8}));
    EXPECT_EQ(form.PaintState, TWinSkinForm::psNormal);
    EXPECT_EQ(form.FrameKind, kFrameSizeable);
    EXPECT_EQ(form.BoxFlags, kMaximizeBox | kMinimizeBox | kSystemMenuBox);
    EXPECT_EQ(SendMessageW(form.Handle, WM_SKINQUERY, 0, 0), 1);
}

TEST_F(SkinnedFrame, ClientAreaIsTheWindowMinusTheSkinnedFrameAndKeepsItsSize) {
    HWND window = Window();
    RECT before{};
    GetClientRect(window, &before);
    TWinSkinForm& form = Skin(window);
    RECT client{}, outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, before.right);
    EXPECT_EQ(client.bottom, before.bottom);
    EXPECT_EQ(WindowSize(window), (Size{before.right + 16, before.bottom + 37}));
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, outer.left + form.FrameLeft);
    EXPECT_EQ(origin.y, outer.top + form.FrameTop);
    const Point corner = form.ScreenToWindow(outer.left + 30, outer.top + 50);
    EXPECT_EQ(corner, (Point{30, 50}));
}

TEST_F(SkinnedFrame, FramePixelsAreTheSkinPiecesComposedByTheDrawingUtilities) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    EXPECT_EQ(FrameDifferences(window, form, true), 0);
    const TWinSysButton& close = *form.TitleButtons[0];
    ASSERT_EQ(close.SkinButton->Action, kActionClose);
    EXPECT_TRUE(close.Visible);
    // Maximised: the restore button replaces the maximise button.
    ShowWindow(window, SW_MAXIMIZE);
    testing::Pump();
    EXPECT_TRUE(form.TitleButtons[3]->Visible);
    EXPECT_FALSE(form.TitleButtons[1]->Visible);
    EXPECT_EQ(FrameDifferences(window, form, true), 0);
}

TEST_F(SkinnedFrame, APlainWindowsWholeClientAreaTakesTheSkinsFaceColour) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    const Size size = WindowSize(window);
    const Rect client = SkinnedClientRect({0, 0, size.width, size.height}, form.Frame(), 0);
    const Image shot = Capture(window);
    const std::uint32_t face = rgb_of(to_pixel(DefaultSkin().Colours().ButtonFace));
    int other = 0;
    for (int y = client.top; y < client.bottom; ++y)
        for (int x = client.left; x < client.right; ++x) other += rgb_of(shot.at(x, y)) != face;
    EXPECT_EQ(other, 0);
}

TEST_F(SkinnedFrame, RegionLeavesOutTheKeyPixelsOfTheBorders) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    const Size size = WindowSize(window);
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(window, region.get()), COMPLEXREGION);
    EXPECT_TRUE(form.RegionSet);
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(from_rect(box), (Rect{0, 0, size.width, size.height}));
    // Every pixel of the left and right pieces is in the region exactly when it is not magenta.
    const Image left = BorderPiece(skin().BorderLeft, {8, size.height}, false, true);
    const Image right = BorderPiece(skin().BorderRight, {8, size.height}, false, true);
    int wrong = 0, key = 0;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < 8; ++x) {
            key += is_key(left.at(x, y));
            wrong += bool(PtInRegion(region.get(), x, y)) == is_key(left.at(x, y));
            wrong += bool(PtInRegion(region.get(), size.width - 8 + x, y)) == is_key(right.at(x, y));
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(key, 0);  // the default skin rounds its corners
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(region.get(), size.width - 1, 0));
    EXPECT_TRUE(PtInRegion(region.get(), size.width / 2, size.height / 2));
}

// The pixels of the title strip inside the caption rectangle with this colour.
int CaptionPixels(HWND window, const TWinSkinForm& form, Color colour) {
    const Image shot = Capture(window);
    int n = 0;
    for (int y = form.CaptionRect.top; y < form.CaptionRect.bottom; ++y)
        for (int x = form.CaptionRect.left; x < form.CaptionRect.right; ++x)
            n += rgb_of(shot.at(x, y)) == rgb_of(to_pixel(colour));
    return n;
}

TEST_F(SkinnedFrame, CaptionIsDrawnInTheActiveAndInactiveTitleColours) {
    HWND window = Window(kOverlapped, 0, L"Caption colours WWW");
    TWinSkinForm& form = Skin(window);
    const Color active = DefaultSkin().Colours().TitleTextActive;
    const Color inactive = DefaultSkin().Colours().TitleTextNoActive;
    EXPECT_GT(CaptionPixels(window, form, active), 20);
    EXPECT_EQ(CaptionPixels(window, form, inactive), 0);
    // No message loop: WM_NCACTIVATE paints the inactive frame itself.
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(form.Active);
    EXPECT_GT(CaptionPixels(window, form, inactive), 20);
    EXPECT_EQ(CaptionPixels(window, form, active), 0);
    EXPECT_EQ(FrameDifferences(window, form, false), 0);
}

TEST_F(SkinnedFrame, ButtonsSitAtTheSkinCoordinatesAndFollowTheVisibilityRules) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    const int w = WindowSize(window).width;
    ASSERT_EQ(form.TitleButtons.size(), skin().SysButtons.size());
    auto bounds = [&](int i) { return form.TitleButtons[std::size_t(i)]->BoundsRect; };
    auto visible = [&](int i) { return form.TitleButtons[std::size_t(i)]->Visible; };
    EXPECT_EQ(bounds(0), (Rect{w - 25, 5, w - 4, 24}));  // close
    EXPECT_EQ(bounds(1), (Rect{w - 49, 5, w - 28, 24}));  // maximise
    EXPECT_EQ(bounds(2), (Rect{w - 73, 5, w - 52, 24}));  // minimise
    EXPECT_TRUE(visible(0) && visible(1) && visible(2));
    EXPECT_FALSE(visible(3));  // restore: only when maximised
    EXPECT_EQ(form.RightButtonsLeft, w - 25);  // the largest left edge of the right-aligned ones
    EXPECT_EQ(form.ButtonAt({w - 20, 10}), form.TitleButtons[0].get());
    EXPECT_EQ(form.ButtonAt({w - 60, 4}), nullptr);

    HWND fixed = Window(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME);
    TWinSkinForm& no_max = Skin(fixed);
    EXPECT_TRUE(no_max.TitleButtons[0]->Visible);
    EXPECT_FALSE(no_max.TitleButtons[1]->Visible);
    EXPECT_TRUE(no_max.TitleButtons[2]->Visible);
    EXPECT_FALSE(no_max.TitleButtons[3]->Visible);

    HWND bare = Window(WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME);
    TWinSkinForm& no_menu = Skin(bare);
    EXPECT_EQ(no_menu.BoxFlags, 0);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(no_menu.TitleButtons[std::size_t(i)]->Visible) << i;
    EXPECT_TRUE(no_menu.TitleButtons[4]->Visible);  // the icon needs no system menu

    // A tool window: close only.
    HWND tool = Window(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW);
    TWinSkinForm& tool_form = Skin(tool);
    EXPECT_EQ(tool_form.BoxFlags, kSystemMenuBox);
    EXPECT_TRUE(tool_form.TitleButtons[0]->Visible);
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(tool_form.TitleButtons[std::size_t(i)]->Visible) << i;
    EXPECT_EQ(FrameDifferences(tool, tool_form, true), 0);
}

TEST_F(SkinnedFrame, SetWindowTextWithoutPumpingKeepsTheSkinnedFrame) {
    HWND window = Window(kOverlapped, 0, L"First");
    TWinSkinForm& form = Skin(window);
    for (int percent : {10, 55, 100}) {
        const std::wstring title = L"Converting " + std::to_wstring(percent) + L"%";
        SetWindowTextW(window, title.c_str());  // no message is handled in between
        EXPECT_EQ(FrameDifferences(window, form, true), 0) << percent;
        EXPECT_GT(CaptionPixels(window, form, DefaultSkin().Colours().TitleTextActive), 20);
    }
}

struct WindowFacts {
    LONG_PTR procedure;
    LONG style, ex_style;
    RECT window, client;
    int region;
    friend bool operator==(const WindowFacts& a, const WindowFacts& b) {
        return a.procedure == b.procedure && a.style == b.style && a.ex_style == b.ex_style &&
               EqualRect(&a.window, &b.window) && EqualRect(&a.client, &b.client) && a.region == b.region;
    }
};

WindowFacts FactsOf(HWND window) {
    WindowFacts f{};
    f.procedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
    f.style = GetWindowLongW(window, GWL_STYLE);
    f.ex_style = GetWindowLongW(window, GWL_EXSTYLE);
    GetWindowRect(window, &f.window);
    GetClientRect(window, &f.client);
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    f.region = GetWindowRgn(window, region.get());
    return f;
}

TEST_F(SkinnedFrame, UnskinGivesBackProcedureRegionStyleAndSizeExactly) {
    HWND window = Window();
    const WindowFacts before = FactsOf(window);
    TWinSkinForm& form = Skin(window);
    const WindowFacts skinned = FactsOf(window);
    EXPECT_NE(skinned.procedure, before.procedure);
    EXPECT_EQ(skinned.style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(skinned.region, COMPLEXREGION);
    form.Unskin();
    const WindowFacts after = FactsOf(window);
    EXPECT_EQ(after.procedure, before.procedure);
    EXPECT_EQ(after.style, before.style);
    EXPECT_EQ(after.ex_style, before.ex_style);
    EXPECT_TRUE(EqualRect(&after.window, &before.window));
    EXPECT_TRUE(EqualRect(&after.client, &before.client));
    EXPECT_EQ(after.region, ERROR);  // no region
    EXPECT_FALSE(form.RegionSet);
}

TEST_F(SkinnedFrame, TheLightUnskinKeepsAHiddenWindowHiddenAndAMaximisedOneMaximised) {
    TSkinData light(nullptr);
    light.SetSkinFile(testing::kDefaultSkin);
    light.SetSkinControls(kDefaultSkinControls - TSkinControlTypes{xcMainMenu});
    HWND hidden = Window();
    HWND maximised = Window();
    ShowWindow(hidden, SW_HIDE);
    ShowWindow(maximised, SW_MAXIMIZE);
    testing::Pump();
    for (HWND w : {hidden, maximised}) {
        auto* form = new TWinSkinForm(w);
        form->SkinWindow(light);
        EXPECT_FALSE(form->Hooked());  // the frame is not taken over
        form->Unskin();
        form->Release();
    }
    testing::Pump();
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_TRUE(IsZoomed(maximised));
}

// Live GDI objects of the process: the system's count, or where the system
// does not keep one (Wine), the handles of the table that still name an object.
int LiveGdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted) return int(counted);
    int live = 0;
    for (std::uintptr_t h = 0x20; h <= 0xFFFF; ++h)
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0;
    return live;
}

int ThreadWindows() {
    int n = 0;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<int*>(p), TRUE; },
                      reinterpret_cast<LPARAM>(&n));
    return n;
}

TEST_F(SkinnedFrame, AThousandAttachAndDetachCyclesLeaveWindowsAndGdiObjectsAsTheyWere) {
    HWND window = Window();
    {  // one round first, so what is made once per process exists already
        auto* form = new TWinSkinForm(window);
        form->SkinWindow(DefaultSkin());
        SendMessageW(window, WM_SKINSTART, 0, 1000);
        form->Release();
    }
    const int objects = LiveGdiObjects();
    const int windows = ThreadWindows();
    {  // the count sees objects come and go
        UniqueGdi<HBRUSH> a(CreateSolidBrush(1)), b(CreateSolidBrush(2));
        ASSERT_EQ(LiveGdiObjects(), objects + 2);
    }
    ASSERT_EQ(LiveGdiObjects(), objects);
    const WindowFacts before = FactsOf(window);
    for (int i = 0; i < 1000; ++i) {
        auto* form = new TWinSkinForm(window);
        form->SkinWindow(DefaultSkin());
        SendMessageW(window, WM_SKINSTART, 0, 1000);
        SendMessageW(window, WM_NCACTIVATE, i % 2, 0);
        form->Release();
    }
    EXPECT_EQ(LiveGdiObjects(), objects);
    EXPECT_EQ(ThreadWindows(), windows);
    EXPECT_EQ(FactsOf(window), before);
}

TEST_F(SkinnedFrame, AFrameworkFormKeepsItsClientSizeAndTakesTheSkinColour) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(60, 40, 360, 260);
    form->SetCaption("Framework form");
    form->Show();
    SetForegroundWindow(form->Handle());
    testing::Pump();
    const Rect before = form->ClientRect();
    auto* skinned = new TWinSkinForm();
    forms_.push_back(skinned);
    skinned->SkinForm(DefaultSkin(), *form);
    SendMessageW(form->Handle(), WM_SKINSTART, 0, 1000);
    testing::Pump();
    EXPECT_EQ(form->ClientRect().size(), before.size());
    EXPECT_EQ(form->GetColor(), DefaultSkin().Colours().ButtonFace);
    EXPECT_EQ(WindowSize(form->Handle()), (Size{before.width() + 16, before.height() + 37}));
    EXPECT_EQ(FrameDifferences(form->Handle(), *skinned, true), 0);
    skinned->Unskin();
    EXPECT_EQ(form->GetColor(), Color(clBtnFace));
    EXPECT_EQ(form->ClientRect().size(), before.size());
}

TEST_F(SkinnedFrame, ATemplateDialogIsSkinnedLikeAnyWindow) {
    // A modeless dialog from an in-memory template: caption, system menu, one button.
    alignas(4) WORD block[64] = {};
    auto* t = reinterpret_cast<DLGTEMPLATE*>(block);
    t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE;
    t->cdit = 0;
    t->cx = 160;
    t->cy = 80;
    WORD* p = block + sizeof(DLGTEMPLATE) / sizeof(WORD);
    *p++ = 0;  // no menu
    *p++ = 0;  // the dialog class
    for (const wchar_t* c = L"Dialog"; (*p++ = WORD(*c)); ++c) {}
    *p++ = 8;
    for (const wchar_t* c = L"Tahoma"; (*p++ = WORD(*c)); ++c) {}
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, nullptr,
                                             [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_TRUE(dialog);
    windows_.push_back(dialog);
    SetForegroundWindow(dialog);
    testing::Pump();
    RECT before{};
    GetClientRect(dialog, &before);
    TWinSkinForm& form = Skin(dialog);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_TRUE(EqualRect(&client, &before));
    EXPECT_EQ(form.BoxFlags, kSystemMenuBox);
    EXPECT_EQ(form.FrameKind, kFrameSizeable);  // the dialog frame has the window edge
    EXPECT_TRUE(form.TitleButtons[0]->Visible);
    EXPECT_EQ(FrameDifferences(dialog, form, true), 0);
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(dialog, region.get()), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
}

// The screen point of a window point.
LPARAM ScreenPoint(HWND window, Point p) {
    RECT r{};
    GetWindowRect(window, &r);
    return MAKELPARAM(r.left + p.x, r.top + p.y);
}

Point Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(SkinnedFrame, PressingAndReleasingTheCloseButtonClosesTheWindow) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    TWinSysButton& close = *form.TitleButtons[0];
    const LPARAM at = ScreenPoint(window, Centre(close.BoundsRect));
    SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, at);
    EXPECT_EQ(form.HotObject, &close);
    EXPECT_EQ(close.State, TNCObject::stHot);
    EXPECT_EQ(SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, at), 0);
    EXPECT_EQ(close.State, TNCObject::stPressed);
    EXPECT_EQ(SendMessageW(window, WM_NCLBUTTONUP, HTCLOSE, at), 0);
    EXPECT_EQ(close.State, TNCObject::stHot);
    EXPECT_TRUE(IsWindow(window));  // the close is posted
    testing::Pump();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SkinnedFrame, ReleasingOverAnotherButtonRunsNeitherAction) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    TWinSysButton& close = *form.TitleButtons[0];
    TWinSysButton& maximise = *form.TitleButtons[1];
    SendMessageW(window, WM_NCLBUTTONDOWN, HTMAXBUTTON, ScreenPoint(window, Centre(maximise.BoundsRect)));
    EXPECT_EQ(maximise.State, TNCObject::stPressed);
    const LPARAM over_close = ScreenPoint(window, Centre(close.BoundsRect));
    SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, over_close);
    EXPECT_EQ(maximise.State, TNCObject::stNormal);
    SendMessageW(window, WM_NCLBUTTONUP, HTCLOSE, over_close);
    testing::Pump();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsZoomed(window));
}

TEST_F(SkinnedFrame, TheHoverTimerEndsTheHotStateOnceTheCursorHasLeft) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    TWinSysButton& close = *form.TitleButtons[0];
    RECT r{};
    GetWindowRect(window, &r);
    SetCursorPos(r.left + Centre(close.BoundsRect).x, r.top + Centre(close.BoundsRect).y);
    SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, ScreenPoint(window, Centre(close.BoundsRect)));
    ASSERT_EQ(form.HotObject, &close);
    testing::Pump(40);  // 400 ms: the cursor is still over the button
    EXPECT_EQ(form.HotObject, &close);
    SetCursorPos(r.left + 100, r.bottom + 50);
    testing::Pump(40);
    EXPECT_EQ(form.HotObject, nullptr);
    EXPECT_EQ(close.State, TNCObject::stNormal);
}

TEST_F(SkinnedFrame, AnInactiveWindowIgnoresNonClientMouseMovement) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, ScreenPoint(window, Centre(form.TitleButtons[0]->BoundsRect)));
    EXPECT_EQ(form.HotObject, nullptr);
    EXPECT_EQ(form.TitleButtons[0]->State, 0);
}

TEST_F(SkinnedFrame, MaximiseAndMinimiseButtonsAndTheCaptionDoubleClick) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    auto click = [&](TWinSysButton& b) {
        const LPARAM at = ScreenPoint(window, Centre(b.BoundsRect));
        SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, at);
        SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, at);
        testing::Pump();
    };
    click(*form.TitleButtons[1]);
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_EQ(form.WindowState, TWinSkinForm::wsMaximized);
    click(*form.TitleButtons[3]);  // restore sits where maximise was
    EXPECT_FALSE(IsZoomed(window));
    SendMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(window, {100, 10}));
    testing::Pump();
    EXPECT_TRUE(IsZoomed(window));
    SendMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(window, {100, 10}));
    testing::Pump();
    EXPECT_FALSE(IsZoomed(window));
    click(*form.TitleButtons[2]);
    EXPECT_TRUE(IsIconic(window));

    HWND fixed = Window(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
    Skin(fixed);
    SendMessageW(fixed, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(fixed, {100, 10}));
    testing::Pump();
    EXPECT_FALSE(IsZoomed(fixed));  // no maximise box: nothing happens
}

TEST_F(SkinnedFrame, SystemMenuChoicesAltAloneAndTheSecondRightClickWithinTheDoubleClickTime) {
    HWND window = Window();
    TWinSkinForm& form = Skin(window);
    // The tracked system menu answers with WM_COMMAND: it goes on as a system command.
    SendMessageW(window, WM_COMMAND, SC_MINIMIZE, 0);
    testing::Pump();
    EXPECT_TRUE(IsIconic(window));
    ShowWindow(window, SW_RESTORE);
    testing::Pump();
    // Alt alone never starts the system's menu loop.
    EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
    // A right click on the caption right after the menu was opened closes the window.
    form.LastSysMenuTick = GetTickCount();
    EXPECT_EQ(SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(window, {100, 10})), 0);
    testing::Pump();
    EXPECT_FALSE(IsWindow(window));
}

// A small skin: plain opaque borders and one title-bar button of action 40.
std::vector<std::uint8_t> ActionFortyPackage() {
    auto text = [](std::string_view t) { return std::vector<std::uint8_t>(t.begin(), t.end()); };
    const ArchiveMember members[] = {
        {"skin.ini", text("[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\nLeft=side.bmp\r\nLeftFrame=2\r\n"
                          "Right=side.bmp\r\nRightFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n"
                          "[Button0]\r\nAction=40\r\nAlign=0\r\nXcoord=40\r\nYcoord=3\r\nVisibility=200\r\n"
                          "frame=4\r\nButtonImage=button.bmp\r\n")},
        {"top.bmp", encode_bmp(Image(40, 40, pixel_rgb(20, 40, 160)))},
        {"side.bmp", encode_bmp(Image(12, 40, pixel_rgb(20, 40, 160)))},
        {"bottom.bmp", encode_bmp(Image(40, 12, pixel_rgb(20, 40, 160)))},
        {"button.bmp", encode_bmp(Image(64, 14, pixel_rgb(200, 60, 60)))},
    };
    return PackSkin(members);
}

TSkinData& ActionFortySkin() {
    static TSkinData* data = [] {
        auto* d = new TSkinData(nullptr);
        d->LoadFromPackage(ActionFortyPackage());
        return d;
    }();
    return *data;
}

TEST_F(SkinnedFrame, ReApplyingAReloadedSkinResizesTheFrameAroundTheSameClientArea) {
    TSkinData data(nullptr);
    data.SetSkinFile(testing::kDefaultSkin);
    HWND window = Window();
    auto* form = new TWinSkinForm(window);
    forms_.push_back(form);
    form->SkinWindow(data);
    SendMessageW(window, WM_SKINSTART, 0, 1000);
    testing::Pump();
    RECT before{};
    GetClientRect(window, &before);
    ASSERT_TRUE(data.LoadFromPackage(ActionFortyPackage()));
    SendMessageW(window, WM_NCPAINT, 1, 0);  // painting in between follows the new records
    EXPECT_EQ(form->TitleButtons.size(), data.Skin().SysButtons.size());
    form->ApplySkinChange();
    testing::Pump();
    EXPECT_EQ(form->Frame(), (FrameWidths{6, 20, 6, 6}));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&client, &before));
    EXPECT_EQ(WindowSize(window), (Size{before.right + 12, before.bottom + 26}));
    UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, region.get()), SIMPLEREGION);  // opaque borders: a plain rectangle
    const Image shot = Capture(window);
    EXPECT_EQ(rgb_of(shot.at(2, 100)), rgb_of(pixel_rgb(20, 40, 160)));
}

TEST_F(SkinnedFrame, SkinChangedMakesAFrameworkFormReApplyItsSkinButNotAPlainWindow) {
    TSkinData data(nullptr);
    data.SetSkinFile(testing::kDefaultSkin);
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(60, 40, 360, 260);
    form->Show();
    testing::Pump();
    auto* skinned = new TWinSkinForm();
    forms_.push_back(skinned);
    skinned->SkinForm(data, *form);
    SendMessageW(form->Handle(), WM_SKINSTART, 0, 1000);
    HWND plain = Window();
    auto* plain_form = new TWinSkinForm(plain);
    forms_.push_back(plain_form);
    plain_form->SkinWindow(data);
    SendMessageW(plain, WM_SKINSTART, 0, 1000);
    const Size plain_size = WindowSize(plain);
    ASSERT_TRUE(data.LoadFromPackage(ActionFortyPackage()));
    SendMessageW(form->Handle(), WM_SKINCHANGED, 0, 0);
    EXPECT_EQ(skinned->Frame(), (FrameWidths{6, 20, 6, 6}));
    EXPECT_EQ(form->GetColor(), data.Colours().ButtonFace);
    SendMessageW(plain, WM_SKINCHANGED, 0, 0);
    EXPECT_EQ(WindowSize(plain), plain_size);  // not re-applied: only its manager does that
    EXPECT_EQ(plain_form->PaintState, TWinSkinForm::psNormal);
}

TEST_F(SkinnedFrame, AButtonOfAnUnknownActionPostsSkinQueryWithItsNumber) {
    HWND window = Window();
    auto* form = new TWinSkinForm(window);
    forms_.push_back(form);
    form->SkinWindow(ActionFortySkin());
    SendMessageW(window, WM_SKINSTART, 0, 1000);
    testing::Pump();
    EXPECT_EQ(form->Frame(), (FrameWidths{6, 20, 6, 6}));
    TWinSysButton& button = *form->TitleButtons[0];
    ASSERT_EQ(button.SkinButton->Action, 40);
    EXPECT_EQ(button.BoundsRect, (Rect{40, 3, 56, 17}));
    const LPARAM at = ScreenPoint(window, Centre(button.BoundsRect));
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, at);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, window, WM_SKINQUERY, WM_SKINQUERY, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 40u);
    EXPECT_EQ(msg.lParam, 0);
    EXPECT_EQ(DispatchMessageW(&msg), 1);  // the skinned window answers it itself
}

LRESULT CALLBACK ReleasingProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_USER + 7) {
        reinterpret_cast<TWinSkinForm*>(lparam)->Release();
        return 77;
    }
    return DefWindowProcW(window, msg, wparam, lparam);
}

TEST_F(SkinnedFrame, ReleasedFromInsideItsOwnWindowProcedureTheObjectGoesWhenItReturns) {
    HWND window = Window();
    const LONG_PTR own = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ReleasingProcedure));
    const WindowFacts before = FactsOf(window);
    TWinSkinForm& form = Skin(window);
    Forget(form);
    EXPECT_EQ(SendMessageW(window, WM_USER + 7, 0, reinterpret_cast<LPARAM>(&form)), 77);
    EXPECT_EQ(FactsOf(window), before);
    EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 0);  // nobody answers for the skin any more
    SetWindowLongPtrW(window, GWLP_WNDPROC, own);
}

}  // namespace
}  // namespace korvane
