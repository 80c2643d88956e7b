#include "skin/controls/skin_com_box.h"

#include "framework/win/canvas.h"
#include "framework/win/gdi.h"
#include "skin/controls/skin_edit.h"
#include "skin/draw/blit.h"
#include "skin/draw/drawing.h"
#include "skin/draw/control_rules.h"

namespace korvane {
namespace {

bool has_image(const std::unique_ptr<TDataSkinObject>& element) { return element && !element->Bitmap.empty(); }

// Frame of ComboButton: pressed, then focused or hot, then disabled.
int combo_state(bool pressed, bool focused_or_hot, bool enabled) {
    if (pressed) return 2;
    if (focused_or_hot) return 4;
    return enabled ? 1 : 3;
}

HBRUSH current_brush(HDC dc) { return static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)); }

// Cell `index` of the strip stretched into the rect of the DC, opaque or
// magenta transparent, through the shared bitmap.
void cell_to_dc(HDC dc, const Rect& rect, ImageView image, int frames, int index, bool transparent) {
    if (rect.is_empty() || strip_cell_width(image.width(), frames) == 0) return;
    TBitmap& work = SharedBitmap();
    work.SetSize(rect.width(), rect.height());
    if (work.Empty()) return;
    const Rect local{0, 0, rect.width(), rect.height()};
    BitBlt(work.Canvas().Handle(), 0, 0, rect.width(), rect.height(), dc, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    DrawStripFrame(work.MutableView(), local, Strip{image, frames, false}, index, transparent);
    CopyToDC(dc, rect, work);
}

}  // namespace

void TSkinComBox::AfterMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            State |= kPressed;
            PaintWindow(nullptr);
            break;
        case WM_LBUTTONUP:
            State &= std::uint8_t(~kPressed);
            PaintWindow(nullptr);
            break;
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            if (Enabled) {
                if (message.Msg == CM_MOUSEENTER)
                    State |= kHot;
                else
                    State &= std::uint8_t(~kHot);
                PaintWindow(nullptr);
            }
            break;
        default: TSkinControl::AfterMessage(message); break;
    }
}

void TSkinComBox::PaintTo(HDC dc, const Rect& rect) {
    if (!SkinData || !Handle) return;
    const SkinModel& skin = SkinData->Skin();
    if (!has_image(skin.ComboButton)) return;
    ReadWindowFlags();
    const int state = combo_state(State & kPressed, Focused || (State & kHot), Enabled);
    if (skin.ComboButton->Style == 1) return PaintFlat(dc, rect, state);
    if (!has_image(skin.SunkEdge)) return;
    const RECT inner = to_rect(rect.shrunken(1));
    FrameRect(dc, &inner, current_brush(dc));
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    const Rect button{rect.right - s - 2, rect.top, rect.right, rect.bottom};
    FillBackground(dc, button);
    const TDataSkinObject& combo = *skin.ComboButton;
    cell_to_dc(dc, button, combo.Bitmap.view(), combo.Frame, state, true);
    if (has_image(skin.ExtraImages)) {
        const TDataSkinObject& extra = *skin.ExtraImages;
        const int w = strip_cell_width(extra.Bitmap.width(), extra.Frame), h = extra.Bitmap.height();
        const Rect glyph = Rect::from_size(button.left + (button.width() - w) / 2,
                                           rect.top + (rect.height() - h) / 2, w, h);
        cell_to_dc(dc, glyph, extra.Bitmap.view(), extra.Frame, state, true);
    }
    // The sunken edge from the first cell of SunkEdge, stretched, opaque.
    const TDataSkinObject& edge = *skin.SunkEdge;
    const int W = strip_cell_width(edge.Bitmap.width(), edge.Frame), H = edge.Bitmap.height();
    if (W == 0) return;
    const int lw = edge.LeftWidth, th = edge.TopHeight, rw = edge.RightWidth, bh = edge.BottomHeight;
    const int l = lw > 1 ? 2 : 1, t = th > 1 ? 2 : 1, u = bh > 1 ? 2 : 1;
    const ImageView image = edge.Bitmap.view();
    auto piece = [&](const Rect& to, const Rect& from) {
        if (to.is_empty() || from.is_empty()) return;
        TBitmap& work = SharedBitmap();
        work.SetSize(to.width(), to.height());
        if (work.Empty()) return;
        GdiFlush();
        StretchBlit(work.MutableView(), {0, 0, to.width(), to.height()}, image, from);
        CopyToDC(dc, to, work);
    };
    piece({rect.left, rect.top, rect.left + l, rect.bottom}, {0, th, lw, H - bh});
    piece({rect.left, rect.top, button.left, rect.top + t}, {lw, 0, W - rw, th});
    piece(Rect::from_size(rect.left, rect.top, t, t), {0, 0, lw, th});
    piece({rect.left, rect.bottom - u, button.left, rect.bottom}, {lw, H - bh, W - rw, H});
    piece({rect.left, rect.bottom - u, rect.left + u, rect.bottom}, {0, H - bh, lw, H});
}

void TSkinComBox::PaintFlat(HDC dc, const Rect& rect, int state) {
    HBRUSH brush = current_brush(dc);
    const RECT inner = to_rect(rect.shrunken(1));
    FrameRect(dc, &inner, brush);
    const Rect body = rect.shrunken(2);
    const Rect button{body.right - GetSystemMetrics(SM_CYVTHUMB), body.top, body.right, body.bottom};
    const RECT b = to_rect(button);
    FillRect(dc, &b, brush);
    const TDataSkinObject& combo = *SkinData->Skin().ComboButton;
    cell_to_dc(dc, button, combo.Bitmap.view(), combo.Frame, state, false);
    FrameColour(dc, rect, SkinData->Colours().ButtonShadow);
}

}  // namespace korvane
