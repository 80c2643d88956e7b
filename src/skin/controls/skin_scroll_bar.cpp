#include "skin/controls/skin_scroll_bar.h"

#include <windowsx.h>

#include "framework/win/canvas.h"
#include "framework/win/graphics.h"
#include "framework/win/wincontrol.h"
#include "skin/controls/bar_press.h"
#include "skin/controls/control_skins.h"
#include "skin/draw/drawing.h"

namespace korvane {
namespace {

// Bars are composed this thick and stretched to the system's width.
constexpr int kBarThickness = 16;
constexpr UINT kInfoMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

bool has_arrows(const TSkinData* data) {
    return data && data->Skin().Scrollbar && !data->Skin().Scrollbar->Bitmap.empty();
}

ScrollRange range_of(const SCROLLINFO& info) { return {info.nMin, info.nMax, int(info.nPage), info.nPos}; }

Margins margins_of(const TDataSkinObject& element) {
    return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

// A rectangle along a bar laid out lying down, turned for a vertical bar.
Rect along(bool vertical, int start, int end) {
    return vertical ? Rect{0, start, kBarThickness, end} : Rect{start, 0, end, kBarThickness};
}

}  // namespace

void DrawScrollBar(HDC dc, const Rect& bar, bool vertical, const BarGeometry& g, int pressed_part,
                   const SkinModel& skin) {
    if (!skin.Scrollbar || skin.Scrollbar->Bitmap.empty()) return;
    const int length = vertical ? bar.height() : bar.width();
    if (length < 0 || length > 10000) return;
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    TBitmap& work = SharedBitmap();
    work.SetSize(vertical ? kBarThickness : length, vertical ? length : kBarThickness);
    if (work.Empty()) return;
    const Rect whole{0, 0, work.Width(), work.Height()};
    {
        UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(skin.Colours.Scrollbar)));
        const RECT r = to_rect(whole);
        FillRect(work.Canvas().Handle(), &r, brush.get());
    }
    GdiFlush();
    const MutableImageView view = work.MutableView();
    if (const auto& track = vertical ? skin.VertScroll : skin.HorzScroll; track && !track->Bitmap.empty())
        DrawNineSlice(view, along(vertical, s, length - s), Strip{track->Bitmap.view(), 4, false}, 1,
                      margins_of(*track), track->Tile != 0, track->Trans != 0);
    const int arrow = scroll_arrow_length(length, s);
    const Strip arrows{skin.Scrollbar->Bitmap.view(), 23, false};
    DrawStripFrame(view, along(vertical, 0, arrow), arrows, scroll_arrow_frame(vertical, false, pressed_part), true);
    DrawStripFrame(view, along(vertical, length - arrow, length), arrows,
                   scroll_arrow_frame(vertical, true, pressed_part), true);
    const auto& thumb = vertical ? skin.VertScrollThumb : skin.HorzScrollThumb;
    if (thumb && !thumb->Bitmap.empty() && thumb_visible(g)) {
        const int start = arrow + g.thumb_offset;
        const int frame = pressed_part == (vertical ? 6 : 5) ? 2 : 1;
        DrawNineSlice(view, along(vertical, start, start + g.thumb_length),
                      Strip{thumb->Bitmap.view(), thumb->Frame > 0 ? thumb->Frame : 3, false}, frame,
                      margins_of(*thumb), false, thumb->Trans != 0);
    }
    const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, bar.left, bar.top, bar.width(), bar.height(), work.Canvas().Handle(), 0, 0, whole.width(),
               whole.height(), SRCCOPY);
    SetStretchBltMode(dc, old_mode);
}

// Half an arrow on the Windows 95 family.
int MinThumbLength(int bar) { return (GetVersion() & 0x80000000u) ? bar / 2 : 8; }

TSkinScrollBar::~TSkinScrollBar() {
    *alive_ = false;
    Tracking = false;
}

void TSkinScrollBar::AttachScrollBars(TWinControl& control, TSkinData& data, bool drag_enabled, TCanvas& canvas) {
    SkinData = &data;
    Canvas = &canvas;
    Control = &control;
    Handle = control.Handle();
    HookControl(control);
    if (Skins()) Skins()->Add(*this);
    Tracking = VertScrolling = HorzScrolling = false;
    HorzInfo.cbSize = VertInfo.cbSize = sizeof(SCROLLINFO);
    DragEnabled = drag_enabled;
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TSkinScrollBar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCMOUSEMOVE:
            // The system's hover painting of its own bars never runs.
            return message.WParam != HTHSCROLL && message.WParam != HTVSCROLL;
        case WM_NCLBUTTONDOWN: return !(DragEnabled && ThumbPress(message));
        case WM_HSCROLL:
        case WM_VSCROLL: {
            const bool vertical = message.Msg == WM_VSCROLL;
            PressedPart = scroll_pressed_part(vertical, LOWORD(message.WParam));
            bool& scrolling = vertical ? VertScrolling : HorzScrolling;
            scrolling = true;
            CallDefault(message);
            PaintWindow(nullptr);
            scrolling = false;
            return false;
        }
        case WM_CAPTURECHANGED:
        case WM_DESTROY:
        case WM_NCDESTROY: Tracking = false; return true;
        default: return true;
    }
}

