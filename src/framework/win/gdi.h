#pragma once
// Thin owners of GDI and USER handles. Each owns one handle, frees it in its
// destructor and hands out the raw handle; nothing is converted on the way.

#include <windows.h>

#include <utility>

namespace korvane {

// A GDI object (bitmap, brush, pen, font, region) freed with DeleteObject.
template <class H>
class UniqueGdi {
public:
    UniqueGdi() = default;
    explicit UniqueGdi(H handle) : handle_(handle) {}
    UniqueGdi(UniqueGdi&& other) noexcept : handle_(other.release()) {}
    UniqueGdi& operator=(UniqueGdi&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueGdi() { reset(); }

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    H release() { return std::exchange(handle_, nullptr); }
    void reset(H handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    H handle_ = nullptr;
};

// A memory device context made with CreateCompatibleDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// The DC of a window's client area (GetDC) or whole window (GetWindowDC).
class WindowDC {
public:
    enum Area { client, whole_window };
    explicit WindowDC(HWND window, Area area = client)
        : window_(window), dc_(area == client ? GetDC(window) : GetWindowDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint around one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(window_, &ps_); }
    HDC get() const { return dc_; }
    const RECT& update_rect() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// SaveDC / RestoreDC: clip regions, origins and modes set in between are undone.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    ~SavedDC() { RestoreDC(dc_, id_); }

private:
    HDC dc_;
    int id_;
};

// A window destroyed with DestroyWindow.
class UniqueWindow {
public:
    UniqueWindow() = default;
    explicit UniqueWindow(HWND window) : window_(window) {}
    UniqueWindow(UniqueWindow&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
    UniqueWindow& operator=(UniqueWindow&& other) noexcept {
        reset(std::exchange(other.window_, nullptr));
        return *this;
    }
    ~UniqueWindow() { reset(); }
    HWND get() const { return window_; }
    void reset(HWND window = nullptr) {
        if (window_ && IsWindow(window_)) DestroyWindow(window_);
        window_ = window;
    }

private:
    HWND window_ = nullptr;
};

// A window hook (SetWindowsHookExW) removed with UnhookWindowsHookEx.
class UniqueHook {
public:
    UniqueHook() = default;
    explicit UniqueHook(HHOOK hook) : hook_(hook) {}
    UniqueHook(const UniqueHook&) = delete;
    UniqueHook& operator=(const UniqueHook&) = delete;
    ~UniqueHook() { reset(); }
    HHOOK get() const { return hook_; }
    explicit operator bool() const { return hook_ != nullptr; }
    void reset(HHOOK hook = nullptr) {
        if (hook_) UnhookWindowsHookEx(hook_);
        hook_ = hook;
    }

private:
    HHOOK hook_ = nullptr;
};

}  // namespace korvane
