// The skinned menu bar, its drop-downs and popup menus, driven by the mouse
// and the keyboard. Menu loops are modal: what happens inside them is done
// by timers, and a last timer ends any loop that is still open.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/win32_text.h"
#include "framework/win/menus.h"
#include "framework/win/window_test_support.h"
#include "framework/win/input_support.h"
#include "skin/draw/drawing.h"
#include "skin/draw/menu_layout.h"
#include "skin/engine/menu_script.h"
#include "skin/engine/popup_menu.h"
#include "skin/engine/skinned_window.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {
namespace {

using testing::DefaultSkin;
using testing::Script;
using testing::open_popups;

enum Command : UINT { cmOpen = 101, cmExit, cmCopy, cmDeep, cmAbout, cmHelpTopics, cmPlain };

std::vector<UINT> commands;  // WM_COMMAND of the test window, in order

LRESULT CALLBACK recording_proc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_COMMAND && lparam == 0) commands.push_back(LOWORD(wparam));
    return DefWindowProcW(window, msg, wparam, lparam);
}

HWND recording_window(HMENU menu) {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = recording_proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"KorvaneSkinnedMenuTest";
        return RegisterClassW(&wc);
    }();
    HWND window = CreateWindowExW(0, MAKEINTATOM(atom), L"Menus", WS_OVERLAPPEDWINDOW, 60, 40, 420, 300, nullptr,
                                  menu, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

class SkinnedMenus : public testing::FrameworkTest {
protected:
    void SetUp() override {
        testing::FrameworkTest::SetUp();
        commands.clear();
        file_ = CreatePopupMenu();
        AppendMenuW(file_, MF_STRING, cmOpen, L"&Open\tCtrl+O");
        AppendMenuW(file_, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(file_, MF_STRING, cmExit, L"E&xit");
        edit_ = CreatePopupMenu();
        deep_ = CreatePopupMenu();
        AppendMenuW(deep_, MF_STRING, cmDeep, L"&Deeper");
        AppendMenuW(edit_, MF_POPUP, UINT_PTR(deep_), L"&Convert");
        AppendMenuW(edit_, MF_STRING, cmCopy, L"&Copy");
        help_ = CreatePopupMenu();
        AppendMenuW(help_, MF_STRING, cmHelpTopics, L"&Topics");
        AppendMenuW(help_, MF_STRING, cmAbout, L"&About");
        HMENU bar = CreateMenu();
        AppendMenuW(bar, MF_POPUP, UINT_PTR(file_), L"&File");
        AppendMenuW(bar, MF_POPUP, UINT_PTR(edit_), L"&Edit");
        AppendMenuW(bar, MF_POPUP, UINT_PTR(help_), L"&Help");
        bar_ = bar;
        window_ = recording_window(bar);
        GetClientRect(window_, &client_before_);
        SetForegroundWindow(window_);
        testing::Pump();
        form_ = new TWinSkinForm(window_);
        form_->SkinWindow(DefaultSkin());
        SendMessageW(window_, WM_SKINSTART, 0, 1000);
        testing::Pump();
    }
    void TearDown() override {
        if (form_) form_->Release();
        if (IsWindow(window_)) DestroyWindow(window_);
        testing::FrameworkTest::TearDown();
    }
    // The screen point of an entry of the bar.
    Point EntryOnScreen(int index) const {
        RECT w{};
        GetWindowRect(window_, &w);
        const Rect& b = form_->MenuBar->Items[std::size_t(index)]->BoundsRect;
        return {w.left + (b.left + b.right) / 2, w.top + (b.top + b.bottom) / 2};
    }
    // Runs the steps while the drop-downs the script opens are tracked; true
    // when the script finished within the time.
    bool Run(Script& script) {
        const auto end = GetTickCount() + 8000;
        while (!script.Done() && GetTickCount() < end) testing::Pump(1);
        testing::Pump(20);
        return script.Done();
    }
    // Records the drop-down that is open now.
    std::function<void()> Record() {
        return [this] { opened_.push_back(form_->MenuTracking ? form_->TrackedMenu : nullptr); };
    }
    std::function<void()> Key(WORD key) {
        return [key] {
            const std::vector<HWND> popups = open_popups();
            if (!popups.empty()) PostMessageW(popups.back(), WM_KEYDOWN, key, 0);
        };
    }

    HMENU file_ = nullptr, edit_ = nullptr, deep_ = nullptr, help_ = nullptr, bar_ = nullptr;
    HWND window_ = nullptr;
    RECT client_before_{};
    TWinSkinForm* form_ = nullptr;
    std::vector<HMENU> opened_;
};

TEST_F(SkinnedMenus, TheBarTakesTheMenuAndKeepsTheClientArea) {
    ASSERT_TRUE(form_->MenuBar);
    EXPECT_EQ(GetMenu(window_), nullptr);
    EXPECT_EQ(form_->MenuBarHeight, GetSystemMetrics(SM_CYMENU));
    RECT client{}, outer{};
    GetClientRect(window_, &client);
    GetWindowRect(window_, &outer);
    EXPECT_EQ(client.right, client_before_.right);
    EXPECT_EQ(client.bottom, client_before_.bottom);
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    EXPECT_EQ(origin.y - outer.top, form_->FrameTop + form_->MenuBarHeight);

    // Entries: caption text + 10 wide, side by side from the element's margin + 4.
    const auto& items = form_->MenuBar->Items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->Caption, "&File");
    EXPECT_EQ(items[1]->Caption, "&Edit");
    EXPECT_EQ(items[2]->SubMenu, help_);
    HDC screen = GetDC(nullptr);
    SelectObject(screen, form_->MenuFont.get());
    const TDataSkinObject& element = *DefaultSkin().Skin().MenuBar;
    const int bar_width = (outer.right - outer.left) - form_->FrameLeft - form_->FrameRight;
    int x = form_->FrameLeft + MenuBarFirstX(true, element.LeftWidth, bar_width);
    for (const auto& entry : items) {
        const std::wstring text = widen(entry->Caption);
        RECT r{0, 0, 0, 0};
        DrawTextW(screen, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        EXPECT_EQ(entry->BoundsRect, (Rect{x, form_->FrameTop, x + r.right + 10, form_->FrameTop + form_->MenuBarHeight - 1}))
            << entry->Caption;
        x += r.right + 10;
    }
    ReleaseDC(nullptr, screen);

    // The bar's pixels between the entries come from the skin, not the system.
    const Image shot = testing::Capture(window_);
    const Rect& last = items[2]->BoundsRect;
    const Image background = BuildNineSlice({bar_width, form_->MenuBarHeight},
                                            Strip{element.Bitmap.view(), 2, true}, 1,
                                            {element.LeftWidth, 0, element.RightWidth, 0}, false);
    const int probe = last.right + 20 - form_->FrameLeft;
    EXPECT_EQ(rgb_of(shot.at(last.right + 20, form_->FrameTop + 2)), rgb_of(background.at(probe, 2)));
}

TEST_F(SkinnedMenus, UnskinGivesTheMenuBackWithItsOwnDrawing) {
    // Open and close File: its items are owner-drawn while skinned.
    Script script({[] {}, [] { EndMenu(); }});
    PostMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(EntryOnScreen(0).x, EntryOnScreen(0).y));
    ASSERT_TRUE(Run(script));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(file_, 0, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);

    form_->Unskin();
    testing::Pump();
    EXPECT_EQ(GetMenu(window_), bar_);
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.bottom, client_before_.bottom);
    EXPECT_EQ(client.right, client_before_.right);
    for (HMENU menu : {file_, edit_, deep_})
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
            EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << i;
        }
    wchar_t text[32] = {};
    GetMenuStringW(file_, cmOpen, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Open\tCtrl+O");
}

