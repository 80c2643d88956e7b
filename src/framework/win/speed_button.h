#pragma once
// TSpeedButton: a windowless button (tool bars, palettes). With a GroupIndex
// it latches: a click puts it Down and lets the other buttons of its group
// (same parent, same GroupIndex) up; with AllowAllUp a click on the down
// button lets it up too. Flat buttons show their edge only under the mouse.
// Its glyph (TButtonGlyph) has cells for up, disabled, pressed and down.

#include "framework/win/button_glyph.h"
#include "framework/win/control.h"

namespace korvane {

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
public:
    static constexpr std::string_view kClassName = "TSpeedButton";
    explicit TSpeedButton(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    bool AllowAllUp() const { return allow_all_up_; }
    void SetAllowAllUp(bool value);
    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int value);
    // Always false while GroupIndex is 0.
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    // Held by the mouse (pressed and still over the button).
    bool Pressed() const { return pressed_ && mouse_over_; }
    // The mouse is over the button.
    bool MouseInControl() const { return mouse_in_control_; }

    void GlyphChanged() override { Invalidate(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void EnabledChanged() override;

private:
    // The other buttons of the group go up when this one goes down.
    void ReleaseGroup();

    bool allow_all_up_ = false;
    int group_index_ = 0;
    bool down_ = false;
    bool flat_ = false;
    bool pressed_ = false;     // left button went down on it and is still held
    bool mouse_over_ = false;  // while pressed: the mouse is over it
    bool mouse_in_control_ = false;
};

}  // namespace korvane
