#pragma once
// Pictures of windows for people to look at. Wine draws on an X display, so
// the picture is taken there: xwd reads the screen and ImageMagick cuts the
// window out into a PNG file (both started through Wine's support for
// starting Unix programs).

#include <windows.h>

#include <string>

namespace korvane::e2e {

// Writes the window's screen rectangle to png_path (a Unix path). False when
// the picture could not be taken.
bool save_screenshot(HWND window, const std::string& png_path);

}  // namespace korvane::e2e
