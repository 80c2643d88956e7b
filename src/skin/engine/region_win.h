#pragma once
// Window regions from the rectangle batches of region.h.

#include <windows.h>

#include <span>

#include "framework/win/gdi.h"
#include "skin/draw/region.h"

namespace korvane {

// One region made of all batches: each batch becomes a region through
// ExtCreateRegion and is OR-combined into the first. No batches give an
// empty region. Throws Error when the system cannot make a region.
UniqueGdi<HRGN> CreateRegion(std::span<const RegionBatch> batches);

}  // namespace korvane
