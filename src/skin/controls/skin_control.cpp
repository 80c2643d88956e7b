#include "skin/controls/skin_control.h"

#include <algorithm>

#include "base/win32_text.h"
#include "framework/win/gdi.h"
#include "framework/win/graphics.h"
#include "framework/win/wincontrol.h"
#include "skin/controls/control_skins.h"
#include "skin/draw/blit.h"
#include "skin/draw/drawing.h"

namespace korvane {

TSkinControl::TSkinControl(TControlSkins* owner) : TComponent(owner), skins_(owner) {}

TSkinControl::~TSkinControl() { Detach(); }

void TSkinControl::AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas) {
    Recolour = recolour;
    SkinData = &data;
    Canvas = &canvas;
    Control = &control;
    Handle = control.Handle();
    HookControl(control);
    control.SetDoubleBuffered(true);
    if (skins_) skins_->Add(*this);
    ReadWindowFlags();
    Caption = ReadCaption();
    if (Recolour) {
        OldColor = control.GetColor();
        old_parent_color_ = control.ParentColor();
        control.SetColor(data.Colours().ButtonFace);
    }
    control.Invalidate();
}

void TSkinControl::AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas) {
    SkinData = &data;
    Canvas = &canvas;
    Handle = handle;
    Enabled = true;
    Caption = ReadCaption();
    subclass_.Install(handle, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
        TMessage message{msg, wparam, lparam, 0};
        WindowProc(message);
        return message.Result;
    });
}

void TSkinControl::HookControl(TControl& control) {
    hook_ = std::make_unique<WindowProcHook>(control, [this](TMessage& message, const TWndMethod& next) {
        const TWndMethod* outer = next_;
        next_ = &next;
        WindowProc(message);
        next_ = outer;
    });
}

void TSkinControl::Detach() {
    if (hook_) {
        // A control that is gone (Control() null) is not touched again.
        if (auto* control = hook_->Control(); control && Recolour && !(skins_ && skins_->Releasing())) {
            control->SetColor(OldColor);
            // A control that took its parent's colour takes it again.
            if (old_parent_color_) control->SetParentColor(true);
        }
        hook_.reset();
    }
    subclass_.Remove();
    if (skins_) skins_->Forget(*this);
    // Nothing is sent to the window any more: its handle may be reused.
    Handle = nullptr;
    Control = nullptr;
    GraphicControl = nullptr;
}

void TSkinControl::WindowProc(TMessage& message) {
    if (BeforeMessage(message)) {
        CallDefault(message);
        AfterMessage(message);
    }
}

void TSkinControl::CallDefault(TMessage& message) {
    if (next_) {
        (*next_)(message);
    } else if (subclass_.Window()) {
        message.Result = subclass_.CallNext(message.Msg, message.WParam, message.LParam);
    }
}

bool TSkinControl::BeforeMessage(TMessage&) { return true; }

void TSkinControl::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case CM_ENABLEDCHANGED: Redraw(); break;
        case WM_SETTEXT:
            // A null text is legal: it clears the window text.
            Caption = message.LParam ? ReadCaption() : std::string();
            Redraw();
            break;
        case WM_PAINT: PaintWindow(reinterpret_cast<HDC>(message.WParam)); break;
        // A plain window's subclass lets go by itself on WM_NCDESTROY, so
        // WM_DESTROY is the last message it brings here.
        case WM_DESTROY:
            if (subclass_.Installed()) Detach();
            break;
        case WM_NCDESTROY: Detach(); break;
        default: break;
    }
}

void TSkinControl::SendMouseLeave() {
    if (Handle && IsWindow(Handle)) SendMessageW(Handle, CM_MOUSELEAVE, 0, 0);
}

void TSkinControl::Redraw() {
    if (!Handle || !GetParent(Handle) || !(GetWindowLongW(Handle, GWL_STYLE) & WS_CHILD)) return;
    RECT r{};
    if (!GetWindowRect(Handle, &r)) return;
    const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
    InvalidateRect(Handle, &local, FALSE);
    UpdateWindow(Handle);
}

void TSkinControl::FillBackground(HDC dc, const Rect& rect) const {
    if (!SkinData) return;
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(SkinData->Colours().ButtonFace)));
    const RECT r = to_rect(rect);
    FillRect(dc, &r, brush.get());
}

