#pragma once
// Skin images are strips of equally sized frames, one frame per state of the
// element (normal, pressed, ...). Frames are numbered from 1.

#include "base/geometry.h"
#include "base/image.h"

namespace korvane {

struct Strip {
    ImageView image;
    int frame_count = 1;
    bool vertical = false;  // frames stacked top to bottom instead of side by side
};

// The fixed border widths of a nine-slice: the element's LeftWidth,
// TopHeight, RightWidth and BottomHeight.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const Margins&, const Margins&) = default;
};

// Where frame `index` lies in the strip. Frames are the strip's width (or
// height, when stacked) divided by the frame count, rounded down; remainder
// pixels at the end are never used. Empty when the count is not positive,
// the index is not in 1..count, or the frames have no size.
Rect FrameRect(const Strip& strip, int index);

}  // namespace korvane
