#pragma once
// Text for the preview pictures, drawn with the converter's own dot-matrix
// fonts: code page 936 bytes, 16 pixels high, 8 pixels a byte.

#include <string_view>

#include "base/color.h"
#include "base/geometry.h"
#include "base/image.h"

namespace korvane::skinpreview {

constexpr int kLabelHeight = 16;
constexpr int label_width(std::string_view text) { return int(text.size()) * 8; }

// Draws the ink of `text` with its top-left corner at `at`.
void draw_label(MutableImageView target, Point at, std::string_view text, Pixel ink);

}  // namespace korvane::skinpreview
