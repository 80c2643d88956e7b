#pragma once
// Running work from inside a modal loop (a dialog's, a message box's): the
// work is started by a timer of the thread, which whatever loop is running
// then dispatches.

#include <windows.h>

#include <functional>
#include <utility>

namespace korvane::testing {

inline std::function<void()>& LaterWork() {
    static std::function<void()> work;
    return work;
}

inline void CALLBACK RunLaterWork(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    std::function<void()> work = std::move(LaterWork());
    LaterWork() = nullptr;
    if (work) work();
}

// Runs `work` once, 100 ms from now, inside the modal loop running by then.
// One piece of work waits at a time; work may ask for the next.
inline void RunLater(std::function<void()> work) {
    LaterWork() = std::move(work);
    SetTimer(nullptr, 0, 100, RunLaterWork);
}

}  // namespace korvane::testing
