#pragma once
// WindowTimer: a periodic callback carried by a window the caller already
// has (a system timer of that window), for objects made by the thousand
// that cannot afford TTimer's hidden window each.

#include <windows.h>

#include <functional>

namespace korvane {

class WindowTimer {
public:
    WindowTimer(unsigned interval, std::function<void()> tick);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // Ticks every interval on `window` (replacing a timer on another window);
    // the window's thread must handle messages.
    void Start(HWND window);
    void Stop();
    bool Running() const { return window_ != nullptr; }

private:
    static void CALLBACK Tick(HWND window, UINT msg, UINT_PTR id, DWORD time);

    unsigned interval_;
    std::function<void()> tick_;
    UINT_PTR id_;            // this object's, unique in the process
    HWND window_ = nullptr;  // carrying the timer while it runs
};

}  // namespace korvane
