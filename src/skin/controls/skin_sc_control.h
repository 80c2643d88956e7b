#pragma once
// TSkinScControl: a framework scroll-bar control, whose whole window is one
// bar, drawn as the skinned window bars are, after the control's own paint
// and after every scroll message it reflects.

#include "skin/controls/skin_control.h"
#include "skin/draw/scroll_geometry.h"

namespace korvane {

class TSkinScControl : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinScControl";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

    int PressedPart = 0;
    BarGeometry Geometry;

private:
    // Min, Max, PageSize and Position as last drawn: the system draws its own
    // bar when the program changes them.
    ScrollRange drawn_;
    ScrollRange Range() const;
};

}  // namespace korvane
