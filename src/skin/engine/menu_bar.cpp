#include "skin/engine/menu_bar.h"

#include <algorithm>
#include <cwctype>

#include "base/win32_text.h"
#include "framework/win/gdi.h"
#include "framework/win/menus.h"
#include "skin/draw/drawing.h"
#include "skin/draw/menu_layout.h"
#include "skin/draw/mdi_rules.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {

TWinSkinMenu* TWinSkinMenu::tracking_ = nullptr;

namespace {

// The state of the one menu loop running at a time.
struct TrackState {
    UniqueHook hook;
    int index = -1;             // the entry whose drop-down is open
    bool switching = false;     // a move to another entry is under way
    bool first_key_sent = false;
    POINT last_mouse{};
    MenuSelection selection;
};
TrackState track;

std::wstring menu_text(HMENU menu, UINT position) {
    wchar_t buffer[81] = {};
    const int n = GetMenuStringW(menu, position, buffer, 81, MF_BYPOSITION);
    return std::wstring(buffer, std::size_t(std::clamp(n, 0, 80)));
}

// The accelerator of a caption: the character after a single "&".
wchar_t accelerator(const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == L'&') {
            if (caption[i + 1] != L'&') return wchar_t(std::towupper(caption[i + 1]));
            ++i;
        }
    return 0;
}

COLORREF rgb(Color c) { return ColorToRGB(c); }

}  // namespace

void TMenuBtn::Paint() { Bar->PaintEntry(*this); }

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form) : TComponent(nullptr), Form(&form) {}

TWinSkinMenu::~TWinSkinMenu() {
    if (tracking_ == this) StopTracking();
    RestoreOwnerDraw();
    if (Form->HotObject && dynamic_cast<TMenuBtn*>(Form->HotObject)) Form->HotObject = nullptr;
}

void TWinSkinMenu::RebuildItems() {
    HMENU menu = GetMenu(Form->Handle);
    if (!menu) return;  // already taken off: the entries read before stay
    if (Form->HotObject && dynamic_cast<TMenuBtn*>(Form->HotObject)) Form->HotObject = nullptr;
    MenuHandle = menu;
    Items.clear();
    ItemCount = GetMenuItemCount(menu);
    for (int i = 0; i < ItemCount; ++i) {
        auto entry = std::make_unique<TMenuBtn>(*Form, *this);
        entry->SkinData = SkinData;
        entry->Index = i;
        entry->Visible = true;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        entry->SubMenu = info.hSubMenu;
        entry->Enabled = !(info.fState & MFS_DISABLED);
        entry->ID = int(info.wID);
        entry->Caption = narrow(menu_text(menu, UINT(i)));
        // An owner-drawn entry has no text: the framework item tells.
        if (entry->Caption.empty() && Menu && i < Menu->Items().Count()) {
            TMenuItem* item = Menu->Items().Items(i);
            entry->Caption = item->Caption();
            entry->Enabled = item->Enabled();
            entry->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
        }
        Items.push_back(std::move(entry));
    }
    // The system draws no bar of its own.
    SetMenu(Form->Handle, nullptr);
}

