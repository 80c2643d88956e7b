#pragma once
// TSkinScrollBar: a scrollable control's own window scroll bars, drawn from
// the skin (Scrollbar arrows, HorzScroll/VertScroll tracks, the thumbs) over
// the system's non-client painting, and, when asked, its own thumb drag.
// The system still handles arrow and track clicks with their auto-repeat;
// the bars follow the scroll messages that handling sends, and are drawn
// again whenever the scroll information has changed under them.
//
// The drag is the skinned bars' own press (bar_press.h): it holds the mouse
// capture and waits for messages; it ends on the button's release, on losing
// the capture, when the control goes away and when WM_QUIT arrives (posted
// again for the outer loop).

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/draw/scroll_geometry.h"

namespace korvane {

// One bar drawn from the skin into `bar` of the DC: composed 16 pixels thick
// in the shared bitmap (the Scrollbar colour, the track, both arrows, the
// thumb when it fits) and stretched once onto the bar. pressed_part as in
// TSkinScrollBar::PressedPart. Nothing without the Scrollbar image or for a
// bar longer than 10,000 pixels.
void DrawScrollBar(HDC dc, const Rect& bar, bool vertical, const BarGeometry& geometry, int pressed_part,
                   const SkinModel& skin);
// The smallest thumb with a page for arrows `bar` long.
int MinThumbLength(int bar);

class TSkinScrollBar : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinScrollBar";
    using TSkinControl::TSkinControl;
    ~TSkinScrollBar() override;
    std::string_view ClassName() const override { return kClassName; }

    // Takes over the control's message method without recolouring it; with
    // drag_enabled a press on a thumb runs the own drag.
    void AttachScrollBars(TWinControl& control, TSkinData& data, bool drag_enabled, TCanvas& canvas);

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

    // 0 none; 1 left arrow, 2 right arrow, 5 horizontal thumb; 3 up arrow,
    // 4 down arrow, 6 vertical thumb.
    int PressedPart = 0;
    std::uint32_t WindowStyle = 0;
    std::uint32_t WindowExStyle = 0;
    Rect CornerRect;
    bool Tracking = false;
    bool DragEnabled = false;
    bool VertScrolling = false;
    bool HorzScrolling = false;
    SCROLLINFO HorzInfo{};
    SCROLLINFO VertInfo{};
    Rect HorzBarRect;
    Rect VertBarRect;
    BarGeometry HorzGeometry;
    BarGeometry VertGeometry;

private:
    void Layout(const Rect& rect);
    void DrawBar(HDC dc, const Rect& bar, bool vertical);
    // Recomputes the bar's thumb from the window's scroll information
    // (frozen while dragging).
    void UpdateThumb(bool vertical, int length);
    // A press on a window bar: true when it hit the thumb and was dragged.
    bool ThumbPress(const TMessage& message);
    // The scroll information changed since the bars were last drawn.
    bool InfoChanged() const;

    // Cleared by the destructor, so a drag running under a dispatched
    // message sees that its object is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace korvane
