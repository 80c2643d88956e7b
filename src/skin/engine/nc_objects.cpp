#include "skin/engine/nc_objects.h"

#include "skin/engine/win_skin_form.h"

namespace korvane {

void TNCObject::SetState(int state) {
    State = state;
    Paint();
}

void TNCObject::MouseDown() {
    if (Owner->HotObject && Owner->HotObject != this) Owner->HotObject->MouseLeave();
    if (!Visible) return;
    Owner->HotObject = this;
    SetState(stPressed);
}

void TNCObject::MouseUp() {
    if (Visible) SetState(stHot);
}

void TNCObject::MouseEnter() {
    if (Owner->HotObject == this) return;
    if (Owner->HotObject) Owner->HotObject->MouseLeave();
    if (!Visible) return;
    Owner->HotObject = this;
    SetState(stHot);
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    Owner->HotObject = nullptr;
    SetState(stNormal);
}

void TWinSysButton::Paint() { Owner->PaintButton(*this, State); }

}  // namespace korvane
