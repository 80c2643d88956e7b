#include "framework/win/scrolling.h"

#include <windowsx.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "framework/core/properties.h"

namespace korvane {

// --- TControlScrollBar

const PropertyTable& TControlScrollBar::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TControlScrollBar>(TPersistent::Properties())
            .integer("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement, 8)
            .integer("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange, 0)
            .stored_if([](const TControlScrollBar& b) { return !b.control_.AutoScroll() && b.range_ != 0; })
            .boolean("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible, true)
            .build();
    return table;
}

void TControlScrollBar::SetRange(int value) {
    range_ = std::max(0, value);
    control_.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
    visible_ = value;
    control_.UpdateScrollBars();
}

int TControlScrollBar::PageSize() const {
    Rect client = control_.ClientRect();
    return vertical_ ? client.height() : client.width();
}

void TControlScrollBar::SetPosition(int value) {
    value = std::clamp(value, 0, std::max(0, range_ - PageSize()));
    if (!showing_) value = 0;
    const int delta = value - position_;
    if (delta == 0) return;
    position_ = value;
    if (control_.HandleAllocated())
        SetScrollPos(control_.Handle(), vertical_ ? SB_VERT : SB_HORZ, position_, TRUE);
    control_.ScrollBy(vertical_ ? 0 : -delta, vertical_ ? -delta : 0);
}

void TControlScrollBar::Scroll(int code) {
    const HWND window = control_.Handle();
    const int bar = vertical_ ? SB_VERT : SB_HORZ;
    switch (code) {
    case SB_LINEUP: return SetPosition(position_ - increment_);
    case SB_LINEDOWN: return SetPosition(position_ + increment_);
    case SB_PAGEUP: return SetPosition(position_ - PageSize());
    case SB_PAGEDOWN: return SetPosition(position_ + PageSize());
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(window, bar, &info);
        return SetPosition(info.nTrackPos);
    }
    case SB_TOP: return SetPosition(0);
    case SB_BOTTOM: return SetPosition(range_);
    default: return;
    }
}

// --- TScrollingWinControl

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner) {}

const PropertyTable& TScrollingWinControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TScrollingWinControl>(TWinControl::Properties())
            .boolean("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll, true)
            .object("HorzScrollBar", &TScrollingWinControl::HorzScrollBar)
            .object("VertScrollBar", &TScrollingWinControl::VertScrollBar)
            .build();
    return table;
}

// Switched off, the bars go until the program gives them a range.
void TScrollingWinControl::SetAutoScroll(bool value) {
    auto_scroll_ = value;
    if (!value) horz_.range_ = vert_.range_ = 0;
    UpdateScrollBars();
}

Size TScrollingWinControl::ContentExtent() const {
    Size extent;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        extent.width = std::max(extent.width, c->BoundsRect().right + horz_.position_);
        extent.height = std::max(extent.height, c->BoundsRect().bottom + vert_.position_);
    }
    return extent;
}

// A bar shows when the contents reach past the room left beside the other
// bar; showing one bar takes room from the other way, so that is decided twice.
void TScrollingWinControl::UpdateScrollBars() {
    if (!HandleAllocated() || updating_ || ComponentState().contains(csLoading)) return;
    updating_ = true;
    if (auto_scroll_) {
        Size extent = AutoScrollEnabled() ? ContentExtent() : Size{};
        horz_.range_ = extent.width;
        vert_.range_ = extent.height;
    }
    const HWND window = Handle();
    RECT client;
    GetClientRect(window, &client);
    int width = client.right + (vert_.showing_ ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    int height = client.bottom + (horz_.showing_ ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    bool horz = false, vert = false;
    for (int pass = 0; pass < 2; ++pass) {
        horz = horz_.visible_ && horz_.range_ > width - (vert ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        vert = vert_.visible_ && vert_.range_ > height - (horz ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    }
    if (horz) height -= GetSystemMetrics(SM_CYHSCROLL);
    if (vert) width -= GetSystemMetrics(SM_CXVSCROLL);
    for (auto [bar, shows, page] : {std::tuple{&horz_, horz, width}, std::tuple{&vert_, vert, height}}) {
        // A bar that goes first brings the contents back to the start.
        if (!shows && bar->position_ != 0) bar->SetPosition(0);
        bar->showing_ = shows;
        const int kind = bar->vertical_ ? SB_VERT : SB_HORZ;
        ShowScrollBar(window, kind, shows);
        if (!shows) continue;
        SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, bar->range_ - 1, UINT(page),
                        bar->position_, 0};
        SetScrollInfo(window, kind, &info, TRUE);
        // Grown room: the position may now be past the last page.
        const int last = std::max(0, bar->range_ - page);
        if (bar->position_ > last) bar->SetPosition(last);
    }
    updating_ = false;
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
    const bool was_updating = std::exchange(updating_, true);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    updating_ = was_updating;
    Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
    if (!control || control->Parent() != this) return;
    Rect r = control->BoundsRect();
    Rect client = ClientRect();
    if (r.right > client.right) horz_.SetPosition(horz_.position_ + std::min(r.right - client.right, r.left));
    else if (r.left < 0) horz_.SetPosition(horz_.position_ + r.left);
    if (r.bottom > client.bottom) vert_.SetPosition(vert_.position_ + std::min(r.bottom - client.bottom, r.top));
    else if (r.top < 0) vert_.SetPosition(vert_.position_ + r.top);
}

void TScrollingWinControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

void TScrollingWinControl::AdjustSize() { UpdateScrollBars(); }

void TScrollingWinControl::WindowBoundsChanged() {
    TWinControl::WindowBoundsChanged();
    UpdateScrollBars();
}

// The window's own bars (lParam 0; a scroll-bar child's messages are its own).
void TScrollingWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (m.LParam != 0) break;
        (m.Msg == WM_HSCROLL ? horz_ : vert_).Scroll(LOWORD(m.WParam));
        m.Result = 0;
        return;
    case WM_MOUSEWHEEL:
        if (!vert_.showing_) break;
        vert_.SetPosition(vert_.position_ - GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA * 3 * vert_.increment_);
        m.Result = 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

}  // namespace korvane
