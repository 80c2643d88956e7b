#include "framework/win/comctrls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/properties.h"

namespace korvane {

void InitCommonControlClasses(DWORD classes) {
    static DWORD registered = 0;
    if ((registered & classes) == classes) return;
    INITCOMMONCONTROLSEX icc{sizeof(icc), classes};
    if (InitCommonControlsEx(&icc)) registered |= classes;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    bounds_ = Rect::from_size(0, 0, 150, 16);
}

const PropertyTable& TProgressBar::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TProgressBar>(TWinControl::Properties())
            .integer("Min", &TProgressBar::Min, &TProgressBar::SetMin, 0)
            .integer("Max", &TProgressBar::Max, &TProgressBar::SetMax, 100)
            .integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition, 0)
            .integer("Step", &TProgressBar::Step, &TProgressBar::SetStep, 10)
            .build();
    return table;
}

void TProgressBar::CreateParams(TCreateParams& p) {
    InitCommonControlClasses(ICC_PROGRESS_CLASS);
    TWinControl::CreateParams(p);
    p.superclass = PROGRESS_CLASSW;
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.ex_style &= ~DWORD(WS_EX_CONTROLPARENT);
}

void TProgressBar::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

void TProgressBar::Apply() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    SendMessageW(Handle(), PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    SetPosition(position_);
}

void TProgressBar::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    SetPosition(position_);
}

void TProgressBar::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
    Apply();
}

}  // namespace korvane
