// Any bytes either expand, within the bounds the size field allows, or are
// refused with ElzhException; and any bytes survive a round trip through the
// encoder.
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"
#include "skinpack/lzh_encoder.h"

namespace {

// Expanding megabytes only repeats the same loop; larger sizes still meet the size guard.
constexpr std::int32_t kExpandLimit = 1 << 16;

std::int32_t DeclaredSize(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    return std::int32_t(data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t(data[3]) << 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::int32_t declared = DeclaredSize(data, size);
    if (declared <= kExpandLimit || declared > std::int64_t(size - 4) * 8 * 60) {
        try {
            const std::vector<std::uint8_t> out = ExpandLzhStream(bytes);
            // Exactly the size, or up to 59 bytes more when the last match runs past it.
            if (declared <= 0 ? !out.empty()
                              : out.size() < std::size_t(declared) ||
                                    out.size() > std::size_t(declared) + 59)
                std::abort();
        } catch (const ElzhException&) {
        }
    }
    if (ExpandLzhStream(CompressLzh(bytes)) != std::vector<std::uint8_t>(bytes.begin(), bytes.end()))
        std::abort();
    return 0;
}
