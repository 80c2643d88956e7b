#pragma once
// A procedure put in front of a window's own (comctl32 subclassing): it sees
// every message of the window first and passes on what it does not take with
// CallNext. Removing it (Remove, the destructor, or the window's
// WM_NCDESTROY) gives the window back exactly the procedure it had, in any
// order relative to other subclasses of the same window (each instance is
// its own subclass).

#include <windows.h>

#include <functional>

namespace korvane {

class WindowSubclass {
public:
    using Procedure = std::function<LRESULT(UINT msg, WPARAM wparam, LPARAM lparam)>;

    WindowSubclass() = default;
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    ~WindowSubclass() { Remove(); }

    // Puts the procedure in front of the window's; false when the system
    // refuses (a window of another thread, a destroyed window). Installing
    // again first removes the earlier procedure.
    bool Install(HWND window, Procedure procedure);
    void Remove();
    bool Installed() const { return installed_; }
    HWND Window() const { return window_; }

    // The window's procedure behind this one; also while a message that
    // arrived before Remove is still being handled.
    LRESULT CallNext(UINT msg, WPARAM wparam, LPARAM lparam) const;

private:
    static LRESULT CALLBACK Route(HWND window, UINT msg, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR id, DWORD_PTR self);

    HWND window_ = nullptr;
    bool installed_ = false;
    Procedure procedure_;
};

}  // namespace korvane
