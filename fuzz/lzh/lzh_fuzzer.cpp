// Any bytes either expand, within the bounds the size field allows, or are
// refused with ElzhException. (The encoder's round trip has its own target,
// fuzz_lzh_round_trip: it costs far more per input than the decoder.)
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    try {
        const std::vector<std::uint8_t> out = ExpandLzhStream({data, size});
        const std::int32_t declared =
            std::int32_t(data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t(data[3]) << 24);
        // Exactly the size, or up to 59 bytes more when the last match runs past it.
        if (declared <= 0 ? !out.empty()
                          : out.size() < std::size_t(declared) ||
                                out.size() > std::size_t(declared) + 59)
            std::abort();
    } catch (const ElzhException&) {
    }
    return 0;
}
