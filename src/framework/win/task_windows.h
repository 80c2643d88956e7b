#pragma once
// While a modal window runs, every other window of the thread is disabled.

#include <windows.h>

#include <vector>

namespace korvane {

// Disables the visible, enabled windows of the current thread for its
// lifetime and enables them again (those that still exist) at its end.
class DisabledTaskWindows {
public:
    DisabledTaskWindows();
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;
    ~DisabledTaskWindows();

private:
    std::vector<HWND> windows_;
};

}  // namespace korvane
