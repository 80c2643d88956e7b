#pragma once
// TSkinTab: a common-control tab window's tab strip and the frame of its
// display area, drawn from the skin's Tabs element after the control has
// painted itself. Tabs may sit on any side: the strip is composed lying
// down and turned, with each tab placed so that it lands on its tab.

#include "skin/controls/skin_control.h"
#include "skin/draw/tab_strip.h"

namespace korvane {

class TSkinUpDown;

class TSkinTab : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinTab";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    void AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas) override;
    void PaintTo(HDC dc, const Rect& rect) override;
    // Rebuilds the turned images from the current skin.
    void Refresh();
    // Skins the tab control's scroll arrows once they exist; true when they
    // are shown.
    bool FindUpDown();

    TabOrientation Orientation = TabOrientation::Top;
    Image TabImage;
    Image BorderImage;
    TBitmap TabStrip;
    TSkinUpDown* UpDown = nullptr;

private:
    void DrawTabs(const Rect& rect, const Rect& display, Size size);
    void CopyStrip(HDC dc, const Rect& area);
};

}  // namespace korvane