void TWinSkinMenu::PaintBar(HDC dc, const Rect& r) {
    const int w = r.width(), h = r.height();
    if (w <= 0 || h <= 0 || !SkinData || SkinData->Empty()) return;
    TBitmap bar;
    bar.SetSize(w, h);
    const TDataSkinObject* element = SkinData->Skin().MenuBar.get();
    const bool drawn = element && !element->Bitmap.empty();
    if (drawn) {
        const Strip strip{element->Bitmap.view(), 2, true};
        const Margins margins{element->LeftWidth, 0, element->RightWidth, 0};
        if (element->Tile == 1)
            DrawNineSlice(bar.MutableView(), {0, 0, w, h}, strip, Form->Active ? 1 : 2, margins, false, false);
        else
            DrawThreeSlice(bar.MutableView(), {0, 0, w, h}, strip, Form->Active ? 1 : 2, margins, false);
    } else {
        bar.Canvas().Brush().SetColor(SkinData->Colours().Menubar);
        bar.Canvas().FillRect({0, 0, w, h});
    }
    BarRect = r;
    BarBackground.Assign(&bar);

    HDC bar_dc = bar.Canvas().Handle();
    SelectGuard font(bar_dc, Form->MenuFont.get());
    std::vector<int> widths;
    for (const auto& entry : Items) {
        const std::wstring text = widen(entry->Caption);
        RECT extent{0, 0, 0, 0};
        DrawTextW(bar_dc, text.c_str(), int(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        widths.push_back(extent.right - extent.left);
    }
    const int first = MenuBarFirstX(drawn, drawn ? element->LeftWidth : 0, w);
    const std::vector<Rect> bounds = LayoutMenuBar(r, first, widths);
    Painting = true;
    for (std::size_t i = 0; i < Items.size(); ++i) {
        Items[i]->BoundsRect = bounds[i];
        DrawEntryCaption(bar_dc, *Items[i], bounds[i].translated(-r.left, -r.top));
    }
    Painting = false;
    if (ShowsMaximisedChildButtons(Form->Family())) PaintChildButtons(bar, r);
    BitBlt(dc, r.left, r.top, w, h, bar_dc, 0, 0, SRCCOPY);
}

void TWinSkinMenu::PaintChildButtons(TBitmap& bar, const Rect& r) {
    for (const auto& button : Form->TitleButtons) {
        const TDataSkinSysButton& record = *button->SkinButton;
        if (record.Visibility != 100 || record.Bitmap.empty() || record.Frame <= 0) continue;
        const Strip strip{record.Bitmap.view(), record.Frame, false};
        DrawStripFrame(bar.MutableView(), BarButtonRect(button->BoundsRect, r), strip, 1, true);
    }
    // The children follow: while one is maximised none wears the skinned frame.
    if (SkinManager && !SkinManager->MdiMaximized()) SkinManager->SetMdiMax(true);
}

void TWinSkinMenu::DrawEntryCaption(HDC dc, const TMenuBtn& entry, const Rect& r) const {
    const std::wstring text = widen(entry.Caption);
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    SelectGuard font(dc, Form->MenuFont.get());
    SetTextColor(dc, rgb(entry.Enabled ? SkinData->Colours().MenuBarText : clBtnShadow));
    RECT box = to_rect(r);
    DrawTextW(dc, text.c_str(), int(text.size()), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
    SetBkMode(dc, old_mode);
}

void TWinSkinMenu::PaintEntry(TMenuBtn& entry) {
    if (BarBackground.Empty() || !SkinData || SkinData->Empty()) return;
    HDC dc = GetWindowDC(Form->Handle);
    if (!dc) return;
    const Rect& b = entry.BoundsRect;
    // The entry's column of the background, the full height of the bar.
    const int x = b.left - BarRect.left;
    BitBlt(dc, b.left, BarRect.top, b.width(), BarRect.height(), BarBackground.Canvas().Handle(), x, 0, SRCCOPY);
    if (entry.State == TNCObject::stHot || entry.State == TNCObject::stPressed) {
        UniqueGdi<HBRUSH> frame(CreateSolidBrush(rgb(SkinData->Colours().ButtonHilight)));
        const RECT box = to_rect(b);
        FrameRect(dc, &box, frame.get());
    }
    DrawEntryCaption(dc, entry, b);
    ReleaseDC(Form->Handle, dc);
}

TMenuBtn* TWinSkinMenu::ItemAt(Point p) const {
    std::vector<Rect> bounds;
    const auto has_caption = std::make_unique<bool[]>(Items.size());
    for (std::size_t i = 0; i < Items.size(); ++i) {
        bounds.push_back(Items[i]->BoundsRect);
        has_caption[i] = !Items[i]->Caption.empty();
    }
    const std::optional<int> index = MenuBarEntryAt(bounds, std::span<const bool>(has_caption.get(), Items.size()), p);
    return index ? Items[std::size_t(*index)].get() : nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelItem(wchar_t c) const {
    const wchar_t wanted = wchar_t(std::towupper(c));
    if (!wanted) return nullptr;
    for (const auto& entry : Items)
        if (entry->Enabled && accelerator(widen(entry->Caption)) == wanted) return entry.get();
    return nullptr;
}

void TWinSkinMenu::SwitchToOwnerDraw(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
        if (info.hSubMenu) SwitchToOwnerDraw(info.hSubMenu);
        if (info.fType & MFT_OWNERDRAW) continue;
        // A framework item with Tag 999 keeps the system's drawing.
        if (TMenuItem* item = TMenu::FindMenuItem(info.hSubMenu ? UINT_PTR(info.hSubMenu) : 0, fkHandle);
            item && item->Tag() == kPlainItemTag)
            continue;
        MENUITEMINFOW id{};
        id.cbSize = sizeof id;
        id.fMask = MIIM_ID;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &id);
        if (TMenuItem* item = TMenu::FindMenuItem(id.wID, fkCommand); item && item->Tag() == kPlainItemTag) continue;
        info.fMask = MIIM_FTYPE;
        info.fType |= MFT_OWNERDRAW;
        if (SetMenuItemInfoW(menu, UINT(i), TRUE, &info)) switched_.push_back({menu, UINT(i)});
    }
}

void TWinSkinMenu::RestoreOwnerDraw() {
    for (const SwitchedItem& s : switched_) {
        if (!IsMenu(s.menu)) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (!GetMenuItemInfoW(s.menu, s.position, TRUE, &info)) continue;
        info.fType &= ~UINT(MFT_OWNERDRAW);
        SetMenuItemInfoW(s.menu, s.position, TRUE, &info);
    }
    switched_.clear();
}

bool TWinSkinMenu::OpenItem(TMenuBtn& entry) {
    // The entry's own command: a plain entry's, or a framework entry's (its
    // drop-down's items are brought up to date there). The identifier of a
    // plain drop-down entry is its menu handle and may equal any item's
    // command, so it is never posted.
    if (!entry.SubMenu || (Menu && Menu->FindItem(UINT_PTR(entry.ID), fkCommand)))
        PostMessageW(Form->Handle, WM_COMMAND, WPARAM(entry.ID), 0);
    if (!entry.SubMenu) return false;
    track.index = entry.Index;
    tracking_ = this;
    RedrawWindow(Form->Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    // The frame's paint forgot the pressed entry: it shows pressed while its drop-down is open.
    entry.State = TNCObject::stPressed;
    Form->HotObject = &entry;
    PaintEntry(entry);
    SwitchToOwnerDraw(entry.SubMenu);
    Form->MenuTracking = true;
    Form->TrackedMenu = entry.SubMenu;
    StartTracking();
    if (entry.Enabled) {
        POINT at{entry.BoundsRect.left, entry.BoundsRect.bottom};
        RECT window{};
        GetWindowRect(Form->Handle, &window);
        at.x += window.left;
        at.y += window.top;
        // The choice comes back here and goes to the window as its command,
        // as from the system's own menu bar.
        const UINT command = UINT(TrackPopupMenuEx(entry.SubMenu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_LEFTALIGN,
                                                   at.x, at.y, Form->Handle, nullptr));
        if (command) PostMessageW(Form->Handle, WM_COMMAND, WPARAM(command), 0);
    }
    StopTracking();
    Form->MenuTracking = false;
    Form->TrackedMenu = nullptr;
    if (entry.State != TNCObject::stNormal) entry.MouseLeave();
    return true;
}

void TWinSkinMenu::ClickItem(TMenuBtn& entry) {
    RedrawWindow(Form->Handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    RECT window{};
    GetWindowRect(Form->Handle, &window);
    const int x = entry.BoundsRect.left + window.left + 1, y = entry.BoundsRect.top + window.top + 1;
    // The running loop ends first: the press is handled after it returned.
    if (tracking_) EndMenu();
    PostMessageW(Form->Handle, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(x, y));
}

void TWinSkinMenu::StartTracking() {
    track.switching = false;
    track.first_key_sent = false;
    track.selection = {};
    GetCursorPos(&track.last_mouse);
    if (!track.hook)
        track.hook.reset(SetWindowsHookExW(WH_MSGFILTER, FilterProcedure, nullptr, GetCurrentThreadId()));
}

void TWinSkinMenu::StopTracking() {
    track.hook.reset();
    track.index = -1;
    track.first_key_sent = false;
    tracking_ = nullptr;
}

void TWinSkinMenu::Selected(WPARAM wparam, LPARAM lparam) {
    const UINT flags = HIWORD(wparam);
    HMENU menu = reinterpret_cast<HMENU>(lparam);
    if (flags == 0xFFFF && !menu) {
        // The menu closes: the window's tracking ends unless another entry opens.
        if (!track.switching) Form->MenuTracking = false;
        return;
    }
    track.switching = false;
    track.selection.none = false;
    track.selection.has_children = (flags & MF_POPUP) != 0;
    track.selection.in_top_dropdown = menu == Form->TrackedMenu;
}

LRESULT CALLBACK TWinSkinMenu::FilterProcedure(int code, WPARAM wparam, LPARAM lparam) {
    const LRESULT next = CallNextHookEx(nullptr, code, wparam, lparam);
    if (next != 0 || code != MSGF_MENU || !tracking_) return next;
    // A message that switched to another entry is not the menu's any more.
    return tracking_->Filter(*reinterpret_cast<const MSG*>(lparam)) ? 1 : next;
}

bool TWinSkinMenu::Filter(const MSG& msg) {
    if (!track.first_key_sent) {
        // The first item of the drop-down is selected, as on a system menu bar.
        track.first_key_sent = true;
        PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    std::optional<int> target;
    switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) track.switching = false;
            else if (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)
                target = MenuSwitchTarget(msg.wParam == VK_LEFT ? MenuKey::Left : MenuKey::Right, track.index,
                                          int(Items.size()), track.selection);
            break;
        case WM_SYSKEYDOWN:
            if (msg.wParam == VK_MENU) Form->MenuTracking = false;
            return false;
        case WM_MOUSEMOVE: {
            POINT p;
            GetCursorPos(&p);
            if (p.x == track.last_mouse.x && p.y == track.last_mouse.y) break;
            track.last_mouse = p;
            if (TMenuBtn* entry = ItemAt(Form->ScreenToWindow(p.x, p.y))) target = entry->Index;
            break;
        }
        default: break;
    }
    if (target && *target != track.index && *target >= 0 && *target < int(Items.size())) {
        track.switching = true;
        ClickItem(*Items[std::size_t(*target)]);
        return true;
    }
    return false;
}

}  // namespace korvane
