#pragma once
// TSkinProgress: a progress bar drawn from the skin's Progress element, as an
// empty frame with the filled frame stretched over the done part, or (Style
// 1) as a row of chunk images. The fill runs from the bar's minimum.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinProgress : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinProgress";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

private:
    // Width of the done part of a bar `width` pixels wide.
    int FillWidth(int width) const;
};

}  // namespace korvane
