#include "framework/win/up_down.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/properties.h"
#include "framework/win/comctrls.h"

namespace korvane {

namespace {

constexpr std::string_view kAlignButtonNames[] = {"udLeft", "udRight"};
constexpr std::string_view kOrientationNames[] = {"udHorizontal", "udVertical"};

}  // namespace

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    bounds_ = Rect::from_size(0, 0, 17, 21);
}

const PropertyTable& TUpDown::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TUpDown>(TWinControl::Properties())
            .enumeration("AlignButton", kAlignButtonNames, &TUpDown::AlignButton, &TUpDown::SetAlignButton, udRight)
            .boolean("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys, true)
            .integer("Increment", &TUpDown::Increment, &TUpDown::SetIncrement, 1)
            .integer("Max", &TUpDown::Max, &TUpDown::SetMax, 100)
            .integer("Min", &TUpDown::Min, &TUpDown::SetMin, 0)
            .enumeration("Orientation", kOrientationNames, &TUpDown::Orientation, &TUpDown::SetOrientation,
                         udVertical)
            .integer("Position", [](const TUpDown& u) { return u.position_; }, &TUpDown::SetPosition, 0)
            .boolean("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands, true)
            .boolean("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap, false)
            .component("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
            .build();
    return table;
}

void TUpDown::SetAssociate(TWinControl* control) {
    if (control == associate_) return;
    if (associate_) associate_->RemoveFreeNotification(this);
    associate_ = control;
    if (control) control->FreeNotification(this);
    // The buddy is given at creation, so that the control takes its place.
    RecreateWnd();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == associate_) {
        associate_ = nullptr;
        if (HandleAllocated()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
    }
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
    if (value == align_button_) return;
    align_button_ = value;
    RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    if (!ComponentState().contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TUpDown::SetArrowKeys(bool value) {
    if (value == arrow_keys_) return;
    arrow_keys_ = value;
    RecreateWnd();
}

void TUpDown::SetWrap(bool value) {
    if (value == wrap_) return;
    wrap_ = value;
    RecreateWnd();
}

void TUpDown::SetThousands(bool value) {
    if (value == thousands_) return;
    thousands_ = value;
    RecreateWnd();
}

void TUpDown::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

void TUpDown::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    position_ = std::clamp(position_, min_, max_);
    Apply();
}

void TUpDown::SetIncrement(int value) {
    increment_ = value;
    Apply();
}

int TUpDown::Position() {
    if (HandleAllocated()) {
        BOOL failed = FALSE;
        int now = int(SendMessageW(Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
        // The failure is the associate's text not being a number; without an
        // associate the system reports one too (Wine), with the position right.
        if (!failed || !associate_) position_ = now;
    }
    return position_;
}

void TUpDown::SetPosition(int value) {
    position_ = ComponentState().contains(csLoading) ? value : std::clamp(value, min_, max_);
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::Apply() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    SendMessageW(window, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    UDACCEL accel{0, UINT(increment_)};
    SendMessageW(window, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageW(window, UDM_SETPOS32, 0, position_);
}

void TUpDown::CreateParams(TCreateParams& p) {
    InitCommonControlClasses(ICC_UPDOWN_CLASS);
    TWinControl::CreateParams(p);
    p.superclass = UPDOWN_CLASSW;
    p.style &= ~DWORD(WS_CLIPCHILDREN | WS_TABSTOP);
    p.style |= UDS_SETBUDDYINT;
    p.style |= align_button_ == udLeft ? UDS_ALIGNLEFT : UDS_ALIGNRIGHT;
    if (orientation_ == udHorizontal) p.style |= UDS_HORZ;
    if (arrow_keys_) p.style |= UDS_ARROWKEYS;
    if (wrap_) p.style |= UDS_WRAP;
    if (!thousands_) p.style |= UDS_NOTHOUSANDS;
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TUpDown::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
    if (associate_) SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: {
        auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
        if (header->code != UDN_DELTAPOS) return TWinControl::WndProc(m);
        bool allow = true;
        if (OnChanging) OnChanging(this, allow);
        m.Result = allow ? 0 : 1;
        step_ = allow ? reinterpret_cast<const NMUPDOWN*>(m.LParam)->iDelta : 0;
        return;
    }
    case CN_HSCROLL:
    case CN_VSCROLL:
        // After the step of the UDN_DELTAPOS before it (its sign names the arrow).
        if (LOWORD(m.WParam) == SB_THUMBPOSITION && step_ != 0) {
            Position();
            if (OnClick) OnClick(this, step_ > 0 ? btNext : btPrev);
            step_ = 0;
        }
        m.Result = 0;
        return;
    default:
        TWinControl::WndProc(m);
    }
}

}  // namespace korvane
