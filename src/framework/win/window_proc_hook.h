#pragma once
// Hooks into a control's message method. Every message of a control goes to
// TControl::WindowProc, which passes it through the hooks on the control,
// newest first, and then to the control's own handling. A hook is an object:
// it is on while it lives and comes off when it dies, in any order relative
// to the other hooks of the control (the skinning engine and the application
// both hook). A hook whose control is destroyed first stays off; Control()
// then answers null.
//
//     WindowProcHook hook(*control, [](TMessage& m, const TWndMethod& next) {
//         if (m.Msg == WM_SETTEXT) return;  // ends the message here
//         next(m);                          // the older hooks, then the control
//         if (m.Msg == WM_PAINT) ...;       // after the control's own handling
//     });
//
// `next` runs the rest of the chain as it is when called: a hook taken off
// in the meantime is skipped, and one put on in the meantime is not reached.
// A handler may take its own hook off while it runs (on WM_NCDESTROY, say).

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/win/messages.h"

namespace korvane {

class TControl;

// The rest of a control's message handling, as a hook sees it.
using TWndMethod = std::function<void(TMessage&)>;

class WindowProcHook {
public:
    using Handler = std::function<void(TMessage& message, const TWndMethod& next)>;

    WindowProcHook(TControl& control, Handler handler);
    WindowProcHook(const WindowProcHook&) = delete;
    WindowProcHook& operator=(const WindowProcHook&) = delete;
    ~WindowProcHook();

    // The hooked control; null once it has been destroyed.
    TControl* Control() const { return control_; }

private:
    friend class TControl;

    TControl* control_;
    // Shared with a call in progress, so that the handler outlives its hook
    // when it takes the hook off.
    std::shared_ptr<const Handler> handler_;
    // Installation order: a hook put on later has a larger number.
    std::uint64_t order_;
};

}  // namespace korvane