void TSkinControl::PaintWindow(HDC dc) {
    if (!Handle) return;
    RECT r{};
    if (!GetWindowRect(Handle, &r)) return;
    WindowRect = from_rect(r);
    const Rect local{0, 0, r.right - r.left, r.bottom - r.top};
    HDC target = dc ? dc : GetWindowDC(Handle);
    if (!target) return;
    try {
        PaintTo(target, local);
    } catch (...) {
        // Painting failures leave what was on the screen.
    }
    if (!dc) ReleaseDC(Handle, target);
}

void TSkinControl::PaintTo(HDC, const Rect&) {}

std::string TSkinControl::ReadCaption() const {
    std::string text;
    if (Handle) {
        wchar_t buffer[1001] = {};
        const LRESULT n = SendMessageW(Handle, WM_GETTEXT, 1001, reinterpret_cast<LPARAM>(buffer));
        text = narrow(std::wstring_view(buffer, std::size_t(std::clamp<LRESULT>(n, 0, 1000))));
    }
    if (text.empty())
        if (auto* control = HookedControl()) text = control->Caption();
    return text;
}

void TSkinControl::ReadWindowFlags() {
    if (!Handle) return;
    Focused = GetFocus() == Handle;
    Enabled = !(GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED);
}

TBitmap& SharedBitmap() {
    static TBitmap bitmap;
    return bitmap;
}

void PaintHandler(TSkinControl& object, TMessage& message) {
    HDC given = reinterpret_cast<HDC>(message.WParam);
    RECT r{};
    if (!object.Handle || !GetWindowRect(object.Handle, &r)) {
        if (!given && object.Handle) ValidateRect(object.Handle, nullptr);
        return;
    }
    object.WindowRect = from_rect(r);
    const Rect local{0, 0, r.right - r.left, r.bottom - r.top};
    PAINTSTRUCT ps{};
    HDC dc = given ? given : BeginPaint(object.Handle, &ps);
    try {
        object.PaintTo(dc, local);
    } catch (...) {
    }
    if (!given) EndPaint(object.Handle, &ps);
}

void DrawCaption(TCanvas& canvas, const Rect& rect, unsigned format, bool enabled, const std::string& text) {
    HDC dc = canvas.Handle();
    SetBkMode(dc, TRANSPARENT);
    RECT measured = to_rect(rect);
    const std::wstring wide = widen(text);
    DrawTextW(dc, wide.c_str(), int(wide.size()), &measured, format | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
    RECT place = to_rect(caption_rect(rect, from_rect(measured).size(), format));
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, wide.c_str(), int(wide.size()), &place, format | DT_EXPANDTABS);
}

void DrawElementFrame(TBitmap& target, const Rect& rect, int frames, int index, const TDataSkinObject& element) {
    if (rect.is_empty()) return;
    const Strip strip{element.Bitmap.view(), frames, false};
    const Margins margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
    GdiFlush();
    DrawNineSlice(target.MutableView(), rect, strip, index, margins, element.Tile != 0, element.Trans == 1);
}

void DrawFrameCell(TBitmap& target, const Rect& rect, int frames, int index, ImageView image) {
    if (rect.is_empty() || strip_cell_width(image.width(), frames) == 0) return;
    GdiFlush();
    DrawStripFrame(target.MutableView(), rect, Strip{image, frames, false}, index, true);
}

void DrawGlyph(TBitmap& target, Point position, int count, int index, const TBitmap& glyph) {
    const int cell = strip_cell_width(glyph.Width(), count);
    if (cell == 0 || glyph.Height() <= 0 || index < 1 || index > count) return;
    const ImageView view = glyph.View();
    const Rect from = Rect::from_size((index - 1) * cell, 0, cell, glyph.Height());
    const Pixel key = view.at(from.left, from.bottom - 1);
    GdiFlush();
    StretchBlitTransparent(target.MutableView(), Rect::from_size(position.x, position.y, cell, glyph.Height()),
                           view, from, to_color(key));
}

void CopyToDC(HDC dc, const Rect& rect, TBitmap& bitmap) {
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, rect.width(), rect.height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace korvane
