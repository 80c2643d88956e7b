// Any bytes either decode into an image that survives a round trip through
// the encoder, or give a DecodeError. Images are bounded far below the
// decoder's own limit and only small ones make the round trip: the checks
// that refuse a file all run before the pixels, and filling a hundred
// megabytes per input would only slow the search.
#include <cstdlib>

#include "base/bmp.h"
#include "base/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    constexpr std::int64_t kMaxPixels = 1 << 20;
    constexpr std::int64_t kRoundTripPixels = 1 << 16;
    Image image;
    try {
        image = decode_bmp({data, size}, kMaxPixels);
    } catch (const DecodeError&) {
        return 0;
    }
    if (std::int64_t(image.width()) * image.height() > kRoundTripPixels) return 0;
    if (decode_bmp(encode_bmp(image)) != image) std::abort();
    return 0;
}
