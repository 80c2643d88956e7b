#pragma once
// The rules of the skinned scroll bars that need no window: where a window's
// own bars lie in its window rectangle, how long the arrows are, where the
// thumb sits for a scroll range, which part of a bar a point hits, and which
// position a dragged thumb stands for. Coordinates are signed throughout.

#include <cstdint>

#include "base/geometry.h"

namespace korvane {

// a * b / c rounded to the nearest, halves away from zero, computed in 64
// bits, as Win32's MulDiv: -1 when c is 0 or the result leaves 32 bits.
int mul_div(int a, int b, int c);

// Where a window's own scroll bars lie. window: the window rectangle at the
// origin; client: its client rectangle; edge: SM_CXEDGE; bar: SM_CXHSCROLL.
// The bars and the corner between them are empty when not shown.
struct ScrollBarsLayout {
    Rect horz;
    Rect vert;
    Rect corner;
};
ScrollBarsLayout layout_scroll_bars(const Rect& window, const Rect& client, int edge, int bar, bool has_horz,
                                    bool has_vert);

// The range of one bar as GetScrollInfo reports it.
struct ScrollRange {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
};

// Pixels along one bar: arrow length, the track between the arrows, the
// thumb's length and its offset from the track's start.
struct BarGeometry {
    int arrow_size = 0;
    int track_length = 0;
    int thumb_length = 0;
    int thumb_offset = 0;
};

// Length of each arrow of a bar `length` long with arrows `bar` long: half
// the bar when two full arrows do not fit.
int scroll_arrow_length(int length, int bar);

// The thumb of a window's own bar `length` long (arrows `bar` long) for that
// range. min_thumb: the smallest thumb with a page; default_thumb: the
// thumb without one (SM_CXHTHUMB). With an empty range the old geometry is
// kept (false). A thumb never starts before its track or ends past it.
bool window_bar_thumb(BarGeometry& geometry, int length, int bar, const ScrollRange& range, int min_thumb,
                      int default_thumb);
// The same for a scroll-bar control, whose page counts against the range
// plus one; a range outside 0 ... 0x7FFFFFFE keeps the old geometry.
bool control_bar_thumb(BarGeometry& geometry, int length, int bar, const ScrollRange& range, int min_thumb,
                       int default_thumb);

// A thumb is drawn only when it has a length and fits its track: a bar
// shorter than its two arrows shows none.
bool thumb_visible(const BarGeometry& geometry);

// The scroll code of the part at p pixels along a bar (client coordinates):
// SB_LINEUP 0, SB_PAGEUP 2, SB_THUMBTRACK 5, SB_PAGEDOWN 3, SB_LINEDOWN 1,
// or -1 past the bar.
int scroll_hit_test(const BarGeometry& geometry, int p);

// A thumb dragged by `moved` pixels from where it started (offset `start`):
// its new offset and the position it stands for.
struct ThumbDrag {
    int offset = 0;
    int pos = 0;
};
ThumbDrag drag_thumb(const BarGeometry& geometry, int start, int moved, const ScrollRange& range);

// Which part a scroll code presses: 1 left, 2 right, 5 horizontal thumb;
// 3 up, 4 down, 6 vertical thumb; 0 for every other code.
int scroll_pressed_part(bool vertical, int code);
// Frame of the 23-frame Scrollbar strip for the first or second arrow of a
// bar while `pressed_part` is pressed.
int scroll_arrow_frame(bool vertical, bool second, int pressed_part);

}  // namespace korvane