void TSkinScrollBar::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCPAINT:
        case WM_NCACTIVATE: PaintWindow(nullptr); break;
        case WM_PRINT: PaintWindow(reinterpret_cast<HDC>(message.WParam)); break;
        case WM_PAINT:
        case WM_DESTROY:
        case WM_NCDESTROY: TSkinControl::AfterMessage(message); break;
        default:
            // The system draws its own bar whenever the scroll information is
            // set with a redraw (typing, the wheel, new text): ours goes back on.
            if (Handle && !Tracking && InfoChanged()) PaintWindow(nullptr);
            TSkinControl::AfterMessage(message);
            break;
    }
}

bool TSkinScrollBar::InfoChanged() const {
    const auto style = GetWindowLongW(Handle, GWL_STYLE);
    for (const bool vertical : {false, true}) {
        if (!(style & (vertical ? WS_VSCROLL : WS_HSCROLL))) continue;
        SCROLLINFO now{sizeof(now), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        if (!GetScrollInfo(Handle, vertical ? SB_VERT : SB_HORZ, &now)) continue;
        const SCROLLINFO& drawn = vertical ? VertInfo : HorzInfo;
        if (now.nMin != drawn.nMin || now.nMax != drawn.nMax || now.nPage != drawn.nPage || now.nPos != drawn.nPos)
            return true;
    }
    return false;
}

void TSkinScrollBar::PaintTo(HDC dc, const Rect& rect) {
    if (!has_arrows(SkinData) || !Handle) return;
    WindowStyle = std::uint32_t(GetWindowLongW(Handle, GWL_STYLE));
    WindowExStyle = std::uint32_t(GetWindowLongW(Handle, GWL_EXSTYLE));
    if (VertScrolling) WindowStyle |= WS_VSCROLL;
    if (HorzScrolling) WindowStyle |= WS_HSCROLL;
    const bool horz = WindowStyle & WS_HSCROLL, vert = WindowStyle & WS_VSCROLL;
    if (!horz && !vert) return;
    if (rect.top > 10000 || rect.left > 10000) return;
    Layout(rect);
    if (horz && !HorzBarRect.is_empty()) DrawBar(dc, HorzBarRect, false);
    if (vert && !VertBarRect.is_empty()) DrawBar(dc, VertBarRect, true);
    if (horz && vert && !CornerRect.is_empty()) FillBackground(dc, CornerRect);
}

void TSkinScrollBar::Layout(const Rect& rect) {
    RECT client{};
    GetClientRect(Handle, &client);
    const int bar = GetSystemMetrics(SM_CXHSCROLL);
    const auto layout = layout_scroll_bars(rect, from_rect(client), GetSystemMetrics(SM_CXEDGE), bar,
                                           WindowStyle & WS_HSCROLL, WindowStyle & WS_VSCROLL);
    HorzBarRect = layout.horz;
    VertBarRect = layout.vert;
    CornerRect = layout.corner;
    HorzGeometry.arrow_size = VertGeometry.arrow_size = bar;
}

void TSkinScrollBar::UpdateThumb(bool vertical, int length) {
    if (Tracking) return;
    SCROLLINFO info{sizeof(info), kInfoMask, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(Handle, vertical ? SB_VERT : SB_HORZ, &info)) return;
    const int bar = GetSystemMetrics(SM_CXHSCROLL);
    (vertical ? VertInfo : HorzInfo) = info;
    // An empty range keeps the thumb where it was.
    window_bar_thumb(vertical ? VertGeometry : HorzGeometry, length, bar, range_of(info), MinThumbLength(bar),
                     GetSystemMetrics(SM_CXHTHUMB));
}

void TSkinScrollBar::DrawBar(HDC dc, const Rect& bar, bool vertical) {
    UpdateThumb(vertical, vertical ? bar.height() : bar.width());
    DrawScrollBar(dc, bar, vertical, vertical ? VertGeometry : HorzGeometry, PressedPart, SkinData->Skin());
}

bool TSkinScrollBar::ThumbPress(const TMessage& message) {
    if (message.WParam != HTHSCROLL && message.WParam != HTVSCROLL) return false;
    const bool vertical = message.WParam == HTVSCROLL;
    // Screen coordinates are signed: monitors left of or above the primary one.
    const Point cursor{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    RECT window{};
    if (!GetWindowRect(Handle, &window)) return false;
    Layout({0, 0, window.right - window.left, window.bottom - window.top});
    const Rect& bar = vertical ? VertBarRect : HorzBarRect;
    const int origin = vertical ? window.top + bar.top : window.left + bar.left;
    UpdateThumb(vertical, vertical ? bar.height() : bar.width());
    PressedPart = vertical ? 6 : 5;
    BarGeometry& geometry = vertical ? VertGeometry : HorzGeometry;
    if (scroll_hit_test(geometry, (vertical ? cursor.y : cursor.x) - origin) != SB_THUMBTRACK) return false;
    PaintWindow(nullptr);
    const HWND handle = Handle;
    const PressedBar target{handle, vertical ? SB_VERT : SB_HORZ, vertical, handle, 0, origin};
    if (RunBarPress(target, SB_THUMBTRACK, cursor, geometry, Tracking, alive_) && IsWindow(handle) && Handle)
        PaintWindow(nullptr);
    return true;
}

}  // namespace korvane
