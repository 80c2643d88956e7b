#include "framework/win/track_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/properties.h"
#include "framework/win/comctrls.h"

namespace korvane {

namespace {

constexpr std::string_view kOrientationNames[] = {"trHorizontal", "trVertical"};
constexpr std::string_view kTickMarkNames[] = {"tmBottomRight", "tmTopLeft", "tmBoth"};
constexpr std::string_view kTickStyleNames[] = {"tsNone", "tsAuto", "tsManual"};

}  // namespace

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    bounds_ = Rect::from_size(0, 0, 150, 45);
}

const PropertyTable& TTrackBar::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TTrackBar>(TWinControl::Properties())
            .boolean("TabStop", &TTrackBar::TabStop, &TTrackBar::SetTabStop, true)
            .integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency, 1)
            .integer("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize, 1)
            .integer("Max", &TTrackBar::Max, &TTrackBar::SetMax, 10)
            .integer("Min", &TTrackBar::Min, &TTrackBar::SetMin, 0)
            .enumeration("Orientation", kOrientationNames, &TTrackBar::Orientation, &TTrackBar::SetOrientation,
                         trHorizontal)
            .integer("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize, 2)
            .integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition, 0)
            .enumeration("TickMarks", kTickMarkNames, &TTrackBar::TickMarks, &TTrackBar::SetTickMarks,
                         tmBottomRight)
            .enumeration("TickStyle", kTickStyleNames, &TTrackBar::TickStyle, &TTrackBar::SetTickStyle, tsAuto)
            .build();
    return table;
}

void TTrackBar::CreateParams(TCreateParams& p) {
    InitCommonControlClasses(ICC_BAR_CLASSES);
    TWinControl::CreateParams(p);
    p.superclass = TRACKBAR_CLASSW;
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.style |= orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
    if (tick_style_ == tsNone) p.style |= TBS_NOTICKS;
    if (tick_style_ == tsAuto) p.style |= TBS_AUTOTICKS;
    if (tick_marks_ == tmBoth) p.style |= TBS_BOTH;
    if (tick_marks_ == tmTopLeft) p.style |= TBS_TOP;  // TBS_LEFT on a vertical bar
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TTrackBar::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

void TTrackBar::Apply() {
    if (!HandleAllocated()) return;
    HWND bar = Handle();
    SendMessageW(bar, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(bar, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(bar, TBM_SETLINESIZE, 0, line_size_);
    SendMessageW(bar, TBM_SETPAGESIZE, 0, page_size_);
    SendMessageW(bar, TBM_SETTICFREQ, WPARAM(frequency_), 0);
    SendMessageW(bar, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    Apply();
    SetPosition(position_);
}

void TTrackBar::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    Apply();
    SetPosition(position_);
}

void TTrackBar::SetPosition(int value) {
    value = std::clamp(value, min_, max_);
    if (value == position_) return;
    position_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
    Changed();
}

void TTrackBar::SetFrequency(int value) {
    frequency_ = value < 1 ? 1 : value;
    Apply();
}
void TTrackBar::SetLineSize(int value) {
    line_size_ = value < 1 ? 1 : value;
    Apply();
}
void TTrackBar::SetPageSize(int value) {
    page_size_ = value < 1 ? 1 : value;
    Apply();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == orientation_) return;
    // The long side follows the orientation.
    orientation_ = value;
    if (!ComponentState().contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
    if (value == tick_marks_) return;
    tick_marks_ = value;
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
    if (value == tick_style_) return;
    tick_style_ = value;
    RecreateWnd();
}

void TTrackBar::SetTick(int value) {
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTIC, 0, value);
}

void TTrackBar::Changed() {
    if (!ComponentState().contains(csLoading) && OnChange) OnChange(this);
}

// The bar tells its parent of every move; the parent reflects it here.
void TTrackBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        int now = int(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
        if (now != position_) {
            position_ = now;
            Changed();
        }
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace korvane
