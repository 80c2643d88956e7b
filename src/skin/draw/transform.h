#pragma once
// Turning images over for vertical tabs, in place.

#include "base/image.h"

namespace korvane {

// Upside down: row i becomes row height-1-i.
void FlipVertical(MutableImageView image);

// A quarter turn counter-clockwise: pixel (x, y) moves to (y, width-1-x) and
// the image becomes height x width.
void RotateLeft(Image& image);

// A quarter turn clockwise: pixel (x, y) moves to (height-1-y, x).
void RotateRight(Image& image);

}  // namespace korvane
