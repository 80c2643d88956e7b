#include "skin/controls/skin_speed_button.h"

#include "base/win32_text.h"
#include "framework/win/graphics.h"
#include "framework/win/speed_button.h"
#include "framework/win/wincontrol.h"

namespace korvane {

TSpeedButton* TSkinSpeedButton::Button() const { return dynamic_cast<TSpeedButton*>(HookedControl()); }

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT:
            if (auto* button = Button())
                PaintSpeedButton(reinterpret_cast<HDC>(message.WParam), button->ClientRect());
            message.Result = 1;
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            CallDefault(message);
            State |= kPressed;
            PaintWindow(nullptr);
            return false;
        default: return true;
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCDESTROY:
        case CM_RELEASE: Detach(); break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (message.WParam != VK_SPACE) break;
            if (message.Msg == WM_KEYDOWN) State |= kPressed; else State &= ~kPressed;
            PaintWindow(nullptr);
            break;
        case WM_LBUTTONUP:
            State &= ~kPressed;
            PaintWindow(nullptr);
            break;
        case CM_MOUSEENTER:
            State |= kHot;
            PaintWindow(nullptr);
            break;
        case CM_MOUSELEAVE:
            State &= ~(kHot | kPressed);
            if (auto* button = Button(); button && button->Visible()) PaintWindow(nullptr);
            break;
        default: TSkinButton::AfterMessage(message); break;
    }
}

void TSkinSpeedButton::PaintWindow(HDC) {
    TSpeedButton* button = Button();
    if (!button || !button->Parent() || !button->Showing()) return;
    HWND parent = button->Parent()->Handle();
    HDC dc = GetDC(parent);
    if (!dc) return;
    const Rect bounds = button->BoundsRect();
    SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    try {
        PaintSpeedButton(dc, button->ClientRect());
    } catch (...) {
    }
    ReleaseDC(parent, dc);
}

void TSkinSpeedButton::PaintSpeedButton(HDC dc, const Rect& rect) {
    TSpeedButton* button = Button();
    if (!button || !dc || !SkinData || SkinData->Skin().Buttons.Bitmap.empty()) return;
    const TDataSkinButton& element = SkinData->Skin().Buttons;
    const ControlStateIndex index =
        speed_button_state_index(button->Enabled(), State & kPressed, State & kHot, button->Down());
    const int num = button->NumGlyphs();
    TBitmap& shared = SharedBitmap();
    shared.SetSize(rect.width(), rect.height());
    if (shared.Empty()) return;
    HDC face = shared.Canvas().Handle();
    const Rect local{0, 0, rect.width(), rect.height()};
    FillBackground(face, local);
    DrawElementFrame(shared, local, element.Frame, index, element);

    UniqueGdi<HFONT> font = CreateFontHandle(button->Font());
    HGDIOBJ old_font = SelectObject(face, font.get());
    const std::wstring text = widen(button->Caption());
    Size text_size;
    if (!text.empty()) {
        RECT measured{0, 0, local.right, local.bottom};
        DrawTextW(face, text.c_str(), int(text.size()), &measured, DT_CALCRECT);
        text_size = from_rect(measured).size();
    }
    if (!button->Glyph().Empty()) {
        const Size cell = button->GlyphCell();
        const bool horizontal = button->Layout() == blGlyphLeft || button->Layout() == blGlyphRight;
        const int margin = speed_button_margin(horizontal ? local.right : local.bottom,
                                               horizontal ? cell.width : cell.height,
                                               horizontal ? text_size.width : text_size.height,
                                               cell.width > 0 && text_size.width > 0, button->Margin(),
                                               button->Spacing());
        const GlyphPlacement place =
            place_glyph(local.size(), cell, text_size, button->Layout(), margin, button->Spacing());
        DrawGlyph(shared, place.glyph, num, speed_button_glyph_index(index, num), button->Glyph());
        SetBkMode(face, TRANSPARENT);
        SetTextColor(face, index == csDisabled ? GetSysColor(COLOR_BTNSHADOW) : ColorToRGB(TextColour(index)));
        RECT text_rect = to_rect(place.text);
        if (!text.empty()) DrawTextW(face, text.c_str(), int(text.size()), &text_rect, place.format);
    } else {
        // A colour the program chose for the caption is kept; the system's
        // default text colour gives way to the skin's, which is the one that
        // reads on the skin's face.
        const Color own = button->Font().GetColor();
        SetTextColor(face, ColorToRGB(is_system_color(own) ? TextColour(index) : own));
        DrawCaption(shared.Canvas(), local, kCaptionCenter, button->Enabled(), button->Caption());
    }
    CopyToDC(dc, rect, shared);
    SelectObject(face, old_font);
}

}  // namespace korvane
