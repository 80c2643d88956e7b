#pragma once
// The rules of skinned tab strips that need no window: which side the tabs
// are on, where the strip lies beside the display area, how big the strip is
// composed lying down, and where each tab goes in it so that it lands on the
// tab after the strip is turned (left tabs turn counter-clockwise, right
// tabs clockwise), and where a tab's icon and text go.

#include <cstdint>

#include "base/geometry.h"

namespace korvane {

enum class TabOrientation { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// From the tab control's style: TCS_BOTTOM/TCS_RIGHT (0x2) and TCS_VERTICAL
// (0x80).
TabOrientation tab_orientation(std::uint32_t style);

// The display area's frame: the adjusted rectangle grown by 4 on each side
// and moved one pixel towards the tabs.
Rect tab_display_frame(const Rect& adjusted);

// The strip beside the display frame `display` in the control `control`.
Rect tab_strip_area(TabOrientation orientation, const Rect& control, const Rect& display);

// The strip bitmap's size: the area's for top and bottom tabs, turned for
// left and right ones.
Size tab_strip_size(TabOrientation orientation, const Rect& area);

// Where the tab the control reports at `tab` is drawn in the strip bitmap
// (of `strip_width` pixels across).
Rect tab_in_strip(TabOrientation orientation, const Rect& tab, const Rect& control, const Rect& display,
                  int strip_width);

// Icon and text of a tab or header item in `item`: icon_width 0 without an
// icon, text the size DT_CALCRECT measured. align: 0 left, 1 centred, 2 right.
struct ImageTextPlace {
    Point icon;
    Rect text;
};
ImageTextPlace image_text_place(const Rect& item, Size icon, Size text, int align);

}  // namespace korvane
