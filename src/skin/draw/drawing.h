#pragma once
// Drawing a skin element: one frame of its strip, stretched, as a nine-slice
// (fixed corners, stretched edges, stretched or tiled centre) or as a
// three-slice band (left cap, tiled middle, right cap), opaque or with the
// magenta key left transparent. Targets are views of the caller's bitmap;
// rects are in the target's coordinates. Stretching and clipping follow
// blit.h. Nothing is drawn for an empty or inverted rect, nor for a frame the
// strip does not have (frame count 0, index out of range).

#include "base/geometry.h"
#include "base/image.h"
#include "skin/draw/blit.h"
#include "skin/draw/strip.h"

namespace korvane {

// Frame `index` of the strip stretched to the rect.
void DrawStripFrame(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                    bool transparent);

// A new image of `size` holding frame `index` as a nine-slice. Margins wider
// than the image are dropped pairwise (left with right, top with bottom);
// negative margins count as 0. Corners keep their size, edges are stretched
// along their length, the centre is stretched or tiled. Pixels no piece
// reaches stay black.
Image BuildNineSlice(Size size, const Strip& strip, int index, const Margins& margins,
                     bool tile_centre);

// BuildNineSlice at the rect's size, copied to the rect.
void DrawNineSlice(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                   const Margins& margins, bool tile_centre, bool transparent);

// Only the eight border pieces of the nine-slice, straight onto the target;
// the centre of the rect is left as it is.
void DrawNineSliceFrame(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                        const Margins& margins);

// A horizontal band: the frame's left margins.left columns and right
// margins.right columns as caps, the columns between them repeated across the
// middle unstretched; all pieces are stretched to the rect's height. The
// right cap is drawn last and covers the last middle segment's overhang.
void DrawThreeSlice(MutableImageView target, const Rect& rect, const Strip& strip, int index,
                    const Margins& margins, bool transparent);

constexpr int Max(int a, int b) { return a > b ? a : b; }
constexpr int Min(int a, int b) { return a < b ? a : b; }

}  // namespace korvane
