#pragma once
// TSkinTab31: the framework's tab set (a row of tabs along the bottom of a
// strip), drawn whole from the skin's Tabs element turned upside down: the
// selected tab in the element's second frame, the others in its first, each
// where the tab set itself puts it, so clicks land on the tab they show.
// The tab set's scroller gets the skin's left and right arrows.

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinUpDown;
class TTabScroller;

class TSkinTab31 : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinTab31";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    void AttachControl(TWinControl& control, TSkinData& data, bool recolour, TCanvas& canvas) override;
    bool BeforeMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;
    // Rebuilds TabImage from the current skin.
    void Refresh();

    Image TabImage;
    TSkinUpDown* UpDown = nullptr;
    TTabScroller* Scroller = nullptr;
};

}  // namespace korvane
