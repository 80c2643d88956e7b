#pragma once
// TSkinBitButton: a framework button with a glyph (TBitBtn) on the skin's
// push-button face; glyph and caption laid out as the button lays them out.
// The button is owner-drawn: its draw requests are answered with the skin,
// so its own face never shows.

#include "skin/controls/skin_button.h"

namespace korvane {

class TBitBtn;

class TSkinBitButton : public TSkinButton {
public:
    static constexpr std::string_view kClassName = "TSkinBitButton";
    using TSkinButton::TSkinButton;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

    // Takes over a windowless control (a speed button).
    void AttachGraphic(TControl& control, TSkinData& data, TCanvas& canvas);
};

}  // namespace korvane
