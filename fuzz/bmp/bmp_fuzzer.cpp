// Any bytes either decode into an image that survives a round trip through
// the encoder, or give a DecodeError.
#include <cstdlib>

#include "base/bmp.h"
#include "base/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvane;
    Image image;
    try {
        image = decode_bmp({data, size});
    } catch (const DecodeError&) {
        return 0;
    }
    if (decode_bmp(encode_bmp(image)) != image) std::abort();
    return 0;
}
