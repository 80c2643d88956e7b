#include "faces.h"

#include "theme.h"

namespace korvane::skingen {

FaceInk face_ink(FaceState state) {
    using namespace theme;
    switch (state) {
    case FaceState::kPressed:
        return {kEdge, kEdge, kPressedTop, pixel_rgb(192, 203, 236), kPressedBottom, kInk};
    case FaceState::kDisabled:
        return {kDisabledEdge, kDisabledEdge, kDisabledFace, kDisabledFace, kDisabledFace, kDisabledInk};
    case FaceState::kHot:
        return {kHotEdge, pixel_rgb(178, 196, 250), kHotTop, pixel_rgb(228, 236, 255), kHotBottom, kInkHot};
    case FaceState::kDefault:
        return {kFrameOutline, pixel_rgb(150, 166, 230), kFaceTop, pixel_rgb(224, 231, 248), kFaceBottom,
                kInk};
    case FaceState::kNormal:
        break;
    }
    return {kEdge, kEdge, kFaceTop, pixel_rgb(224, 231, 248), kFaceBottom, kInk};
}

void paint_face(MutableImageView v, const FaceInk& ink, const Corners& corners, int top_part,
                int bottom_part) {
    const int h = v.height();
    rounded_box(
        v, v.bounds(), corners, [&](int, int) { return ink.edge; },
        [&](int, int y) {
            if (y < top_part) return ramp(ink.top, ink.mid, y, top_part);
            if (y >= h - bottom_part) return ramp(ink.mid, ink.bottom, y - (h - bottom_part), bottom_part);
            return ink.mid;
        });
    if (ink.ring != ink.edge) rounded_edge(v, v.bounds().shrunken(1), corners.inset(1), ink.ring);
}

}  // namespace korvane::skingen
