#include "skin/engine/win_skin_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/win/window_test_support.h"
#include "skin/engine/skinned_window.h"

namespace korvane {
namespace {

using testing::BorderPiece;
using testing::Capture;
using testing::DefaultSkin;
using testing::Differences;
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

// The whole frame as the drawing utilities compose it from the skin: the side
// pieces own the corners, the top piece spans between them, the title-bar
// buttons go over the strip (and over the side pieces where they reach them).
Image ExpectedFrame(const TWinSkinForm& form, Size size, bool active) {
    const int w = size.width, h = size.height;
    Image frame(w, h);
    auto put = [&](const Image& piece, Point at) {
        StretchBlit(frame.mutable_view(), Rect::from_size(at.x, at.y, piece.width(), piece.height()), piece,
                    {0, 0, piece.width(), piece.height()});
    };
    put(BorderPiece(skin().BorderLeft, {8, h}, false, active), {0, 0});
    put(BorderPiece(skin().BorderRight, {8, h}, false, active), {w - 8, 0});
    put(BorderPiece(skin().BorderBottom, {w - 16, 8}, true, active), {8, h - 8});
    put(BorderPiece(skin().BorderTop, {w - 16, 29}, true, active), {8, 0});
    for (const auto& b : form.TitleButtons) {
        const TDataSkinSysButton& r = *b->SkinButton;
        if (!b->Visible || r.Bitmap.empty() || IsIconAction(r.Action)) continue;
        DrawStripFrame(frame.mutable_view(), b->BoundsRect, {r.Bitmap.view(), r.Frame, false},
                       TitleButtonFrame(active, r.Frame), true);
    }
    return frame;
}

// Differences between the window and the expected frame outside the client
// area and the caption text.
int FrameDifferences(HWND window, const TWinSkinForm& form, bool active) {
    const Size size = WindowSize(window);
    const Rect client = SkinnedClientRect({0, 0, size.width, size.height}, form.Frame(), 0);
    return Differences(Capture(window), {0, 0}, ExpectedFrame(form, size, active),
                       [&](Point p) { return client.contains(p) || form.CaptionRect.contains(p); });
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
