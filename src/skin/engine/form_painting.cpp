// TWinSkinForm: painting the non-client area and the title-bar buttons.
#include <algorithm>
#include <string>

#include "skin/draw/blit.h"
#include "skin/draw/drawing.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {
namespace {

Margins margins_of(const TDataSkinObject& record) {
    return {record.LeftWidth, record.TopHeight, record.RightWidth, record.BottomHeight};
}

std::wstring window_text(HWND window) {
    wchar_t buffer[1001] = {};
    const LRESULT n = SendMessageW(window, WM_GETTEXT, 1001, reinterpret_cast<LPARAM>(buffer));
    return std::wstring(buffer, std::size_t(std::clamp<LRESULT>(n, 0, 1000)));
}

// A window DC taken here, or the caller's.
class FrameDC {
public:
    FrameDC(HWND window, HDC given) : window_(window), dc_(given ? given : GetWindowDC(window)), own_(!given) {}
    FrameDC(const FrameDC&) = delete;
    FrameDC& operator=(const FrameDC&) = delete;
    ~FrameDC() {
        if (own_ && dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    bool own_;
};

}  // namespace

const TDataSkinBorder& TWinSkinForm::BorderRecord(int index) const {
    const SkinModel& skin = SkinData->Skin();
    switch (index) {
        case 1: return skin.BorderLeft;
        case 2: return skin.BorderRight;
        case 3: return skin.BorderTop;
        default: return skin.BorderBottom;
    }
}

void TWinSkinForm::DrawBorderPiece(int index, const Rect& rect, HDC dc) {
    if (rect.width() < 0 || rect.height() < 0 || !SkinData) return;
    const TDataSkinBorder& record = BorderRecord(index);
    work_.SetSize(rect.width(), rect.height());
    if (work_.Empty()) return;
    const Strip strip{record.Bitmap.view(), record.Frame, index >= 3};
    DrawNineSlice(work_.MutableView(), {0, 0, rect.width(), rect.height()}, strip,
                  BorderFrame(Active, record.Frame), margins_of(record), record.Tile != 1, false);
    BitBlt(dc, rect.left, rect.top, rect.width(), rect.height(), work_.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintFrame(HDC given) {
    if ((PaintState != psNormal && PaintState != psReapplying) || FrameKind == kFrameCaptionless) return;
    if (MdiKind == mkChild && WindowState != wsNormal) return;
    if (!SkinData || SkinData->Empty() || !IsWindow(Handle)) return;
    FollowSkin();
    FrameDC dc(Handle, given);
    if (!dc.get()) return;
    try {
        RECT r{};
        GetWindowRect(Handle, &r);
        WindowRect = from_rect(r);
        WindowWidth = WindowRect.width();
        WindowHeight = WindowRect.height();
        const int w = WindowWidth, h = WindowHeight;
        DrawBorderPiece(1, {0, 0, FrameLeft, h}, dc.get());
        DrawBorderPiece(2, {w - FrameRight, 0, w, h}, dc.get());
        DrawBorderPiece(4, {FrameLeft, h - FrameBottom, w - FrameRight, h}, dc.get());
        PaintTitle(dc.get());
        if (MenuBar && MenuBarHeight > 0)
            MenuBar->PaintBar(dc.get(), {FrameLeft, FrameTop, w - FrameRight, FrameTop + MenuBarHeight});
    } catch (...) {
        // A failure while painting leaves the frame as it is; the window goes on.
    }
    HotObject = nullptr;
}

void TWinSkinForm::PaintTitle(HDC dc) {
    const int w = WindowWidth;
    TitleCache.SetSize(w, FrameTop);
    if (TitleCache.Empty()) return;
    HDC cache = TitleCache.Canvas().Handle();
    BitBlt(cache, 0, 0, w, FrameTop, dc, 0, 0, SRCCOPY);
    const Rect title{FrameLeft, 0, w - FrameRight, FrameTop};
    {
        const TDataSkinBorder& top = SkinData->Skin().BorderTop;
        const Strip strip{top.Bitmap.view(), top.Frame, true};
        DrawNineSlice(TitleCache.MutableView(), title, strip, BorderFrame(Active, top.Frame), margins_of(top),
                      top.Tile != 1, false);
    }
    // The right-aligned buttons first: a pop-up's caption stops before them.
    LayoutButtons();
    DrawCaption(TitleCache, title);
    LayoutButtons();
    PaintButtons(TitleCache.MutableView());
    BitBlt(dc, 0, 0, w, FrameTop, cache, 0, 0, SRCCOPY);

    const int system_title = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (!Active && FrameTop + MenuBarHeight < system_title) {
        const RECT below{FrameLeft, FrameTop, w - FrameRight, system_title - MenuBarHeight};
        FillRect(dc, &below, SkinData->FaceBrush());
    }
    SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawCaption(TBitmap& strip, const Rect& title) {
    HDC dc = strip.Canvas().Handle();
    const std::wstring text = window_text(Handle) + std::wstring(CaptionSuffix.begin(), CaptionSuffix.end());
    const TDataSkinTitle& record = SkinData->Skin().Title;
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    SelectGuard font(dc, CaptionFont.get());
    SetTextColor(dc, ColorToRGB(Active ? SkinData->Colours().TitleTextActive : SkinData->Colours().TitleTextNoActive));

    RECT extent{title.left, title.top, title.left, title.top};
    DrawTextW(dc, text.c_str(), int(text.size()), &extent, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    const CaptionStyle style{record.TextAlignment, record.LeftWidth,   record.TopHeight,
                             record.RightWidth,    record.TXTBackleft, record.TXTBackRight};
    Rect r = PlaceCaption(title, {extent.right - extent.left, extent.bottom - extent.top}, style,
                          (Style & WS_POPUP) != 0, RightButtonsLeft);
    CaptionRect = r;
    if (!record.Bitmap.empty()) {
        const Strip backdrop{record.Bitmap.view(), 2, false};
        DrawThreeSlice(strip.MutableView(), {r.left, title.top, r.right, title.bottom}, backdrop,
                       Active ? 1 : 2, {record.TXTBackleft, 0, record.TXTBackRight, 0}, false);
    }
    RECT text_rect{r.left + record.TXTBackleft, r.top, r.right - record.TXTBackRight, r.bottom};
    if (text_rect.right > text_rect.left)
        DrawTextW(dc, text.c_str(), int(text.size()), &text_rect, DT_SINGLELINE | DT_END_ELLIPSIS);
    SetBkMode(dc, old_mode);
}

TitleBarState TWinSkinForm::ButtonState() const {
    TitleBarState s;
    s.active = Active;
    s.maximised = WindowState == wsMaximized;
    s.box_flags = BoxFlags;
    s.frame_kind = FrameKind;
    s.menu_bar_height = MenuBarHeight;
    s.mdi_child_maximised = ShowsMaximisedChildButtons(Family());
    return s;
}

TitleBarGeometry TWinSkinForm::ButtonGeometry() const {
    TitleBarGeometry g;
    g.window_width = WindowWidth;
    g.caption = CaptionRect;
    g.frame_top = FrameTop;
    g.frame_right = FrameRight;
    g.menu_bar_height = MenuBarHeight;
    if (SkinData && SkinData->Skin().MenuBar) g.menu_bar_left = SkinData->Skin().MenuBar->LeftWidth;
    return g;
}

bool TWinSkinForm::UpdateButtonVisibility(int index) {
    TWinSysButton& button = *TitleButtons[std::size_t(index)];
    const TDataSkinSysButton& r = *button.SkinButton;
    button.Visible = IsTitleButtonVisible(r.Visibility, r.Visibility1, r.Action, ButtonState());
    return button.Visible;
}

Size TWinSkinForm::ButtonImageSize(const TWinSysButton& button) const {
    const TDataSkinSysButton& r = *button.SkinButton;
    if (IsIconAction(r.Action)) {
        if (!r.Bitmap.empty()) return {r.Bitmap.width(), r.Bitmap.height()};
        return {IconBitmap.Width(), IconBitmap.Height()};
    }
    if (r.Bitmap.empty() || r.Frame <= 0) return {};
    return {r.Bitmap.width() / r.Frame, r.Bitmap.height()};
}

void TWinSkinForm::LayoutButtons() {
    RightButtonsLeft = 0;
    const TitleBarGeometry geometry = ButtonGeometry();
    for (std::size_t i = 0; i < TitleButtons.size(); ++i) {
        TWinSysButton& button = *TitleButtons[i];
        const Size size = ButtonImageSize(button);
        if (!UpdateButtonVisibility(int(i)) || size.width <= 0 || size.height <= 0) continue;
        const TDataSkinSysButton& r = *button.SkinButton;
        button.BoundsRect = PlaceTitleButton(r.Align, r.Xcoord, r.Ycoord, size, geometry);
        if (r.Align == 1) RightButtonsLeft = std::max(RightButtonsLeft, button.BoundsRect.left);
    }
}

void TWinSkinForm::DrawButtonFrame(MutableImageView target, const TWinSysButton& button, int frame) const {
    const TDataSkinSysButton& r = *button.SkinButton;
    if (IsIconAction(r.Action)) {
        DrawTransparent(target, button.BoundsRect, IconBitmap.View());
        return;
    }
    DrawStripFrame(target, button.BoundsRect, {r.Bitmap.view(), r.Frame, false}, frame, true);
}

void TWinSkinForm::PaintButtons(MutableImageView target) {
    for (const auto& button : TitleButtons) {
        const TDataSkinSysButton& r = *button->SkinButton;
        const Size size = ButtonImageSize(*button);
        if (!button->Visible || size.width <= 0 || r.Visibility == 100) continue;
        DrawButtonFrame(target, *button, TitleButtonFrame(Active, r.Frame));
    }
}

TNCObject* TWinSkinForm::ButtonAt(Point point) const {
    std::vector<HitTarget> targets;
    targets.reserve(TitleButtons.size());
    for (const auto& button : TitleButtons) {
        const bool drawn = ButtonImageSize(*button).width > 0;
        targets.push_back({button->BoundsRect, button->Visible && drawn, button->SkinButton->Action});
    }
    const int hit = TitleButtonAt(targets, point);
    return hit < 0 ? nullptr : TitleButtons[std::size_t(hit)].get();
}

void TWinSkinForm::PaintButton(TWinSysButton& button, int state) {
    // The buttons of a maximised MDI child stand on the menu bar, the others on the title strip.
    const bool in_bar = button.SkinButton->Visibility == 100;
    if (in_bar && !MenuBar) return;
    const TBitmap& backdrop = in_bar ? MenuBar->BarBackground : TitleCache;
    if (!SkinData || SkinData->Empty() || backdrop.Empty()) return;
    const Rect& b = button.BoundsRect;
    if (b.width() <= 0 || b.height() <= 0) return;
    // What lies under the button, then the button's frame over it.
    TBitmap piece;
    piece.SetSize(b.width(), b.height());
    StretchBlit(piece.MutableView(), {0, 0, b.width(), b.height()}, backdrop.View(),
                in_bar ? BarButtonRect(b, MenuBar->BarRect) : b);
    TWinSysButton shifted(*this, *button.SkinButton);
    shifted.BoundsRect = {0, 0, b.width(), b.height()};
    DrawButtonFrame(piece.MutableView(), shifted, TitleButtonStateFrame(state, button.SkinButton->Visibility));
    FrameDC dc(Handle, nullptr);
    BitBlt(dc.get(), b.left, b.top, b.width(), b.height(), piece.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace korvane
