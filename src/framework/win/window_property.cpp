#include "framework/win/window_property.h"

#include "base/error.h"
#include "base/win32_text.h"

namespace korvane {

WindowProperty::WindowProperty(const wchar_t* name) : atom_(GlobalAddAtomW(name)) {
    if (!atom_) throw Error("Cannot register the window property " + narrow(name));
}

WindowProperty::~WindowProperty() { GlobalDeleteAtom(atom_); }

bool WindowProperty::set(HWND window, void* value) const {
    return SetPropW(window, MAKEINTATOM(atom_), value) != FALSE;
}

void WindowProperty::remove(HWND window) const { RemovePropW(window, MAKEINTATOM(atom_)); }

void* WindowProperty::get(HWND window) const {
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId())
        return nullptr;
    return GetPropW(window, MAKEINTATOM(atom_));
}

const WindowProperty& ControlProperty() {
    static const WindowProperty property(L"Korvane.Control");
    return property;
}

}  // namespace korvane
