#pragma once
// TSpeedButton: a windowless button (tool bars, palettes). With a GroupIndex
// it latches: a click puts it Down and lets the other buttons of its group
// (same parent, same GroupIndex) up; with AllowAllUp a click on the down
// button lets it up too. Flat buttons show their edge only under the mouse.
// The glyph strip holds NumGlyphs cells: up, disabled, pressed, down; the
// pixel at a cell's bottom-left corner is its transparent colour.

#include "framework/win/bitmap.h"
#include "framework/win/control.h"
#include "framework/win/glyph_layout.h"

namespace korvane {

class TSpeedButton : public TGraphicControl {
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

    // Change the glyph through Glyph() and call GlyphChanged() afterwards.
    TBitmap& Glyph() { return glyph_; }
    void GlyphChanged() { Invalidate(); }
    int NumGlyphs() const { return num_glyphs_; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

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
    TBitmap glyph_;
    int num_glyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

}  // namespace korvane
