#pragma once
// Text between the system's wide-character calls and UTF-8 (Win32 build only).

#include <string>

namespace korvane::win32 {

std::wstring widen(const std::string& utf8);
// The system's text for an error code, as FormatMessage gives it.
std::string system_text(unsigned long error);

}  // namespace korvane::win32
