#include "skin/controls/skin_track_bar.h"

#include <commctrl.h>

#include "framework/win/graphics.h"

namespace korvane {

void TSkinTrackBar::AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas) {
    TSkinControl::AttachWindow(handle, data, canvas);
    HWND parent = GetParent(handle);
    if (!parent) return;
    parent_.Install(parent, [this, handle](UINT msg, WPARAM wparam, LPARAM lparam) {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        if (msg == WM_NOTIFY && header && header->hwndFrom == handle) {
            TMessage message{msg, wparam, lparam, 0};
            if (CustomDraw(message)) return message.Result;
        }
        return parent_.CallNext(msg, wparam, lparam);
    });
}

void TSkinTrackBar::Detach() {
    parent_.Remove();
    TSkinControl::Detach();
}

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return false;
    }
    if (message.Msg != WM_NOTIFY && message.Msg != CN_NOTIFY) return true;
    return !CustomDraw(message);
}

bool TSkinTrackBar::CustomDraw(TMessage& message) {
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(message.LParam);
    if (!draw || draw->hdr.code != UINT(NM_CUSTOMDRAW)) return false;
    const TrackBarDrawAnswer answer = track_bar_custom_draw(draw->dwDrawStage, draw->dwItemSpec);
    if (answer.draw_thumb) DrawThumb(draw->hdc);
    message.Result = answer.result;
    return true;
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    if (!SkinData || !Handle || !dc) return;
    RECT r{};
    SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    const Rect thumb = from_rect(r);
    if (thumb.is_empty()) return;
    const TDataSkinButton& buttons = SkinData->Skin().Buttons;
    if (buttons.Bitmap.empty()) {
        UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, ColorToRGB(SkinData->Colours().ButtonShadow)));
        HGDIOBJ old_pen = SelectObject(dc, pen.get());
        HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
        SelectObject(dc, old_brush);
        SelectObject(dc, old_pen);
        return;
    }
    // The channel under the thumb shows through the magenta pixels.
    TBitmap& shared = SharedBitmap();
    shared.SetSize(thumb.width(), thumb.height());
    if (shared.Empty()) return;
    BitBlt(shared.Canvas().Handle(), 0, 0, thumb.width(), thumb.height(), dc, thumb.left, thumb.top, SRCCOPY);
    DrawFrameCell(shared, {0, 0, thumb.width(), thumb.height()}, 5, 4, buttons.Bitmap.view());
    CopyToDC(dc, thumb, shared);
}

}  // namespace korvane
