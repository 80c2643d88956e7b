// Any bytes either expand, within the bounds the size field allows, or are
// refused with ElzhException; and any bytes survive a round trip through the
// encoder.
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"
#include "skinpack/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    const std::span<const std::uint8_t> bytes(data, size);
    try {
        const std::vector<std::uint8_t> out = ExpandLzhStream(bytes);
        const std::int32_t expected = std::int32_t(data[0] | data[1] << 8 | data[2] << 16 |
                                                   std::uint32_t(data[3]) << 24);
        // Exactly the size, or up to 59 bytes more when the last match runs past it.
        if (expected <= 0 ? !out.empty()
                          : out.size() < std::size_t(expected) ||
                                out.size() > std::size_t(expected) + 59)
            std::abort();
    } catch (const ElzhException&) {
    }
    if (ExpandLzhStream(CompressLzh(bytes)) != std::vector<std::uint8_t>(bytes.begin(), bytes.end()))
        std::abort();
    return 0;
}
