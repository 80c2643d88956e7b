#pragma once
// PNG files for the preview pictures: 8-bit RGB, no interlacing, each row
// unfiltered, compressed with deflate (fixed Huffman codes, LZ77 matches
// found through hash chains).

#include <cstdint>
#include <span>
#include <vector>

#include "base/image.h"

namespace korvane::skinpreview {

std::vector<std::uint8_t> encode_png(ImageView image);

// The checksums PNG and zlib use, exposed for tests.
std::uint32_t crc32(std::span<const std::uint8_t> bytes);
std::uint32_t adler32(std::span<const std::uint8_t> bytes);
// A raw deflate stream of one final block with fixed Huffman codes.
std::vector<std::uint8_t> deflate_fixed(std::span<const std::uint8_t> data);

}  // namespace korvane::skinpreview
