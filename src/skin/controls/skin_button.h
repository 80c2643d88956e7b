#pragma once
// TSkinButton: a push button painted from the skin's five-frame Buttons
// strip, for framework buttons and the "button" windows of plain dialogs. It
// makes the click itself: the mouse-down is taken, the command is posted on
// the mouse-up over the button.

#include "framework/win/bitmap.h"
#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinButton : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinButton";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

protected:
    // The text colour of a face in that state.
    Color TextColour(ControlStateIndex index) const;
    // Hot tracking across the form's controls on a mouse move.
    void BecomeHot();
    // The button's own off-screen bitmap.
    TBitmap Face;
};

}  // namespace korvane
