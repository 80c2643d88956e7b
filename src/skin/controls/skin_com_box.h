#pragma once
// TSkinComBox: a combo box's border and drop-down button drawn from the skin
// (ComboButton frames with the ExtraImages glyph, the SunkEdge edge) after
// the control has painted itself; ComboButton Style 1 is the flat look.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinComBox : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinComBox";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    void AfterMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

private:
    void PaintFlat(HDC dc, const Rect& rect, int state);
};

}  // namespace korvane
