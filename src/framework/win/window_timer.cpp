#include "framework/win/window_timer.h"

#include <algorithm>
#include <vector>

#include "framework/win/application.h"

namespace korvane {
namespace {

// Timer ids of this kind start here, away from the small ids programs give
// their own timers on the same windows.
constexpr UINT_PTR kFirstId = 0x4B540000;

struct RunningTimer {
    UINT_PTR id;
    WindowTimer* timer;
};

// The timers of the user-interface thread that run: a tick finds its object
// here, so a tick that comes after its object was freed does nothing.
std::vector<RunningTimer>& running() {
    static std::vector<RunningTimer> timers;
    return timers;
}

UINT_PTR next_id() {
    static UINT_PTR id = kFirstId;
    return id++;
}

}  // namespace

WindowTimer::WindowTimer(unsigned interval, std::function<void()> tick)
    : interval_(interval), tick_(std::move(tick)), id_(next_id()) {}

WindowTimer::~WindowTimer() { Stop(); }

void WindowTimer::Start(HWND window) {
    if (window_ == window) return;
    Stop();
    if (!SetTimer(window, id_, interval_, Tick)) return;
    window_ = window;
    running().push_back({id_, this});
}

void WindowTimer::Stop() {
    if (!window_) return;
    // A destroyed window took its timers with it.
    if (IsWindow(window_)) KillTimer(window_, id_);
    window_ = nullptr;
    std::erase_if(running(), [this](const RunningTimer& r) { return r.timer == this; });
}

void CALLBACK WindowTimer::Tick(HWND window, UINT, UINT_PTR id, DWORD) {
    const auto& timers = running();
    auto it = std::find_if(timers.begin(), timers.end(), [id](const RunningTimer& r) { return r.id == id; });
    if (it == timers.end() || it->timer->window_ != window) {
        KillTimer(window, id);  // left over from an object that is gone
        return;
    }
    try {
        it->timer->tick_();
    } catch (...) {
        if (Application) Application->HandleException();
    }
}

}  // namespace korvane
