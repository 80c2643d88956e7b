#include "framework/win/window_proc_hook.h"

#include <algorithm>
#include <limits>

#include "framework/win/control.h"

namespace korvane {

namespace {

// Controls and their hooks belong to the user-interface thread.
std::uint64_t hooks_installed = 0;

}  // namespace

WindowProcHook::WindowProcHook(TControl& control, Handler handler)
    : control_(&control), handler_(std::make_shared<const Handler>(std::move(handler))),
      order_(++hooks_installed) {
    control.hooks_.push_back(this);
}

WindowProcHook::~WindowProcHook() {
    if (control_) std::erase(control_->hooks_, this);
}

void TControl::WindowProc(TMessage& message) {
    CallHooksBefore(message, std::numeric_limits<std::uint64_t>::max());
}

// The newest hook put on before `order` handles the message; with none left,
// the control's own handling does.
void TControl::CallHooksBefore(TMessage& message, std::uint64_t order) {
    for (auto it = hooks_.rbegin(); it != hooks_.rend(); ++it) {
        if ((*it)->order_ >= order) continue;
        const std::uint64_t reached = (*it)->order_;
        const std::shared_ptr<const WindowProcHook::Handler> handler = (*it)->handler_;
        (*handler)(message, [this, reached](TMessage& m) { CallHooksBefore(m, reached); });
        return;
    }
    WndProc(message);
}

void TControl::ReleaseHooks() {
    for (WindowProcHook* hook : hooks_) hook->control_ = nullptr;
    hooks_.clear();
}

}  // namespace korvane