TEST_F(SkinnedMenus, AClickOnAnEntryOpensItsDropDownAndTheChosenCommandArrives) {
    Script script({Record(), Key(VK_DOWN), Key(VK_RETURN)});
    testing::ClickAt(EntryOnScreen(0));
    ASSERT_TRUE(Run(script));
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], file_);
    EXPECT_FALSE(form_->MenuTracking);
    EXPECT_EQ(TWinSkinMenu::Tracking(), nullptr);
    // The first item is selected on opening; Down moves past the separator.
    EXPECT_EQ(commands, (std::vector<UINT>{cmExit}));
}

TEST_F(SkinnedMenus, MovingTheMouseToAnotherEntrySwitchesDropDowns) {
    Script script({Record(), [this] {
                       const Point p = EntryOnScreen(2);
                       SetCursorPos(p.x, p.y);
                       INPUT move{};
                       move.type = INPUT_MOUSE;
                       move.mi.dwFlags = MOUSEEVENTF_MOVE;
                       SendInput(1, &move, sizeof move);
                   },
                   [] {}, Record(), Key(VK_RETURN)});
    testing::ClickAt(EntryOnScreen(0));
    ASSERT_TRUE(Run(script));
    EXPECT_EQ(opened_, (std::vector<HMENU>{file_, help_}));
    EXPECT_EQ(commands, (std::vector<UINT>{cmHelpTopics}));
}

