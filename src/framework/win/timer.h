#pragma once
// TTimer: raises OnTimer every Interval milliseconds while Enabled, through
// a hidden message window of the user-interface thread.

#include "framework/core/component.h"
#include "framework/win/control.h"
#include "framework/win/gdi.h"

namespace korvane {

class TTimer : public TComponent {
public:
    static constexpr std::string_view kClassName = "TTimer";
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);

    TNotifyEvent OnTimer;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    void Update();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    UniqueWindow window_;
};

}  // namespace korvane
