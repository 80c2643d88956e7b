#pragma once
// The rules of a skinned up-down control that need no window: its two
// halves, the state each half shows, the strip frame for it, and the line
// arrows drawn when the skin has no images for it.

#include <vector>

#include "base/geometry.h"

namespace korvane {

// Kinds of arrow: 0 up, 1 down, 2 left, 3 right.
struct UpDownHalves {
    Rect first;   // upper or left
    Rect second;  // lower or right
    int first_kind = 0;
    int split = 0;  // half the width or height: where the second half begins along the axis
};
UpDownHalves up_down_halves(const Rect& client, bool horizontal);

// States: 1 normal, 2 pressed, 3 disabled, 4 hot. Only the half under the
// cursor (`along`: its client coordinate along the axis) shows pressed or hot.
int up_down_state(bool enabled, bool second_half, int along, int split, bool pressed, bool hot);
// Frame of the eight-frame strip: up and left arrows 1-4, down and right 5-8.
int up_down_frame(int kind, int state);

struct UpDownLine {
    Point from;
    Point to;
    friend constexpr bool operator==(const UpDownLine&, const UpDownLine&) = default;
};
// The pen lines of a plain arrow of that kind in that half.
std::vector<UpDownLine> up_down_arrow(int kind, const Rect& half);

}  // namespace korvane
