#include "skin/draw/frame_geometry.h"

#include <algorithm>

namespace korvane {

int FrameThickness(int extent, int frame_count) {
    return frame_count > 0 ? extent / frame_count : 0;
}

Rect SkinnedClientRect(const Rect& window, const FrameWidths& frame, int menu_bar_height) {
    return {window.left + frame.left, window.top + frame.top + menu_bar_height,
            window.right - frame.right, window.bottom - frame.bottom};
}

Size SkinnedWindowSize(Size client, const FrameWidths& frame, int menu_bar_height) {
    return {client.width + frame.left + frame.right,
            client.height + frame.top + frame.bottom + menu_bar_height};
}

Size UnskinnedWindowSize(Size window, const FrameWidths& frame, int menu_bar_height,
                         Size system_extra) {
    return {window.width - frame.left - frame.right + system_extra.width,
            window.height - frame.top - menu_bar_height - frame.bottom + system_extra.height};
}

Rect PlaceCaption(const Rect& title, Size text, const CaptionStyle& style, bool popup,
                  int right_buttons_left) {
    Rect r{title.left, title.top, title.left + text.width + style.back_left + style.back_right,
           title.top + text.height};
    int dx = 0;
    switch (style.alignment) {
        case 0: dx = style.text_shift; break;
        case 1: dx = (title.width() - r.width()) / 2; break;
        case 2: dx = title.width() + style.text_right_clip - r.width(); break;
        default: break;
    }
    const int dy = (title.height() - r.height()) / 2 + style.text_shift_vert / 2;
    r = r.translated(dx, dy);
    r.right = std::min(r.right, title.right - style.text_right_clip);
    if (popup && right_buttons_left > 0) r.right = std::min(r.right, right_buttons_left - 5);
    return r;
}

}  // namespace korvane
