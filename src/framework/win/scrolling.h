#pragma once
// Scrolling containers (forms, scroll boxes): a control whose children may reach past its client
// area shows the window's own scroll bars and moves its children as they
// scroll. With AutoScroll the bars' ranges follow the extent of the visible
// children; without it each bar's Range is the program's. Children keep
// coordinates relative to the visible area, so a child at Left 0 is at the
// left edge whatever has been scrolled.

#include "framework/core/persistent.h"
#include "framework/win/wincontrol.h"

namespace korvane {

class TScrollingWinControl;

// One of the two bars of a scrolling control.
class TControlScrollBar : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TControlScrollBar";
    TControlScrollBar(TScrollingWinControl& control, bool vertical) : control_(control), vertical_(vertical) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Pixels the arrows scroll.
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value < 1 ? 1 : value; }
    // The extent of the contents along the bar, in pixels.
    int Range() const { return range_; }
    void SetRange(int value);
    // How far the contents are scrolled: 0 .. Range less the visible extent.
    int Position() const { return position_; }
    void SetPosition(int value);
    // Set false, the bar never shows (the contents do not scroll that way).
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Whether the bar shows now.
    bool IsScrollBarVisible() const { return showing_; }

private:
    friend class TScrollingWinControl;
    // A WM_HSCROLL or WM_VSCROLL code of the bar.
    void Scroll(int code);
    // The visible extent along the bar.
    int PageSize() const;

    TScrollingWinControl& control_;
    bool vertical_;
    int increment_ = 8;
    int range_ = 0;
    int position_ = 0;
    bool visible_ = true;
    bool showing_ = false;
};

class TScrollingWinControl : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TScrollingWinControl";
    explicit TScrollingWinControl(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    bool AutoScroll() const { return auto_scroll_; }
    void SetAutoScroll(bool value);
    TControlScrollBar& HorzScrollBar() { return horz_; }
    TControlScrollBar& VertScrollBar() { return vert_; }
    // Scrolls so that a child is wholly in view (as far as it fits).
    void ScrollInView(TControl* control);

protected:
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    // A child moved or changed its size: the ranges follow.
    void AdjustSize() override;
    void WindowBoundsChanged() override;
    // Shows, hides and sets both bars from the ranges and the client size.
    void UpdateScrollBars();
    // Whether the ranges follow the children now (a form that sizes itself
    // to them never scrolls).
    virtual bool AutoScrollEnabled() const { return auto_scroll_; }

private:
    friend class TControlScrollBar;
    // The extent of the visible children, in scrolled coordinates.
    Size ContentExtent() const;
    // Moves the children by (dx, dy) pixels.
    void ScrollBy(int dx, int dy);

    TControlScrollBar horz_{*this, false};
    TControlScrollBar vert_{*this, true};
    bool auto_scroll_ = true;
    bool updating_ = false;
};

}  // namespace korvane
