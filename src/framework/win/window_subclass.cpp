#include "framework/win/window_subclass.h"

#include <commctrl.h>

#include <utility>

namespace korvane {

bool WindowSubclass::Install(HWND window, Procedure procedure) {
    Remove();
    procedure_ = std::move(procedure);
    if (!SetWindowSubclass(window, &Route, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this))) return false;
    window_ = window;
    installed_ = true;
    return true;
}

void WindowSubclass::Remove() {
    if (!installed_) return;
    RemoveWindowSubclass(window_, &Route, reinterpret_cast<UINT_PTR>(this));
    installed_ = false;
}

LRESULT WindowSubclass::CallNext(UINT msg, WPARAM wparam, LPARAM lparam) const {
    return DefSubclassProc(window_, msg, wparam, lparam);
}

LRESULT CALLBACK WindowSubclass::Route(HWND window, UINT msg, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR, DWORD_PTR self) {
    auto* subclass = reinterpret_cast<WindowSubclass*>(self);
    if (msg == WM_NCDESTROY) {
        // The window goes: let go of it first, then let its own procedure finish.
        subclass->Remove();
        return DefSubclassProc(window, msg, wparam, lparam);
    }
    return subclass->procedure_(msg, wparam, lparam);
}

}  // namespace korvane
