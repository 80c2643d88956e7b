#pragma once
// TSkinScControl: a framework scroll-bar control, whose whole window is one
// bar, drawn as the skinned window bars are, after the control's own paint
// and after every scroll message it reflects.
//
// Presses are its own, by the thumb as drawn (the system's thumb lies
// elsewhere): the thumb is dragged, an arrow steps and the track pages, with
// the skinned bars' own press (bar_press.h), which holds the capture, waits
// for messages, and ends on release, capture loss, the control's
// destruction or WM_QUIT (passed on).

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/draw/scroll_geometry.h"

namespace korvane {

class TSkinScControl : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinScControl";
    using TSkinControl::TSkinControl;
    ~TSkinScControl() override;
    std::string_view ClassName() const override { return kClassName; }

    void AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas) override;
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

    int PressedPart = 0;
    BarGeometry Geometry;
    // A press runs (the capture is held).
    bool Tracking = false;

private:
    // Min, Max, PageSize and Position as last drawn: the system draws its own
    // bar when the program changes them.
    ScrollRange drawn_;
    ScrollRange Range() const;
    bool Skinned() const;
    // The thumb for the bar `length` long (frozen while it is dragged).
    void UpdateThumb(bool vertical, int length);
    // A press at the client point: true when it was run here.
    bool Press(const TMessage& message);

    // Cleared by the destructor, so a press running under a dispatched
    // message sees that its object is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace korvane
