#include "skin/controls/skin_sc_control.h"

#include "framework/win/scroll_bar.h"
#include "skin/controls/skin_scroll_bar.h"

namespace korvane {
namespace {

const TScrollBar* scroll_bar_of(TWinControl* control) { return dynamic_cast<const TScrollBar*>(control); }

bool same(const ScrollRange& a, const ScrollRange& b) {
    return a.min == b.min && a.max == b.max && a.page == b.page && a.pos == b.pos;
}

}  // namespace

ScrollRange TSkinScControl::Range() const {
    const TScrollBar* bar = scroll_bar_of(Control);
    if (!bar) return {};
    return {bar->Min(), bar->Max(), bar->PageSize(), bar->Position()};
}

bool TSkinScControl::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_NCMOUSEMOVE: return message.WParam != HTHSCROLL && message.WParam != HTVSCROLL;
        case CN_HSCROLL:
        case CN_VSCROLL:
            PressedPart = scroll_pressed_part(message.Msg == CN_VSCROLL, LOWORD(message.WParam));
            CallDefault(message);
            PaintWindow(nullptr);
            return false;
        default: return true;
    }
}

void TSkinScControl::AfterMessage(TMessage& message) {
    TSkinControl::AfterMessage(message);
    if (message.Msg != WM_PAINT && Handle && !same(Range(), drawn_)) PaintWindow(nullptr);
}

void TSkinScControl::PaintTo(HDC dc, const Rect& rect) {
    const TScrollBar* bar = scroll_bar_of(Control);
    if (!bar || !SkinData || !SkinData->Skin().Scrollbar || SkinData->Skin().Scrollbar->Bitmap.empty()) return;
    const bool vertical = bar->Kind() == sbVertical;
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    drawn_ = Range();
    control_bar_thumb(Geometry, vertical ? rect.height() : rect.width(), s, drawn_, MinThumbLength(s),
                      GetSystemMetrics(SM_CXHTHUMB));
    DrawScrollBar(dc, rect, vertical, Geometry, PressedPart, SkinData->Skin());
}

}  // namespace korvane
