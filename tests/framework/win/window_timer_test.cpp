#include "framework/win/window_timer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "window_test_support.h"

namespace korvane::testing {
namespace {

using WindowTimerTest = FrameworkTest;

// A window that counts the WM_TIMER messages its own procedure receives.
struct CountingWindow {
    static inline int own_timer_messages = 0;
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
        if (msg == WM_TIMER) ++own_timer_messages;
        return DefWindowProcW(window, msg, wparam, lparam);
    }
    CountingWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KorvaneTimerCarrier";
        RegisterClassW(&wc);
        window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    ~CountingWindow() {
        if (IsWindow(window)) DestroyWindow(window);
    }
    HWND window = nullptr;
};

TEST_F(WindowTimerTest, TwoTimersOnOneWindowTickApartAndStopAlone) {
    CountingWindow carrier;
    ASSERT_TRUE(carrier.window);
    CountingWindow::own_timer_messages = 0;
    int a = 0, b = 0;
    WindowTimer first(10, [&] { ++a; });
    WindowTimer second(10, [&] { ++b; });
    first.Start(carrier.window);
    second.Start(carrier.window);
    EXPECT_TRUE(first.Running());
    PumpUntil([&] { return a >= 2 && b >= 2; });
    EXPECT_GE(a, 2);
    EXPECT_GE(b, 2);
    // The ticks go to the callbacks, not to the window's own procedure.
    EXPECT_EQ(CountingWindow::own_timer_messages, 0);

    first.Stop();
    EXPECT_FALSE(first.Running());
    const int a_stopped = a, b_then = b;
    PumpUntil([&] { return b >= b_then + 3; });
    EXPECT_EQ(a, a_stopped);
    EXPECT_GE(b, b_then + 3);
}

TEST_F(WindowTimerTest, NoTickReachesAFreedTimerOrOutlivesItsWindow) {
    CountingWindow carrier;
    int ticks = 0;
    auto timer = std::make_unique<WindowTimer>(1, [&] { ++ticks; });
    timer->Start(carrier.window);
    Sleep(30);  // due: its tick waits in the queue
    timer.reset();
    Pump();
    EXPECT_EQ(ticks, 0);

    // The window goes first: the timer went with it, stopping is still safe.
    WindowTimer orphan(1, [&] { ++ticks; });
    orphan.Start(carrier.window);
    DestroyWindow(carrier.window);
    Pump();
    EXPECT_EQ(ticks, 0);
    orphan.Stop();
    EXPECT_FALSE(orphan.Running());
}

}  // namespace
}  // namespace korvane::testing
