#pragma once
// TSkinEdit: an edit control's sunken border replaced, after the control has
// painted itself, by a flat one-pixel border in Colours.ButtonShadow; a spin
// (up-down) child inside it is skinned too.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinEdit";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    void AfterMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

    TSkinUpDown* UpDown = nullptr;

private:
    void FindUpDown();
    // WM_PRINT: the border only, into the given DC.
    void PrintBorder(HDC dc);
};

// Frames the rectangle with a brush of that colour.
void FrameColour(HDC dc, const Rect& rect, Color colour);

}  // namespace korvane
