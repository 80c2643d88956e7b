#include "framework/win/screen.h"

#include <algorithm>

#include "framework/win/form.h"
#include "framework/win/wincontrol.h"

namespace korvane {

TScreen* Screen = nullptr;

TScreen::TScreen() { Screen = this; }

TScreen::~TScreen() {
    if (Screen == this) Screen = nullptr;
}

TCustomForm* TScreen::FindForm(HWND window) const {
    for (TCustomForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == window) return f;
    return nullptr;
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }
void TScreen::RemoveForm(TCustomForm* form) { std::erase(forms_, form); }

void TScreen::ControlDestroyed(TControl* control) {
    if (mouse_control_ == control) mouse_control_ = nullptr;
}

void TScreen::TrackMouse() {
    POINT cursor{};
    TWinControl* window = GetCursorPos(&cursor) ? TWinControl::FindControl(WindowFromPoint(cursor)) : nullptr;
    MouseMoved(window ? window->MouseAt(window->ScreenToClient({cursor.x, cursor.y})) : nullptr);
}

void TScreen::MouseMoved(TControl* now) {
    if (now == mouse_control_) return;
    TControl* left = mouse_control_;
    mouse_control_ = now;
    if (left) left->Perform(CM_MOUSELEAVE);
    // The leave handler may have destroyed the control entered.
    if (now && mouse_control_ == now) now->Perform(CM_MOUSEENTER);
}

void TScreen::MouseLeft(TWinControl* window) {
    if (!mouse_control_) return;
    auto* windowed = dynamic_cast<TWinControl*>(mouse_control_);
    if ((windowed ? windowed : mouse_control_->Parent()) == window) MouseMoved(nullptr);
}

}  // namespace korvane
