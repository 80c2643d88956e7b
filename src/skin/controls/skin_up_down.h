#pragma once
// TSkinUpDown: an up-down (spin) control's two arrow buttons, painted
// completely from the skin's UpDownVert or UpDownHorz element, or without
// its images as plain rectangles with line-drawn arrows.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinUpDown : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinUpDown";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

    // It sits inside an edit: its client area is drawn one pixel smaller.
    bool Boxed = false;
    // 1: left and right arrows whatever the window style says.
    int Horizontal = 0;

private:
    void DrawHalf(HDC dc, const Rect& half, int kind, int state);
};

}  // namespace korvane
