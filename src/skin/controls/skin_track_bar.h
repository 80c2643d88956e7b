#pragma once
// TSkinTrackBar: a track bar keeps its own ticks and channel; its thumb is
// drawn from frame 4 of the skin's Buttons strip through the control's
// custom-draw notifications (outlined when the skin has no Buttons image).

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinTrackBar : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinTrackBar";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;

private:
    void DrawThumb(HDC dc);
};

}  // namespace korvane
