#pragma once
// Interface texts are UTF-8 inside the program and UTF-16 at the Win32 boundary
// (Win32 build only). The one copy of these conversions for every layer.

#include <string>
#include <string_view>

namespace korvane {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

namespace win32 {

// The system's text for an error code, as FormatMessage gives it.
std::string system_text(unsigned long error);

}  // namespace win32
}  // namespace korvane
