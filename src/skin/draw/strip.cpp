#include "skin/draw/strip.h"

namespace korvane {

Rect FrameRect(const Strip& strip, int index) {
    if (strip.frame_count <= 0 || index < 1 || index > strip.frame_count) return {};
    const int width = strip.image.width();
    const int height = strip.image.height();
    if (strip.vertical) {
        const int frame_height = height / strip.frame_count;
        if (width <= 0 || frame_height <= 0) return {};
        return Rect::from_size(0, (index - 1) * frame_height, width, frame_height);
    }
    const int frame_width = width / strip.frame_count;
    if (frame_width <= 0 || height <= 0) return {};
    return Rect::from_size((index - 1) * frame_width, 0, frame_width, height);
}

}  // namespace korvane
