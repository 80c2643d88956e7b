#pragma once
// Real input for the Windows framework tests: the cursor and the buttons of
// the test display's mouse, and key strokes, through SendInput. The window
// under the cursor (or with the focus) gets them as a user's.

#include <windows.h>

#include "base/geometry.h"

namespace korvane::testing {

inline void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// Moves the cursor onto a client point of a window.
inline void MoveMouseTo(HWND window, Point p) {
    POINT screen{p.x, p.y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
}

inline void LeftDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
inline void LeftUp() { SendMouse(MOUSEEVENTF_LEFTUP); }

inline void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

inline void TypeKey(WORD key) {
    SendKey(key, false);
    SendKey(key, true);
}

}  // namespace korvane::testing
