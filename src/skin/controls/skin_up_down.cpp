#include "skin/controls/skin_up_down.h"

#include <commctrl.h>

#include "framework/win/canvas.h"
#include "framework/win/gdi.h"
#include "framework/win/graphics.h"
#include "skin/draw/drawing.h"
#include "skin/draw/up_down_rules.h"

namespace korvane {

bool TSkinUpDown::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT: PaintHandler(*this, message); return false;
        case WM_ERASEBKGND: message.Result = 1; return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            CallDefault(message);
            State |= kPressed;
            PaintWindow(nullptr);
            return false;
        case WM_LBUTTONUP:
            State &= std::uint8_t(~kPressed);
            CallDefault(message);
            PaintWindow(nullptr);
            return false;
        default: return true;
    }
}

void TSkinUpDown::PaintTo(HDC dc, const Rect& rect) {
    if (!Handle || !SkinData) return;
    RECT client{};
    GetClientRect(Handle, &client);
    Rect c = from_rect(client);
    TBitmap& work = SharedBitmap();
    work.SetSize(c.right, c.bottom);
    if (work.Empty()) return;
    FillBackground(work.Canvas().Handle(), c);
    if (Boxed) c = c.shrunken(1);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Handle, &cursor);
    Enabled = !(GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED);
    const bool horizontal = Horizontal == 1 || (GetWindowLongW(Handle, GWL_STYLE) & UDS_HORZ);
    const UpDownHalves halves = up_down_halves(c, horizontal);
    const int along = horizontal ? cursor.x : cursor.y;
    const bool pressed = State & kPressed, hot = State & kHot;
    for (int second = 0; second < 2; ++second) {
        const int state = up_down_state(Enabled, second != 0, along, halves.split, pressed, hot);
        DrawHalf(work.Canvas().Handle(), second ? halves.second : halves.first, halves.first_kind + second, state);
    }
    BitBlt(dc, rect.left, rect.top, client.right, client.bottom, work.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawHalf(HDC dc, const Rect& half, int kind, int state) {
    const bool horizontal = kind >= 2;
    const auto& element = horizontal ? SkinData->Skin().UpDownHorz : SkinData->Skin().UpDownVert;
    const SkinColours& colours = SkinData->Skin().Colours;
    if (element && !element->Bitmap2.empty()) {
        const int frame = up_down_frame(kind, state);
        GdiFlush();
        const MutableImageView view = SharedBitmap().MutableView();
        DrawStripFrame(view, half, Strip{element->Bitmap.view(), 8, false}, frame, true);
        const ImageView glyph = element->Bitmap2.view();
        const int frames = element->Frame > 0 ? element->Frame : 8;
        const Size cell{glyph.width() / frames, glyph.height()};
        const Rect place = Rect::from_size(half.left + (half.width() - cell.width) / 2,
                                           half.top + (half.height() - cell.height) / 2, cell.width, cell.height);
        DrawStripFrame(view, place, Strip{glyph, frames, false}, frame, true);
        return;
    }
    const bool dark = state == 2 || state == 4;
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(dark ? colours.ButtonShadow : colours.ButtonFace)));
    UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, ColorToRGB(colours.ButtonDkShadow)));
    HGDIOBJ old_brush = SelectObject(dc, brush.get());
    HGDIOBJ old_pen = SelectObject(dc, pen.get());
    Rectangle(dc, half.left, half.top, half.right, half.bottom);
    for (const UpDownLine& line : up_down_arrow(kind, half)) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
}

}  // namespace korvane
