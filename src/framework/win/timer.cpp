#include "framework/win/timer.h"

#include "base/error.h"
#include "framework/core/properties.h"
#include "framework/win/application.h"
#include "framework/win/window_class.h"

namespace korvane {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    RegisterFrameworkClass(L"TPUtilWindow", nullptr, 0, WindowProcedure);
    HWND window = CreateWindowExW(0, L"TPUtilWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window) throw Error("Error creating window TPUtilWindow");
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_.reset(window);
    Update();
}

TTimer::~TTimer() { KillTimer(window_.get(), kTimerId); }

const PropertyTable& TTimer::Properties() const {
    static const PropertyTable table = PropertyBuilder<TTimer>(TComponent::Properties())
                                           .boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
                                           .integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
                                           .build();
    return table;
}

void TTimer::SetEnabled(bool value) {
    enabled_ = value;
    Update();
}

void TTimer::SetInterval(unsigned value) {
    interval_ = value;
    Update();
}

void TTimer::Update() {
    KillTimer(window_.get(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_.get(), kTimerId, interval_, nullptr);
}

LRESULT CALLBACK TTimer::WindowProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg != WM_TIMER) return DefWindowProcW(window, msg, wparam, lparam);
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (timer && timer->OnTimer) {
        try {
            timer->OnTimer(timer);
        } catch (...) {
            if (Application) Application->HandleException();
        }
    }
    return 0;
}

}  // namespace korvane
