#pragma once
// What the screenshot programs share: letting the windows settle and saving
// a window as the screen shows it (BMP files that scripts/screenshots.sh
// turns into docs/images/*.png).

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/bmp.h"
#include "base/file_io.h"
#include "framework/win/application.h"
#include "framework/win/bitmap.h"

namespace korvane::screenshots {

// Lets every window handle what is queued and paint, for `rounds` times 15 ms
// (by default about 300 ms, more than the skin manager's 250 ms delay):
// through the application's loop in a framework program, a plain one else.
inline void Settle(int rounds = 20) {
    for (int i = 0; i < rounds; ++i) {
        if (Application) {
            Application->ProcessMessages();
        } else {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        Sleep(15);
    }
}

// Saves the screen under the rectangle grown by `margin` pixels (within the
// screen), so that shaped corners show, as a BMP file.
inline void Save(RECT r, const std::string& path, int margin = 0) {
    r.left = std::max(0L, r.left - margin);
    r.top = std::max(0L, r.top - margin);
    r.right = std::min(long(GetSystemMetrics(SM_CXSCREEN)), r.right + margin);
    r.bottom = std::min(long(GetSystemMetrics(SM_CYSCREEN)), r.bottom + margin);
    TBitmap shot;
    shot.SetSize(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    write_file_replacing(path, encode_bmp(shot.View()));
}

// The window as the screen shows it, with `margin` pixels around it.
inline void Save(HWND window, const std::string& path, int margin = 0) {
    RECT r{};
    GetWindowRect(window, &r);
    Save(r, path, margin);
}

// Runs the steps one by one from a timer, one every 300 ms, inside the menu
// loop that `start` opens.
struct Steps {
    std::vector<std::function<void()>> script;
    std::size_t next = 0;
};
inline Steps& CurrentSteps() {
    static Steps steps;
    return steps;
}
inline void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD) {
    Steps& steps = CurrentSteps();
    if (steps.next < steps.script.size()) steps.script[steps.next++]();
}
inline void RunSteps(std::vector<std::function<void()>> script, const std::function<void()>& start) {
    Steps& steps = CurrentSteps();
    steps.script = std::move(script);
    steps.next = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, NextStep);
    start();
    while (steps.next < steps.script.size()) {
        Application->ProcessMessages();
        Sleep(10);
    }
    KillTimer(nullptr, timer);
    Settle();
}

// Presses a key in the open popup menu.
inline void Key(WORD key) {
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (popup) PostMessageW(popup, WM_KEYDOWN, key, 0);
}

// A window over the whole screen, at the bottom of the order and never
// active: the desk the pictures show around the windows.
inline HWND Desk() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(58, 110, 140));
    wc.lpszClassName = L"KorvaneDesk";
    RegisterClassW(&wc);
    HWND desk = CreateWindowExW(WS_EX_NOACTIVATE, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                wc.hInstance, nullptr);
    SetWindowPos(desk, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return desk;
}

}  // namespace korvane::screenshots
