#include "skin/controls/skin_bit_button.h"

#include "base/win32_text.h"
#include "framework/win/buttons.h"
#include "framework/win/graphics.h"
#include "skin/controls/control_skins.h"

namespace korvane {

void TSkinBitButton::AttachGraphic(TControl& control, TSkinData& data, TCanvas& canvas) {
    SkinData = &data;
    Canvas = &canvas;
    GraphicControl = &control;
    HookControl(control);
    if (Skins()) Skins()->Add(*this);
}

bool TSkinBitButton::BeforeMessage(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        // The owner-drawn face is the skin's, whenever the system asks for it.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        if (item) PaintTo(item->hDC, from_rect(item->rcItem));
        message.Result = 1;
        return false;
    }
    return TSkinButton::BeforeMessage(message);
}

void TSkinBitButton::PaintTo(HDC dc, const Rect& rect) {
    auto* button = dynamic_cast<TBitBtn*>(HookedControl());
    if (!button) return TSkinButton::PaintTo(dc, rect);
    if (!SkinData || SkinData->Skin().Buttons.Bitmap.empty()) return;
    ReadWindowFlags();
    const TDataSkinButton& element = SkinData->Skin().Buttons;
    const ControlStateIndex index =
        control_state_index(button->Enabled() && Enabled, State & kPressed, (State & kHot) || Focused);
    Face.SetSize(rect.width(), rect.height());
    if (Face.Empty()) return;
    HDC face = Face.Canvas().Handle();
    FillBackground(face, rect);
    DrawElementFrame(Face, rect, element.Frame, index, element);

    HGDIOBJ old_font = SelectObject(face, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    const std::string& caption = button->Caption();
    const std::wstring text = widen(caption);
    Size text_size;
    if (!text.empty()) {
        RECT measured = to_rect(rect);
        DrawTextW(face, text.c_str(), int(text.size()), &measured, DT_CALCRECT);
        text_size = from_rect(measured).size();
    }
    const int num = button->NumGlyphs();
    const Size cell = button->GlyphCell();
    const GlyphPlacement place = place_glyph(button->ClientRect().size(), cell, text_size, button->Layout(),
                                             button->Margin(), button->Spacing());
    if (cell.width > 0) DrawGlyph(Face, place.glyph, num, 1, button->Glyph());
    SetBkMode(face, TRANSPARENT);
    SetTextColor(face, index == csDisabled ? GetSysColor(COLOR_BTNSHADOW) : ColorToRGB(TextColour(index)));
    RECT text_rect = to_rect(place.text);
    if (!text.empty()) DrawTextW(face, text.c_str(), int(text.size()), &text_rect, place.format);
    CopyToDC(dc, rect, Face);
    SelectObject(face, old_font);
}

}  // namespace korvane
