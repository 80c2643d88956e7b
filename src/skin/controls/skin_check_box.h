#pragma once
// TSkinCheckBox: a check box (framework or a plain dialog's) paints its
// caption, focus mark and background itself; the box is then drawn from the
// skin's CheckButton strip over the standard one. Every change the system
// paints outside WM_PAINT (check, press, focus, keys) is followed by the box.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinCheckBox : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinCheckBox";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    void AfterMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

protected:
    // The strip frame for the control's state now.
    virtual int BoxFrame();
    virtual const Image& BoxImage() const;
    virtual int BoxFrames() const;
};

// Repaints after the messages on which the system paints a button-like
// control itself; true when the message was one of them.
bool RedrawAfterSystemPaint(TSkinControl& object, const TMessage& message);

}  // namespace korvane
