#include "skin/controls/skin_check_box.h"

#include "framework/win/check_buttons.h"

namespace korvane {

bool RedrawAfterSystemPaint(TSkinControl& object, const TMessage& message) {
    switch (message.Msg) {
        case BM_SETCHECK:
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_UPDATEUISTATE: object.Redraw(); return true;
        default: return false;
    }
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
    if (RedrawAfterSystemPaint(*this, message)) return;
    if (message.Msg == CM_PAINTFACE && Handle) {
        // The face went into an off-screen bitmap: the box goes there too.
        RECT client{};
        GetClientRect(Handle, &client);
        PaintTo(reinterpret_cast<HDC>(message.WParam), from_rect(client));
        return;
    }
    TSkinControl::AfterMessage(message);
}

int TSkinCheckBox::BoxFrame() {
    const LRESULT state = SendMessageW(Handle, BM_GETSTATE, 0, 0);
    const auto* box = dynamic_cast<const TCustomCheckBox*>(HookedControl());
    return check_box_frame(state & BST_CHECKED, state & BST_INDETERMINATE, box && box->Checked(),
                           GetWindowLongW(Handle, GWL_STYLE) & WS_DISABLED);
}

const Image& TSkinCheckBox::BoxImage() const { return SkinData->Skin().Buttons.CheckButton; }
int TSkinCheckBox::BoxFrames() const { return SkinData->Skin().Buttons.CheckButtonFrame; }

void TSkinCheckBox::PaintTo(HDC dc, const Rect& rect) {
    if (!SkinData || !Handle) return;
    const Image& image = BoxImage();
    const int w = strip_cell_width(image.width(), BoxFrames());
    if (w == 0 || image.height() <= 0) return;
    const Rect box = check_box_rect(rect, {w, image.height()},
                                    GetWindowLongW(Handle, GWL_STYLE) & BS_LEFTTEXT);
    TBitmap& shared = SharedBitmap();
    shared.SetSize(box.width(), box.height());
    if (shared.Empty()) return;
    const Rect local{0, 0, box.width(), box.height()};
    FillBackground(shared.Canvas().Handle(), local);
    DrawFrameCell(shared, local, BoxFrames(), BoxFrame(), image.view());
    CopyToDC(dc, box, shared);
}

}  // namespace korvane
