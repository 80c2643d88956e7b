#include "skin/draw/scroll_geometry.h"

#include <algorithm>
#include <limits>

namespace korvane {

int mul_div(int a, int b, int c) {
    if (c == 0) return -1;
    std::int64_t product = std::int64_t{a} * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result = (product >= 0 ? product + half : product - half) / divisor;
    if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max()) return -1;
    return static_cast<int>(result);
}

ScrollBarsLayout layout_scroll_bars(const Rect& window, const Rect& client, int edge, int bar, bool has_horz,
                                    bool has_vert) {
    // Divisions truncate toward zero, as C++'s do.
    int border = edge;
    if (has_vert)
        border = (window.right - client.right - bar) / 2;
    else if (has_horz)
        border = (window.bottom - client.bottom - bar) / 2;
    ScrollBarsLayout layout;
    if (has_horz && has_vert) {
        layout.horz = {window.left + border, window.bottom - border - bar, window.right - border - bar,
                       window.bottom - border};
        layout.vert = {window.right - border - bar, border, window.right - border, window.bottom - border - bar};
        layout.corner = {layout.vert.left, layout.horz.top, layout.vert.right, layout.horz.bottom};
    } else if (has_vert) {
        layout.vert = {window.right - border - bar, border, window.right - border, window.bottom - border};
    } else if (has_horz) {
        layout.horz = {window.left + border, window.bottom - border - bar, window.right - border,
                       window.bottom - border};
    }
    return layout;
}

int scroll_arrow_length(int length, int bar) { return length < 2 * bar ? length / 2 : bar; }

namespace {

// The thumb for a range whose page fills the track at `full` (the range as
// the bar counts it): shared by window bars (full = R) and controls (R + 1).
void place_thumb(BarGeometry& g, int length, int bar, const ScrollRange& range, int full, int min_thumb,
                 int default_thumb) {
    g.arrow_size = bar;
    g.track_length = length - 2 * bar;
    g.thumb_length =
        range.page != 0 ? std::max(mul_div(range.page, g.track_length, full), min_thumb) : default_thumb;
    g.thumb_length = std::min(g.thumb_length, g.track_length);
    if (range.page == full) {
        g.thumb_offset = 0;
        g.thumb_length -= 1;
        return;
    }
    const int free = g.track_length - g.thumb_length;
    // A page larger than the range would give a negative denominator and a
    // thumb before its track: it stays at the start.
    g.thumb_offset = std::clamp(mul_div(range.pos - range.min, free, full - range.page), 0, std::max(free, 0));
}

}  // namespace

bool window_bar_thumb(BarGeometry& geometry, int length, int bar, const ScrollRange& range, int min_thumb,
                      int default_thumb) {
    const std::int64_t span = std::int64_t{range.max} - range.min;
    if (span <= 0 || span > std::numeric_limits<int>::max()) return false;
    place_thumb(geometry, length, bar, range, static_cast<int>(span), min_thumb, default_thumb);
    return true;
}

bool control_bar_thumb(BarGeometry& geometry, int length, int bar, const ScrollRange& range, int min_thumb,
                       int default_thumb) {
    const std::int64_t span = std::int64_t{range.max} - range.min;
    if (span < 0 || span > 0x7FFFFFFE) return false;
    place_thumb(geometry, length, bar, range, static_cast<int>(span) + 1, min_thumb, default_thumb);
    return true;
}

bool thumb_visible(const BarGeometry& g) { return g.thumb_length > 0 && g.thumb_length <= g.track_length; }

int scroll_hit_test(const BarGeometry& g, int p) {
    if (p < g.arrow_size) return 0;
    if (p < g.arrow_size + g.thumb_offset) return 2;
    if (p < g.arrow_size + g.thumb_offset + g.thumb_length) return 5;
    if (p < g.arrow_size + g.track_length) return 3;
    if (p < 2 * g.arrow_size + g.track_length) return 1;
    return -1;
}

ThumbDrag drag_thumb(const BarGeometry& g, int start, int moved, const ScrollRange& range) {
    ThumbDrag drag;
    drag.offset = std::max(start + moved, 0);
    const int span = range.max - range.min;
    if (range.page != 0) {
        drag.offset = std::min(drag.offset, g.track_length);
        drag.pos = mul_div(drag.offset, span, g.track_length) + range.min;
        if (drag.pos >= range.max - range.page) drag.pos = range.max - range.page + 1;
    } else {
        // A thumb as long as its track has nowhere to go: the denominator is
        // 0 and mul_div answers -1, which the minimum below takes back.
        drag.offset = std::min(drag.offset, g.track_length - g.thumb_length);
        drag.pos = std::min(mul_div(drag.offset, span, g.track_length - g.thumb_length) + range.min, range.max);
    }
    drag.pos = std::max(drag.pos, range.min);
    return drag;
}

int scroll_pressed_part(bool vertical, int code) {
    const int base = vertical ? 3 : 1;
    switch (code) {
        case 0: return base;
        case 1: return base + 1;
        case 5: return vertical ? 6 : 5;
        default: return 0;
    }
}

int scroll_arrow_frame(bool vertical, bool second, int pressed_part) {
    const int frame = (vertical ? 9 : 1) + (second ? 4 : 0);
    const int part = (vertical ? 3 : 1) + (second ? 1 : 0);
    return pressed_part == part ? frame + 1 : frame;
}

}  // namespace korvane
