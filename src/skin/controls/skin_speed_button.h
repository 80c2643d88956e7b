#pragma once
// TSkinSpeedButton: the framework's windowless speed button on the skin's
// push-button face, painted into the parent's window where the button lies.
// A latched (down) button is always drawn pressed. The hook on the button
// goes when the button does, so a freed button is never touched.

#include "skin/controls/skin_bit_button.h"

namespace korvane {

class TSpeedButton;

class TSkinSpeedButton : public TSkinBitButton {
public:
    static constexpr std::string_view kClassName = "TSkinSpeedButton";
    using TSkinBitButton::TSkinBitButton;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    // Ignores dc: paints into the parent's window at the button's place.
    void PaintWindow(HDC dc) override;

    // The speed button's face into dc, rect in the button's own coordinates.
    void PaintSpeedButton(HDC dc, const Rect& rect);

private:
    TSpeedButton* Button() const;
};

}  // namespace korvane
