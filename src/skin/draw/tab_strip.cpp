#include "skin/draw/tab_strip.h"

namespace korvane {

TabOrientation tab_orientation(std::uint32_t style) {
    const bool far_side = (style & 0x2) != 0;
    const bool vertical = (style & 0x80) != 0;
    if (vertical) return far_side ? TabOrientation::Right : TabOrientation::Left;
    return far_side ? TabOrientation::Bottom : TabOrientation::Top;
}

Rect tab_display_frame(const Rect& adjusted) {
    return {adjusted.left - 4 + 1, adjusted.top - 4 + 1, adjusted.right + 4 - 1, adjusted.bottom + 4 - 1};
}

Rect tab_strip_area(TabOrientation orientation, const Rect& control, const Rect& display) {
    switch (orientation) {
        case TabOrientation::Top: return {control.left, control.top, control.right, display.top};
        case TabOrientation::Bottom: return {control.left, display.bottom, control.right, control.bottom};
        case TabOrientation::Left: return {control.left, control.top, display.left, control.bottom};
        case TabOrientation::Right: return {display.right, control.top, control.right, control.bottom};
    }
    return {};
}

Size tab_strip_size(TabOrientation orientation, const Rect& area) {
    if (orientation == TabOrientation::Left || orientation == TabOrientation::Right)
        return {area.height(), area.width()};
    return area.size();
}

Rect tab_in_strip(TabOrientation orientation, const Rect& tab, const Rect& control, const Rect& display,
                  int strip_width) {
    switch (orientation) {
        case TabOrientation::Top: return tab.translated(0, 1);
        case TabOrientation::Bottom: return tab.translated(0, -(display.bottom + 1));
        case TabOrientation::Left:
            return {strip_width - tab.bottom, tab.left, strip_width - tab.top, tab.right};
        case TabOrientation::Right:
            return {tab.top - 1, control.right - tab.right, tab.bottom - 1, control.right - tab.left};
    }
    return tab;
}

ImageTextPlace image_text_place(const Rect& item, Size icon, Size text, int align) {
    int x = 2;
    if (align == 1)
        x = (item.width() - icon.width - text.width) / 2;
    else if (align == 2)
        x = item.width() - icon.width - text.width - 2;
    ImageTextPlace place;
    // The icon is centred by its own height.
    place.icon = {item.left + x, item.top + (item.height() - icon.height) / 2};
    const int text_left = item.left + x + icon.width + 1;
    const int text_top = item.top + (item.height() - text.height) / 2;
    place.text = Rect::from_size(text_left, text_top, text.width, text.height);
    return place;
}

}  // namespace korvane
