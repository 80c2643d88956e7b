#pragma once
// The 34 bitmaps of the default skin, by member name, in package order.

#include <string>
#include <vector>

#include "base/image.h"

namespace korvane::skingen {

struct SkinBitmap {
    std::string name;
    Image image;
};

std::vector<SkinBitmap> draw_skin_bitmaps();

}  // namespace korvane::skingen
