#pragma once
// Menu loops are modal: tests act inside them from a thread timer, one step
// per tick, and find the drop-downs that are open by their window class.

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/win/window_test_support.h"

namespace korvane::testing {

// The visible popup menu windows of this thread.
inline std::vector<HWND> open_popups() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM l) {
            if (ClassNameOf(w) == L"#32768" && IsWindowVisible(w))
                reinterpret_cast<std::vector<HWND>*>(l)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Steps run one after another from a timer, inside whatever loop is running.
class Script {
public:
    explicit Script(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 150, Tick);
    }
    ~Script() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool Done() const { return next_ >= steps_.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current_) return;
        if (current_->Done()) {
            // Nothing left to do: no menu loop stays open.
            if (!open_popups().empty()) EndMenu();
            return;
        }
        current_->steps_[current_->next_++]();
    }
    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
    UINT_PTR timer_ = 0;
    static inline Script* current_ = nullptr;
};

}  // namespace korvane::testing
