#pragma once
// Interface texts are UTF-8 inside the program and UTF-16 at the Win32 boundary.

#include <string>
#include <string_view>

struct HWND__;  // HWND, without <windows.h>

namespace korvane {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// A window's text as UTF-8.
std::string WindowText(HWND__* window);

}  // namespace korvane
