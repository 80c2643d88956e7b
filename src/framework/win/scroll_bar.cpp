#include "framework/win/scroll_bar.h"

#include <algorithm>

#include "framework/core/properties.h"

namespace korvane {

namespace {

constexpr std::string_view kKindNames[] = {"sbHorizontal", "sbVertical"};

}  // namespace

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    bounds_ = Rect::from_size(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

const PropertyTable& TScrollBar::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TScrollBar>(TWinControl::Properties())
            .boolean("TabStop", &TScrollBar::TabStop, &TScrollBar::SetTabStop, true)
            .enumeration("Kind", kKindNames, &TScrollBar::Kind, &TScrollBar::SetKind, sbHorizontal)
            .integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange, 1)
            .integer("Max", &TScrollBar::Max, &TScrollBar::SetMax, 100)
            .integer("Min", &TScrollBar::Min, &TScrollBar::SetMin, 0)
            .integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize, 0)
            .integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition, 0)
            .integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange, 1)
            .build();
    return table;
}

void TScrollBar::SetKind(TScrollBarKind value) {
    if (value == kind_) return;
    kind_ = value;
    // The long side follows the kind.
    if (!ComponentState().contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

int TScrollBar::MaxPosition() const { return page_size_ > 0 ? std::max(min_, max_ - page_size_ + 1) : max_; }

void TScrollBar::SetPageSize(int value) {
    page_size_ = std::clamp(value, 0, max_ - min_ + 1);
    SetParams(position_, min_, max_);
    Apply();
}

// During loading the values come one by one: the range is not checked until
// they are all there.
void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) max = min;
    min_ = min;
    max_ = max;
    page_size_ = std::min(page_size_, max_ - min_ + 1);
    const bool loading = ComponentState().contains(csLoading);
    int next = loading ? position : std::clamp(position, min_, MaxPosition());
    const bool changed = next != position_;
    position_ = next;
    Apply();
    if (changed && !loading && OnChange) OnChange(this);
}

void TScrollBar::Apply() {
    if (!HandleAllocated()) return;
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, min_, max_,
                    UINT(page_size_), position_, 0};
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.superclass = L"SCROLLBAR";
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TScrollBar::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

// One step of the user's scrolling, from the bar's WM_HSCROLL or WM_VSCROLL.
void TScrollBar::Scroll(int code) {
    struct Step {
        TScrollCode code;
        int position;
    };
    auto step_for = [&]() -> Step {
        switch (code) {
        case SB_LINEUP: return {scLineUp, position_ - small_change_};
        case SB_LINEDOWN: return {scLineDown, position_ + small_change_};
        case SB_PAGEUP: return {scPageUp, position_ - large_change_};
        case SB_PAGEDOWN: return {scPageDown, position_ + large_change_};
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: {
            // The 32-bit track position (the message carries only 16 bits).
            SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(Handle(), SB_CTL, &info);
            return {code == SB_THUMBTRACK ? scTrack : scPosition, info.nTrackPos};
        }
        case SB_TOP: return {scTop, min_};
        case SB_BOTTOM: return {scBottom, MaxPosition()};
        default: return {scEndScroll, position_};
        }
    };
    auto [step, next] = step_for();
    next = std::clamp(next, min_, MaxPosition());
    if (OnScroll) OnScroll(this, step, next);
    SetPosition(next);
}

void TScrollBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        Scroll(LOWORD(m.WParam));
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace korvane
