#include "skin/controls/skin_status_bar.h"

#include <commctrl.h>

#include "framework/win/graphics.h"
#include "framework/win/status_bar.h"

namespace korvane {
namespace {

unsigned format_of(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return kCaptionRight;
        case taCenter: return kCaptionCenter;
        default: return kCaptionLeft;
    }
}

PanelBevel bevel_of(TStatusPanelBevel bevel) {
    switch (bevel) {
        case pbLowered: return PanelBevel::Lowered;
        case pbRaised: return PanelBevel::Raised;
        default: return PanelBevel::None;
    }
}

void edge(HDC dc, const Rect& r, COLORREF top_left, COLORREF bottom_right) {
    UniqueGdi<HPEN> light(CreatePen(PS_SOLID, 1, top_left));
    UniqueGdi<HPEN> dark(CreatePen(PS_SOLID, 1, bottom_right));
    HGDIOBJ old = SelectObject(dc, light.get());
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectObject(dc, dark.get());
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left, r.bottom - 1);
    SelectObject(dc, old);
}

}  // namespace

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT: PaintHandler(*this, message); return false;
        case WM_ERASEBKGND: message.Result = 1; return false;
        default: return true;
    }
}

void TSkinStatusBar::PaintPanel(TBitmap& target, const Rect& r, unsigned format, const std::string& text,
                                int frame) {
    const auto& edges = SkinData->Skin().StatusBarEdges;
    if (edges && !edges->Bitmap.empty()) {
        DrawElementFrame(target, r, 3, frame, *edges);
    } else if (frame != 3 && !r.is_empty()) {
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
        edge(target.Canvas().Handle(), r, frame == 1 ? shadow : light, frame == 1 ? light : shadow);
    }
    DrawCaption(target.Canvas(), r, format, true, text.empty() ? " " : text);
}

void TSkinStatusBar::PaintTo(HDC dc, const Rect& rect) {
    auto* bar = dynamic_cast<TStatusBar*>(HookedControl());
    if (!bar || !SkinData) return;
    TBitmap& shared = SharedBitmap();
    shared.SetSize(rect.width(), rect.height());
    if (shared.Empty()) return;
    HDC face = shared.Canvas().Handle();
    FillBackground(face, rect);
    HGDIOBJ old_font = SelectObject(face, reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
    const auto& edges = SkinData->Skin().StatusBarEdges;
    SetTextColor(face, ColorToRGB(edges ? edges->NormalColour2 : SkinData->Colours().ButtonText));
    const int count = bar->Panels().Count();
    if (bar->SimplePanel() || count == 0) {
        PaintPanel(shared, rect, kCaptionLeft, bar->SimpleText(), 1);
    } else {
        for (int i = 0; i < count; ++i) {
            RECT r{};
            if (!SendMessageW(Handle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r))) continue;
            Rect panel = from_rect(r);
            if (i == count - 1) panel.right = rect.right;
            const TStatusPanel& item = bar->Panels().Items(i);
            PaintPanel(shared, panel, format_of(item.Alignment()), item.Text(),
                       status_panel_frame(bevel_of(item.Bevel())));
        }
    }
    const auto& extra = SkinData->Skin().ExtraImages;
    if ((GetWindowLongW(Handle, GWL_STYLE) & SBARS_SIZEGRIP) && extra && !extra->Bitmap.empty()) {
        const int w = strip_cell_width(extra->Bitmap.width(), extra->Frame);
        if (w > 0) DrawFrameCell(shared, size_grip_rect(rect, {w, extra->Bitmap.height()}), extra->Frame, 5,
                                 extra->Bitmap.view());
    }
    CopyToDC(dc, rect, shared);
    SelectObject(face, old_font);
}

}  // namespace korvane
