#pragma once
// Pixel transfers between images: stretched, tiled and key-transparent
// copies. Every skin drawing routine is built from these.
//
// Stretching rule (nearest neighbour, no blending), used by every routine:
//   destination column i, counted from the destination rectangle's left edge,
//   takes source column  from.left + floor(i * from.width / to.width),
//   and destination rows take source rows the same way.
// Shrinking drops columns and rows, growing repeats them; the first
// destination column always takes the first source column, and equal sizes
// copy one to one. Growing 2 columns to 5 gives source columns 0 0 0 1 1;
// shrinking 5 to 2 gives 0 2.
//
// Clipping: nothing is ever read or written outside an image. A destination
// pixel outside the target, or whose source pixel lies outside the source,
// is left as it was. Empty or inverted rectangles draw nothing.

#include "base/color.h"
#include "base/geometry.h"
#include "base/image.h"

namespace korvane {

// Copies `from` of `source` onto `to` of `target`, stretched to fit.
void StretchBlit(MutableImageView target, const Rect& to, ImageView source, const Rect& from);

// The same, but target pixels stay where the source pixel's colour is `key`
// exactly.
void StretchBlitTransparent(MutableImageView target, const Rect& to, ImageView source,
                            const Rect& from, Color key = kKeyColor);

// Copies the rect-sized top-left part of `bitmap` to the rect, unstretched,
// leaving out pixels of the colour `key`.
void DrawTransparent(MutableImageView target, const Rect& rect, ImageView bitmap,
                     Color key = kKeyColor);

// Repeats `source_rect` of `source` over `rect`, starting at its top-left
// corner. Whole tiles are drawn: the last column and row of tiles may reach
// past the rect's right and bottom edges (but never past the target).
void TileRect(MutableImageView target, const Rect& rect, ImageView source, const Rect& source_rect);

}  // namespace korvane
