#pragma once
// The shape of a window from a bitmap: every pixel that is not of the key
// colour belongs to it. The shape is a list of one-pixel-high rectangles,
// one per run of such pixels, row by row from the top and left to right in a
// row, cut into batches that the platform turns into regions one at a time
// and joins (see region_win.h).

#include <cstddef>
#include <vector>

#include "base/color.h"
#include "base/geometry.h"
#include "base/image.h"

namespace korvane {

// How far above the key's value each channel may lie and still count as
// transparent (capped at 255); negative values count as 0.
struct ChannelTolerance {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// What window shapes use: magenta with green up to 1 is transparent.
constexpr ChannelTolerance kShapeTolerance{1, 1, 1};

constexpr std::size_t kRegionBatchSize = 2000;

struct RegionBatch {
    std::vector<Rect> rects;
    Rect bounds;  // the union of rects
};

// The runs of `bitmap`, moved by `offset`, in batches of kRegionBatchSize
// rectangles (the last one holds the rest). No batches when every pixel is
// transparent.
std::vector<RegionBatch> RegionFromBitmap(ImageView bitmap, Point offset,
                                          ChannelTolerance tolerance = kShapeTolerance,
                                          Color key = kKeyColor);

}  // namespace korvane
