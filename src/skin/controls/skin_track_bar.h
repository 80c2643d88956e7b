#pragma once
// TSkinTrackBar: a track bar keeps its own ticks and channel; its thumb is
// drawn from frame 4 of the skin's Buttons strip through the control's
// custom-draw notifications (outlined when the skin has no Buttons image).
// A framework track bar hears of them from its parent as CN_NOTIFY; a plain
// window's parent (a dialog, say) keeps its WM_NOTIFY to itself, so there the
// parent is subclassed for the bar's custom drawing until the bar detaches.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinTrackBar : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinTrackBar";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    void AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas) override;
    void Detach() override;
    bool BeforeMessage(TMessage& message) override;

private:
    // Answers a custom-draw notification of the bar; false for any other.
    bool CustomDraw(TMessage& message);
    void DrawThumb(HDC dc);

    WindowSubclass parent_;
};

}  // namespace korvane
