#pragma once
// Window classes named after framework classes.

#include <windows.h>

#include <string>

namespace korvane {

// Registers (once per name) a window class whose procedure is `procedure`.
// With a superclass, the class copies that standard control's class and the
// result is the control's own procedure; otherwise it is DefWindowProcW.
WNDPROC RegisterFrameworkClass(const std::wstring& name, const wchar_t* superclass, UINT class_style,
                               WNDPROC procedure);

}  // namespace korvane
