#include "app/hot_label_colors.h"

namespace korvane {

Color HotLabelColors::enter(Color font_color) {
    inside_ = true;
    if (!pressed_) normal_ = font_color;
    return hot;
}

Color HotLabelColors::leave() {
    inside_ = false;
    return pressed_ ? click : normal_;
}

Color HotLabelColors::press(Color font_color) {
    pressed_ = true;
    if (!inside_) normal_ = font_color;
    return click;
}

Color HotLabelColors::release() {
    pressed_ = false;
    return inside_ ? hot : normal_;
}

}  // namespace korvane
