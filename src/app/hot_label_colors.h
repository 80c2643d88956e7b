#pragma once
// The text colour of a link label as the pointer and the mouse buttons move:
//
//   outside, not pressed   the normal colour
//   inside,  not pressed   HotColor
//   inside,  pressed       ClickColor
//   outside, pressed       ClickColor (button held, pointer dragged off)
//
// The normal colour is the font's colour when the label is made, taken again
// whenever an entry or a press starts from the normal state, so a colour set
// by program while the pointer is away is the one returned to.

#include "base/color.h"

namespace korvane {

inline constexpr Color kDefaultHotColor = rgb(0, 0, 255);    // blue
inline constexpr Color kDefaultClickColor = rgb(255, 0, 0);  // red

class HotLabelColors {
public:
    explicit HotLabelColors(Color font_color) : normal_(font_color) {}

    Color hot = kDefaultHotColor;
    Color click = kDefaultClickColor;

    // Each event takes the font's current colour and gives the one to show.
    Color enter(Color font_color);
    Color leave();
    Color press(Color font_color);
    Color release();

    bool inside() const { return inside_; }
    bool pressed() const { return pressed_; }
    Color normal() const { return normal_; }

private:
    Color normal_;
    bool inside_ = false;
    bool pressed_ = false;
};

}  // namespace korvane
