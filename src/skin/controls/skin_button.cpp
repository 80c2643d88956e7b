#include "skin/controls/skin_button.h"

#include "framework/win/graphics.h"
#include "skin/controls/control_skins.h"

namespace korvane {

bool TSkinButton::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT: PaintHandler(*this, message); return false;
        case WM_ERASEBKGND: message.Result = 1; return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (GetFocus() != Handle) SetFocus(Handle);
            State |= kPressed;
            PaintWindow(nullptr);
            return false;
        default: return true;
    }
}

void TSkinButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (message.WParam == VK_SPACE) {
                if (message.Msg == WM_KEYDOWN) State |= kPressed; else State &= ~kPressed;
            }
            Redraw();
            break;
        // The system's button paints its own face on these outside WM_PAINT.
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_UPDATEUISTATE: Redraw(); break;
        case WM_MOUSEMOVE: BecomeHot(); break;
        case WM_LBUTTONUP:
            if (State & kPressed) {
                State &= ~kPressed;
                Redraw();
                if (Handle) {
                    const WPARAM id = Control ? 0 : WPARAM(GetDlgCtrlID(Handle));
                    PostMessageW(GetParent(Handle), WM_COMMAND, id, reinterpret_cast<LPARAM>(Handle));
                }
            }
            break;
        case CM_MOUSEENTER:
            if (Enabled) {
                State |= kHot;
                Redraw();
                if (Skins()) Skins()->HotControl = this;
            }
            break;
        case CM_MOUSELEAVE:
            if (Enabled) {
                State &= ~(kHot | kPressed);
                Redraw();
                if (Skins() && Skins()->HotControl == this) Skins()->HotControl = nullptr;
            }
            break;
        default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinButton::BecomeHot() {
    if (State & kHot) return;
    State |= kHot;
    TControlSkins* skins = Skins();
    if (skins && skins->HotControl && skins->HotControl != this) skins->HotControl->SendMouseLeave();
    if (!skins || skins->HotControl != this) {
        Redraw();
        if (skins) skins->HotControl = this;
    }
}

Color TSkinButton::TextColour(ControlStateIndex index) const {
    const TDataSkinButton& buttons = SkinData->Skin().Buttons;
    switch (index) {
        case csNormal: return buttons.NormalColour2;
        case csHot: return buttons.MouseOverColour2;
        case csPressed: return buttons.PressedColour2;
        case csDisabled: break;
    }
    return SkinData->Colours().ButtonText;
}

void TSkinButton::PaintTo(HDC dc, const Rect& rect) {
    if (!SkinData || SkinData->Skin().Buttons.Bitmap.empty()) return;
    ReadWindowFlags();
    Caption = ReadCaption();
    const ControlStateIndex index = control_state_index(Enabled, State & kPressed, (State & kHot) || Focused);
    Face.SetSize(rect.width(), rect.height());
    if (Face.Empty()) return;
    HDC face = Face.Canvas().Handle();
    FillBackground(face, rect);
    DrawElementFrame(Face, rect, 5, index, SkinData->Skin().Buttons);
    HGDIOBJ old_font = SelectObject(face, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    SetTextColor(face, ColorToRGB(TextColour(index)));
    DrawCaption(Face.Canvas(), rect, kCaptionCenter, Enabled, Caption);
    CopyToDC(dc, rect, Face);
    SelectObject(face, old_font);
}

}  // namespace korvane
