#pragma once
// Real input for the Windows framework tests: key presses and mouse clicks
// go through the system's input queue (SendInput), as a user's would.

#include <windows.h>

#include <initializer_list>

#include "base/geometry.h"

namespace korvane::testing {

inline void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// Presses the keys in order and lets them go in reverse ({VK_CONTROL, 'O'} is Ctrl+O).
inline void PressKeys(std::initializer_list<WORD> keys) {
    for (WORD key : keys) SendKey(key, false);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) SendKey(*key, true);
}

// Moves the cursor to a screen point and clicks there with a button.
inline void ClickAt(Point screen, bool right = false) {
    SetCursorPos(screen.x, screen.y);
    INPUT input[2]{};
    for (INPUT& i : input) i.type = INPUT_MOUSE;
    input[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

inline Point CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace korvane::testing
