// Any bytes survive a round trip through the encoder and the decoder, both as
// a compressed and as a literal-only stream.
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"
#include "skinpack/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    const std::vector<std::uint8_t> bytes(data, data + size);
    if (ExpandLzhStream(CompressLzh(bytes)) != bytes) std::abort();
    if (ExpandLzhStream(StoreLzh(bytes)) != bytes) std::abort();
    return 0;
}