TEST_F(SkinnedMenus, LeftAndRightMoveAlongTheBarAndWrap) {
    Script script({Record(), Key(VK_LEFT), [] {}, Record(), Key(VK_RIGHT), [] {}, Record(), Key(VK_ESCAPE)});
    PostMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(EntryOnScreen(0).x, EntryOnScreen(0).y));
    ASSERT_TRUE(Run(script));
    // Left on the first entry opens the last; Right on the last the first.
    EXPECT_EQ(opened_, (std::vector<HMENU>{file_, help_, file_}));
    EXPECT_FALSE(form_->MenuTracking);
    EXPECT_TRUE(open_popups().empty());
}

TEST_F(SkinnedMenus, RightOnAnItemWithASubMenuOpensTheSubMenu) {
    std::size_t popups_after_right = 0;
    Script script({Record(), Key(VK_RIGHT), [&] { popups_after_right = open_popups().size(); }, Record(),
                   [] { EndMenu(); }});
    PostMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(EntryOnScreen(1).x, EntryOnScreen(1).y));
    ASSERT_TRUE(Run(script));
    EXPECT_EQ(opened_, (std::vector<HMENU>{edit_, edit_}));
    EXPECT_EQ(popups_after_right, 2u);
}

TEST_F(SkinnedMenus, AltAloneIsInertAndAltLetterOpensItsEntry) {
    // Alt alone: answered, no menu loop of the system's.
    EXPECT_EQ(SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
    EXPECT_TRUE(open_popups().empty());
    EXPECT_FALSE(form_->MenuTracking);
    // A letter no entry has goes on as usual; Alt+space is the system menu's.
    EXPECT_EQ(form_->MenuBar->FindAccelItem(L'q'), nullptr);
    EXPECT_EQ(form_->MenuBar->FindAccelItem(L'h'), form_->MenuBar->Items[2].get());

    Script script({Record(), Key(VK_ESCAPE), [] {}});
    EXPECT_EQ(SendMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, 'e'), 1);
    ASSERT_TRUE(Run(script));
    EXPECT_EQ(opened_, (std::vector<HMENU>{edit_}));
    EXPECT_FALSE(form_->MenuTracking);
    EXPECT_TRUE(commands.empty());  // Escape chose nothing
}

TEST_F(SkinnedMenus, WindowMenuItemsAreMeasuredByTheSkinRules) {
    // Items are owner-drawn once their drop-down was opened.
    MEASUREITEMSTRUCT separator{ODT_MENU, 0, 0, 0, 15, 0};
    ASSERT_EQ(SendMessageW(window_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&separator)), TRUE);
    EXPECT_EQ(separator.itemHeight, 8u);
    EXPECT_EQ(separator.itemWidth, 26u);
    MEASUREITEMSTRUCT exit{ODT_MENU, 0, cmExit, 0, 15, 0};
    ASSERT_EQ(SendMessageW(window_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&exit)), TRUE);
    EXPECT_EQ(exit.itemHeight, 19u);
    HDC screen = GetDC(nullptr);
    SelectObject(screen, form_->MenuFont.get());
    RECT r{0, 0, 0, 0};
    DrawTextW(screen, L"E&xit", 5, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(exit.itemWidth, UINT(r.right + 26));
}

