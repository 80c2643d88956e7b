#pragma once
// A press on a skinned scroll bar, run by the skin's own thumb geometry and
// never the system's (whose thumb lies elsewhere): the thumb follows the
// mouse, an arrow steps and the track pages, both repeating while held over
// the part as the system's bars do. Shared by a window's own bars and by
// scroll-bar controls.
//
// The press holds the mouse capture and waits for messages, dispatching the
// others; it ends on the button's release, on losing the capture (the owner
// clears its tracking flag), when the window goes or its owner is destroyed
// (the owner's liveness flag), and on WM_QUIT, which is posted again for the
// outer loop.

#include <windows.h>

#include <memory>

#include "base/geometry.h"
#include "skin/draw/scroll_geometry.h"

namespace korvane {

// The bar a press runs on.
struct PressedBar {
    HWND window = nullptr;    // holds the capture; its scroll information is read and set
    int bar = SB_CTL;         // SB_HORZ, SB_VERT or SB_CTL
    bool vertical = false;
    HWND notify = nullptr;    // gets WM_HSCROLL or WM_VSCROLL: the window, or a control's parent
    LPARAM control = 0;       // lParam of those messages: 0, or the scroll-bar control
    int origin = 0;           // screen coordinate along the bar where its first arrow starts
};

// Runs the press of `part` (a code of scroll_hit_test) that began at the
// screen point `start`, until it ends. `geometry` and `tracking` belong to
// the owner: the dragged thumb's offset goes into the geometry, the repeat
// reads the thumb from it, and tracking is set while the press runs. They
// are touched only while *alive (the press keeps its own share of the flag).
// Returns false when the owner went away meanwhile, so the caller touches
// nothing of it either.
bool RunBarPress(const PressedBar& target, int part, Point start, BarGeometry& geometry, bool& tracking,
                 std::shared_ptr<bool> alive);

}  // namespace korvane
