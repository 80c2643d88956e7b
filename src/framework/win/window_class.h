#pragma once
// Window classes named after framework classes. Each keeps one pointer-sized
// slot after the extra bytes of the class it copies: the framework object of
// the window, which its own procedure reads without asking the window server
// (a window property costs a round trip to it on every message).

#include <windows.h>

#include <string>

namespace korvane {

// Registers (once per name) a window class whose procedure is `procedure`.
// With a superclass, the class copies that standard control's class and the
// result is the control's own procedure; otherwise it is DefWindowProcW.
WNDPROC RegisterFrameworkClass(const std::wstring& name, const wchar_t* superclass, UINT class_style,
                               WNDPROC procedure);

// The framework object in the slot of a window of a framework class; null
// until one is set. Only for windows of this process's framework classes.
void* FrameworkObject(HWND window);
void SetFrameworkObject(HWND window, void* object);

}  // namespace korvane
