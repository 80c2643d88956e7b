#pragma once
// What a skinned combo box shows of the skin, composed by the drawing
// utilities: its drop-down button and glyph, and the sunken edge on its
// left, top and bottom. Shared by the control tests and the tool's dialog test.

#include <windows.h>

#include "base/image.h"
#include "skin/data/skin_model.h"
#include "skin/draw/blit.h"
#include "skin/draw/drawing.h"

namespace korvane::testing {

// The combo box's skinned pieces at `size` in state `state` (1 normal, 2
// pressed, 3 disabled, 4 hot or focused) over the skin's button face `face`;
// what the control draws itself is the key colour (not compared).
inline Image ComboFace(const SkinModel& skin, Pixel face_colour, Size size, int state) {
    Image face(size.width, size.height, pixel_rgb(255, 0, 255));
    const int s = GetSystemMetrics(SM_CXHSCROLL);
    const Rect button{size.width - s - 2, 0, size.width, size.height};
    for (int y = button.top; y < button.bottom; ++y)
        for (int x = button.left; x < button.right; ++x) face.at(x, y) = face_colour;
    const TDataSkinObject& combo = *skin.ComboButton;
    DrawStripFrame(face.mutable_view(), button, Strip{combo.Bitmap.view(), combo.Frame, false}, state, true);
    const TDataSkinObject& extra = *skin.ExtraImages;
    const int w = extra.Bitmap.width() / extra.Frame, h = extra.Bitmap.height();
    DrawStripFrame(face.mutable_view(),
                   Rect::from_size(button.left + (button.width() - w) / 2, (size.height - h) / 2, w, h),
                   Strip{extra.Bitmap.view(), extra.Frame, false}, state, true);
    // The sunken edge: left, top, top-left corner, bottom, bottom-left corner
    // from the first cell of SunkEdge.
    const TDataSkinObject& edge = *skin.SunkEdge;
    const int W = edge.Bitmap.width() / edge.Frame, H = edge.Bitmap.height();
    const int lw = edge.LeftWidth, th = edge.TopHeight, rw = edge.RightWidth, bh = edge.BottomHeight;
    const int l = lw > 1 ? 2 : 1, t = th > 1 ? 2 : 1, u = bh > 1 ? 2 : 1;
    const ImageView image = edge.Bitmap.view();
    const MutableImageView view = face.mutable_view();
    StretchBlit(view, {0, 0, l, size.height}, image, {0, th, lw, H - bh});
    StretchBlit(view, {0, 0, button.left, t}, image, {lw, 0, W - rw, th});
    StretchBlit(view, {0, 0, t, t}, image, {0, 0, lw, th});
    StretchBlit(view, {0, size.height - u, button.left, size.height}, image, {lw, H - bh, W - rw, H});
    StretchBlit(view, {0, size.height - u, u, size.height}, image, {0, H - bh, lw, H});
    return face;
}

}  // namespace korvane::testing
