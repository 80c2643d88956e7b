#pragma once
// Pictures of windows as they are on the screen, for people to look at.

#include <windows.h>

#include <filesystem>

namespace korvane::e2e {

// Copies the window's screen rectangle into a 32-bit BMP file at path.
// Returns false (and writes nothing) when the screen cannot be read.
bool save_screenshot(HWND window, const std::filesystem::path& path);

}  // namespace korvane::e2e
