#include "framework/win/window_class.h"

#include <map>

#include "base/error.h"
#include "base/win32_text.h"

namespace korvane {

WNDPROC RegisterFrameworkClass(const std::wstring& name, const wchar_t* superclass, UINT class_style,
                               WNDPROC procedure) {
    // One user-interface thread registers every class; the map only grows.
    static std::map<std::wstring, WNDPROC> registered;
    if (auto it = registered.find(name); it != registered.end()) return it->second;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    WNDPROC standard = DefWindowProcW;
    if (superclass) {
        if (!GetClassInfoExW(nullptr, superclass, &wc))
            throw Error("Window class " + narrow(superclass) + " is not available");
        standard = wc.lpfnWndProc;
        wc.cbSize = sizeof(wc);
    } else {
        wc.style = class_style;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    wc.cbWndExtra += sizeof(LONG_PTR);
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Error("Cannot register window class " + narrow(name));
    registered.emplace(name, standard);
    return standard;
}

namespace {

// The slot is the last pointer of the window's extra bytes.
int object_slot(HWND window) {
    return int(GetClassLongPtrW(window, GCL_CBWNDEXTRA)) - int(sizeof(LONG_PTR));
}

}  // namespace

void* FrameworkObject(HWND window) {
    return reinterpret_cast<void*>(GetWindowLongPtrW(window, object_slot(window)));
}

void SetFrameworkObject(HWND window, void* object) {
    SetWindowLongPtrW(window, object_slot(window), reinterpret_cast<LONG_PTR>(object));
}

}  // namespace korvane
