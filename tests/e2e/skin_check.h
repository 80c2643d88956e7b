#pragma once
// Whether a window of the tool wears the skin: a window region cut from the
// skin's corners, and the skin's own border pixels on the screen where the
// system would draw its frame.

#include <windows.h>

#include <string>

namespace korvane::e2e {

// Empty when the window is skinned; otherwise what is missing. The skin is
// the package the tool carries (data/skins/default.skn).
std::string skinned_frame_fault(HWND window);

}  // namespace korvane::e2e
