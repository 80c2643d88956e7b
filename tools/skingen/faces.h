#pragma once
// The raised lavender face shared by push buttons, arrow buttons, combo and
// spin buttons, thumbs and tabs, in the states a control strip carries.

#include "base/image.h"
#include "pixel_art.h"

namespace korvane::skingen {

// Control states in the order of a control strip's frames 1 to 4; kDefault
// is the fifth frame of five-frame strips.
enum class FaceState { kNormal, kPressed, kDisabled, kHot, kDefault };
constexpr FaceState kFourStates[] = {FaceState::kNormal, FaceState::kPressed, FaceState::kDisabled,
                                     FaceState::kHot};

struct FaceInk {
    Pixel edge;
    Pixel ring;  // the line just inside the edge; equal to edge for none
    Pixel top, mid, bottom;
    Pixel glyph;
};
FaceInk face_ink(FaceState state);

// A rounded face filling v. The body runs from top to mid over the first
// top_part rows, stays mid, then runs to bottom over the last bottom_part
// rows, so that a nine-slice with those margins stretches flat colour only.
void paint_face(MutableImageView v, const FaceInk& ink, const Corners& corners, int top_part,
                int bottom_part);

}  // namespace korvane::skingen
