#pragma once
// TSkinHeader: a header window (a header control's, or a list view's) drawn
// from the skin's Headerbar element: each item on frame 1 with its icon and
// text, the rest of the strip on frame 1 too.

#include <windows.h>
#include <commctrl.h>

#include "skin/controls/skin_control.h"

namespace korvane {

class TSkinHeader : public TSkinControl {
public:
    static constexpr std::string_view kClassName = "TSkinHeader";
    using TSkinControl::TSkinControl;
    std::string_view ClassName() const override { return kClassName; }

    // Subclasses the header window and enters the object in the list.
    void AttachWindow(HWND handle, TSkinData& data, TCanvas& canvas) override;
    bool BeforeMessage(TMessage& message) override;
    void PaintTo(HDC dc, const Rect& rect) override;

private:
    void DrawItem(HDC dc, int index, const Rect& item, HIMAGELIST images);
};

}  // namespace korvane
