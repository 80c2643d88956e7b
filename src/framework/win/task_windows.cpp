#include "framework/win/task_windows.h"

namespace korvane {

DisabledTaskWindows::DisabledTaskWindows() : active_(GetActiveWindow()) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window) && IsWindowEnabled(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows_));
    for (HWND w : windows_) EnableWindow(w, FALSE);
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (HWND w : windows_)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    if (active_ && IsWindow(active_) && IsWindowVisible(active_)) SetActiveWindow(active_);
}

}  // namespace korvane
