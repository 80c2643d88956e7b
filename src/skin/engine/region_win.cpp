#include "skin/engine/region_win.h"

#include <cstring>
#include <vector>

#include "base/error.h"
#include "base/strings.h"

namespace korvane {
namespace {

UniqueGdi<HRGN> region_of(const RegionBatch& batch) {
    // RGNDATA: the 32-byte header, then the rectangles. RECT storage keeps
    // the block aligned for both.
    static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT));
    std::vector<RECT> block(2 + batch.rects.size());
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(batch.rects.size());
    header.nRgnSize = DWORD(batch.rects.size() * sizeof(RECT));
    header.rcBound = {batch.bounds.left, batch.bounds.top, batch.bounds.right, batch.bounds.bottom};
    std::memcpy(block.data(), &header, sizeof header);
    for (std::size_t i = 0; i < batch.rects.size(); ++i) {
        const Rect& r = batch.rects[i];
        block[2 + i] = {r.left, r.top, r.right, r.bottom};
    }
    const auto* data = reinterpret_cast<const RGNDATA*>(block.data());
    UniqueGdi<HRGN> region(ExtCreateRegion(nullptr, DWORD(block.size() * sizeof(RECT)), data));
    if (!region)
        throw Error(format("could not make a window region of %d rectangles",
                           int(batch.rects.size())));
    return region;
}

}  // namespace

UniqueGdi<HRGN> CreateRegion(std::span<const RegionBatch> batches) {
    if (batches.empty()) {
        UniqueGdi<HRGN> empty(CreateRectRgn(0, 0, 0, 0));
        if (!empty) throw Error("could not make an empty window region");
        return empty;
    }
    UniqueGdi<HRGN> result = region_of(batches.front());
    for (const RegionBatch& batch : batches.subspan(1)) {
        const UniqueGdi<HRGN> part = region_of(batch);
        if (CombineRgn(result.get(), result.get(), part.get(), RGN_OR) == ERROR)
            throw Error("could not join the parts of a window region");
    }
    return result;
}

}  // namespace korvane
