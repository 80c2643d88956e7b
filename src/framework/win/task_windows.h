#pragma once
// While a modal window runs, every other window of the thread is disabled;
// afterwards the window that was active is active again.

#include <windows.h>

#include <vector>

namespace korvane {

// Disables the visible, enabled windows of the current thread for its
// lifetime and enables them again (those that still exist) at its end, then
// activates the window that was active when it began (a window can only be
// activated while enabled, so the system cannot do it when the modal one goes).
class DisabledTaskWindows {
public:
    DisabledTaskWindows();
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;
    ~DisabledTaskWindows();

private:
    std::vector<HWND> windows_;
    HWND active_;
};

}  // namespace korvane