TEST_F(SkinnedMenus, WindowMenuItemsAreDrawnFromTheMenuItemElement) {
    const int w = 120, h = 20;
    TBitmap target;
    target.SetSize(w, h);
    const TDataSkinObject& element = *DefaultSkin().Skin().MenuItem;
    for (bool selected : {false, true}) {
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_MENU;
        request.itemID = cmExit;
        request.itemState = selected ? ODS_SELECTED : 0;
        request.hwndItem = reinterpret_cast<HWND>(file_);
        request.hDC = target.Canvas().Handle();
        request.rcItem = {0, 0, w, h};
        ASSERT_EQ(SendMessageW(window_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request)), TRUE);
        const Image want = BuildNineSlice({w, h}, Strip{element.Bitmap.view(), 5, false}, selected ? 4 : 1,
                                          {element.LeftWidth, element.TopHeight, element.RightWidth,
                                           element.BottomHeight},
                                          element.Tile != 0);
        // The right end carries no text: it is the element's own.
        for (int y = 0; y < h; ++y) {
            const Pixel p = want.at(w - 2, y);
            const Pixel expected = element.Trans && is_key(p) ? to_pixel(ColorToRGB(DefaultSkin().Colours().Menu)) : p;
            EXPECT_EQ(rgb_of(target.View().at(w - 2, y)), rgb_of(expected)) << selected << " " << y;
        }
    }
}

TEST_F(SkinnedMenus, APopupMenuWindowGetsTheSkinnedBorderAndBackground) {
    HMENU context = CreatePopupMenu();
    AppendMenuW(context, MF_STRING, cmPlain, L"&Plain item");
    AppendMenuW(context, MF_STRING, cmPlain + 1, L"&Second item");
    TWinSkinPopMenu popup;
    Image printed, border_shot;
    Image want;
    Script script({[&] {
                       const std::vector<HWND> popups = open_popups();
                       if (popups.empty()) return;
                       popup.Attach(popups.back(), DefaultSkin(), context);
                       RECT r{};
                       GetWindowRect(popups.back(), &r);
                       const Size size{r.right - r.left, r.bottom - r.top};
                       const TDataSkinObject& element = *DefaultSkin().Skin().MenuBackground;
                       want = BuildNineSlice(size, Strip{element.Bitmap.view(), 1, false}, 1,
                                             {element.LeftWidth, element.TopHeight, element.RightWidth,
                                              element.BottomHeight},
                                             element.Tile != 0);
                       // Wine never sends WM_PRINTCLIENT to a menu: it is sent here.
                       TBitmap dc_target;
                       dc_target.SetSize(size.width, size.height);
                       SendMessageW(popups.back(), WM_PRINTCLIENT,
                                    reinterpret_cast<WPARAM>(dc_target.Canvas().Handle()), PRF_CLIENT);
                       printed = Image::copy_of(dc_target.View());
                       RedrawWindow(popups.back(), nullptr, nullptr,
                                    RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                   },
                   [&] {
                       const std::vector<HWND> popups = open_popups();
                       if (!popups.empty()) border_shot = testing::Capture(popups.back());
                   },
                   [] { EndMenu(); }});
    TrackPopupMenu(context, TPM_RIGHTBUTTON, 200, 200, 0, window_, nullptr);
    ASSERT_TRUE(Run(script));
    DestroyMenu(context);
    ASSERT_FALSE(want.empty());
    ASSERT_EQ(printed.width(), want.width());
    const int w = want.width(), h = want.height();
    // The 3-pixel border and the background are the composed image.
    int differ = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool border = x < kPopupBorder || y < kPopupBorder || x >= w - kPopupBorder || y >= h - kPopupBorder;
            if (border && rgb_of(printed.at(x, y)) != rgb_of(want.at(x, y))) ++differ;
        }
    EXPECT_EQ(differ, 0);
    ASSERT_EQ(border_shot.width(), w);
    differ = 0;
    for (int x = 0; x < w; ++x)
        for (int y : {0, 1, 2, h - 3, h - 2, h - 1})
            if (rgb_of(border_shot.at(x, y)) != rgb_of(want.at(x, y))) ++differ;
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(popup.MenuHandle, context);
}

TEST_F(SkinnedMenus, RealAltKeys) {
    // Alt pressed and let go alone: no menu loop, nothing highlighted.
    testing::PressKeys({VK_MENU});
    testing::Pump(10);
    EXPECT_TRUE(open_popups().empty());
    EXPECT_FALSE(form_->MenuTracking);
    Script script({Record(), Key(VK_ESCAPE), [] {}});
    testing::PressKeys({VK_MENU, 'H'});
    ASSERT_TRUE(Run(script));
    EXPECT_EQ(opened_, (std::vector<HMENU>{help_}));
    EXPECT_TRUE(open_popups().empty());
}

class SkinnedPopupMenus : public testing::FrameworkTest {};

