#pragma once
// Interface texts are UTF-8 inside the program and UTF-16 at the Win32 boundary.

#include <string>
#include <string_view>

namespace korvane {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace korvane
