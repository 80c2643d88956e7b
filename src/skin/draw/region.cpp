#include "skin/draw/region.h"

#include <algorithm>
#include <cstdint>

namespace korvane {
namespace {

// The values one channel may take to count as transparent; a negative
// tolerance counts as 0.
class ChannelRange {
public:
    ChannelRange(std::uint8_t key, int tolerance)
        : low_(key), span_(std::min(255, key + std::clamp(tolerance, 0, 255)) - key) {}
    // One unsigned comparison: values below low wrap around to large ones.
    bool contains(std::uint32_t value) const { return value - low_ <= span_; }

private:
    std::uint32_t low_;
    std::uint32_t span_;
};

class TransparencyTest {
public:
    TransparencyTest(Color key, ChannelTolerance tolerance)
        : red_(red_of(key), tolerance.red),
          green_(green_of(key), tolerance.green),
          blue_(blue_of(key), tolerance.blue) {}

    bool operator()(Pixel p) const {
        return red_.contains(p >> 16 & 0xFF) && green_.contains(p >> 8 & 0xFF) &&
               blue_.contains(p & 0xFF);
    }

private:
    ChannelRange red_;
    ChannelRange green_;
    ChannelRange blue_;
};

Rect united(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

std::vector<RegionBatch> RegionFromBitmap(ImageView bitmap, Point offset,
                                          ChannelTolerance tolerance, Color key) {
    const TransparencyTest transparent(key, tolerance);
    std::vector<RegionBatch> batches;
    auto add = [&batches](const Rect& run) {
        if (batches.empty() || batches.back().rects.size() == kRegionBatchSize)
            batches.push_back({{}, run});
        RegionBatch& batch = batches.back();
        batch.rects.push_back(run);
        batch.bounds = united(batch.bounds, run);
    };
    for (int y = 0; y < bitmap.height(); ++y) {
        const Pixel* row = bitmap.row(y);
        int x = 0;
        while (x < bitmap.width()) {
            while (x < bitmap.width() && transparent(row[x])) ++x;
            if (x == bitmap.width()) break;
            const int start = x;
            while (x < bitmap.width() && !transparent(row[x])) ++x;
            add({start + offset.x, y + offset.y, x + offset.x, y + offset.y + 1});
        }
    }
    return batches;
}

}  // namespace korvane
