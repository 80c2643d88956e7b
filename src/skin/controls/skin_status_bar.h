#pragma once
// TSkinStatusBar: a framework status bar drawn whole from the skin: its
// panels (or its simple text) on the StatusBarEdges frames chosen by each
// panel's bevel, plain 3-D edges when the skin has none, and the size grip
// from ExtraImages.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinStatusBar : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinStatusBar";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    bool BeforeMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

private:
    void PaintPanel(TBitmap& target, const Rect& r, unsigned format, const std::string& text, int frame);
};

}  // namespace korvane