TEST_F(SkinnedPopupMenus, AFrameworkFormsMenuBarOpensWithAltLetterAndRunsTheItem) {
    auto* form = new TForm(nullptr);
    form->SetBounds(60, 60, 360, 240);
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("&File");
    auto* open = new TMenuItem(form);
    open->SetCaption("&Open");
    int clicks = 0;
    open->OnClick = [&](TObject*) { ++clicks; };
    file->Add(open);
    menu->Items().Add(file);
    form->SetMenu(menu);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
    RECT before{};
    GetClientRect(form->Handle(), &before);
    auto* skinning = new TWinSkinForm();
    skinning->SkinForm(DefaultSkin(), *form);
    SendMessageW(form->Handle(), WM_SKINSTART, 0, 1000);
    Pump();
    ASSERT_TRUE(skinning->MenuBar);
    ASSERT_EQ(skinning->MenuBar->Items.size(), 1u);
    EXPECT_EQ(skinning->MenuBar->Items[0]->Caption, "&File");
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);

    HMENU opened = nullptr;
    Script script({[&] { opened = skinning->TrackedMenu; },
                   [] {
                       const std::vector<HWND> popups = open_popups();
                       if (!popups.empty()) PostMessageW(popups.back(), WM_KEYDOWN, VK_RETURN, 0);
                   },
                   [] {}});
    testing::PressKeys({VK_MENU, 'F'});
    const auto end = GetTickCount() + 8000;
    while (!script.Done() && GetTickCount() < end) Pump();
    Pump();
    EXPECT_EQ(opened, file->Handle());
    EXPECT_EQ(clicks, 1);

    // A change of the menu reads the entries again; the window stays without one.
    auto* edit = new TMenuItem(form);
    edit->SetCaption("&Edit");
    menu->Items().Add(edit);
    Pump();
    EXPECT_EQ(skinning->MenuBar->Items.size(), 2u);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);

    skinning->Unskin();
    EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
    RECT after{};
    GetClientRect(form->Handle(), &after);
    EXPECT_EQ(after.bottom, before.bottom);
    skinning->Release();
    delete form;
}

TEST_F(SkinnedPopupMenus, TagRulesAndUnskinRestoreTheMenusOwnDrawing) {
    auto* form = new TForm(nullptr);
    form->SetBounds(50, 50, 300, 200);
    auto* disabled = new TPopupMenu(form);
    disabled->SetTag(199);  // 199 mod 100 = the DisableTag 99
    auto* kept_item = new TMenuItem(form);
    kept_item->SetCaption("Kept");
    disabled->Items().Add(kept_item);
    auto* skinned = new TPopupMenu(form);
    auto* plain = new TMenuItem(form);
    plain->SetCaption("Plain");
    auto* own = new TMenuItem(form);
    own->SetCaption("Own");
    bool own_drawn = false;
    own->OnDrawItem = [&](TObject*, TCanvas&, Rect, bool) { own_drawn = true; };
    auto* system = new TMenuItem(form);
    system->SetCaption("System");
    system->SetTag(999);
    for (TMenuItem* item : {plain, own, system}) skinned->Items().Add(item);
    form->Show();
    Pump();

    auto* skinning = new TWinSkinForm();
    skinning->SkinForm(DefaultSkin(), *form);
    EXPECT_FALSE(disabled->OwnerDraw());
    EXPECT_FALSE(kept_item->OnDrawItem);
    EXPECT_TRUE(skinned->OwnerDraw());
    EXPECT_TRUE(plain->OnDrawItem);
    EXPECT_TRUE(plain->OnMeasureItem);
    EXPECT_FALSE(system->OnDrawItem);
    ASSERT_TRUE(own->OnDrawItem);
    TCanvas canvas;
    own->OnDrawItem(own, canvas, {}, false);
    EXPECT_TRUE(own_drawn);

    // Measuring adds the 28 pixels of the glyph column.
    int width = 50, height = 19;
    plain->OnMeasureItem(plain, canvas, width, height);
    EXPECT_EQ(width, 78);

    skinning->Unskin();
    EXPECT_FALSE(skinned->OwnerDraw());
    EXPECT_FALSE(plain->OnDrawItem);
    EXPECT_FALSE(plain->OnMeasureItem);
    own_drawn = false;
    ASSERT_TRUE(own->OnDrawItem);
    own->OnDrawItem(own, canvas, {}, false);
    EXPECT_TRUE(own_drawn);
    skinning->Release();
    delete form;
}

}  // namespace
}  // namespace korvane
