#include "skin/controls/skin_sc_control.h"

#include <windowsx.h>

#include "framework/win/scroll_bar.h"
#include "skin/controls/bar_press.h"
#include "skin/controls/skin_scroll_bar.h"

namespace korvane {
namespace {

const TScrollBar* scroll_bar_of(TWinControl* control) { return dynamic_cast<const TScrollBar*>(control); }

bool same(const ScrollRange& a, const ScrollRange& b) {
    return a.min == b.min && a.max == b.max && a.page == b.page && a.pos == b.pos;
}

}  // namespace

TSkinScControl::~TSkinScControl() {
    *alive_ = false;
    Tracking = false;
}

ScrollRange TSkinScControl::Range() const {
    const TScrollBar* bar = scroll_bar_of(Control);
    if (!bar) return {};
    return {bar->Min(), bar->Max(), bar->PageSize(), bar->Position()};
}

bool TSkinScControl::Skinned() const {
    return scroll_bar_of(Control) && SkinData && SkinData->Skin().Scrollbar &&
           !SkinData->Skin().Scrollbar->Bitmap.empty();
}

bool TSkinScControl::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCMOUSEMOVE: return message.WParam != HTHSCROLL && message.WParam != HTVSCROLL;
        // The system's hover painting of its own bar never runs.
        case WM_MOUSEMOVE: return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: return !(Tracking || Press(message));  // never the system's press inside ours
        case CN_HSCROLL:
        case CN_VSCROLL:
            PressedPart = scroll_pressed_part(message.Msg == CN_VSCROLL, LOWORD(message.WParam));
            CallDefault(message);
            PaintWindow(nullptr);
            return false;
        case WM_CAPTURECHANGED:
        case WM_DESTROY:
        case WM_NCDESTROY: Tracking = false; return true;
        default: return true;
    }
}

void TSkinScControl::AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas) {
    TSkinControl::AttachControl(control, data, recolour, canvas);
    if (GetFocus() == Handle) DestroyCaret();
}

void TSkinScControl::AfterMessage(TMessage& message) {
    // The system marks its focused bar with a blinking caret over its own
    // thumb, which is not where the drawn one is: the caret goes (it is the
    // focused window's, so this bar's).
    if (message.Msg == WM_SETFOCUS) DestroyCaret();
    TSkinControl::AfterMessage(message);
    if (message.Msg != WM_PAINT && Handle && !same(Range(), drawn_)) PaintWindow(nullptr);
}

void TSkinScControl::UpdateThumb(bool vertical, int length) {
    if (Tracking && PressedPart == (vertical ? 6 : 5)) return;
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    control_bar_thumb(Geometry, length, s, Range(), MinThumbLength(s), GetSystemMetrics(SM_CXHTHUMB));
}

void TSkinScControl::PaintTo(HDC dc, const Rect& rect) {
    if (!Skinned()) return;
    const bool vertical = scroll_bar_of(Control)->Kind() == sbVertical;
    drawn_ = Range();
    UpdateThumb(vertical, vertical ? rect.height() : rect.width());
    DrawScrollBar(dc, rect, vertical, Geometry, PressedPart, SkinData->Skin());
}

bool TSkinScControl::Press(const TMessage& message) {
    if (!Skinned() || !Handle) return false;
    const bool vertical = scroll_bar_of(Control)->Kind() == sbVertical;
    RECT window{};
    if (!GetWindowRect(Handle, &window)) return false;
    POINT cursor{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    ClientToScreen(Handle, &cursor);
    const int origin = vertical ? window.top : window.left;
    UpdateThumb(vertical, vertical ? window.bottom - window.top : window.right - window.left);
    const int part = scroll_hit_test(Geometry, (vertical ? cursor.y : cursor.x) - origin);
    if (part < 0) return false;
    // As the system's bar does, a press takes the focus of a tab stop.
    if (GetWindowLongW(Handle, GWL_STYLE) & WS_TABSTOP) SetFocus(Handle);
    PressedPart = scroll_pressed_part(vertical, part);
    PaintWindow(nullptr);
    const HWND handle = Handle;
    const PressedBar target{handle, SB_CTL, vertical, GetParent(handle), reinterpret_cast<LPARAM>(handle), origin};
    if (RunBarPress(target, part, {cursor.x, cursor.y}, Geometry, Tracking, alive_) && IsWindow(handle) && Handle)
        PaintWindow(nullptr);
    return true;
}

}  // namespace korvane
